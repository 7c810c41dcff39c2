// The paint of TPlatformScale up to the numerals: radii, board, graduation marks,
// needle and pivot. Every coordinate is computed in long double in the written order
// and brought to whole pixels by RoundOff (the needle outline by RoundHalfEven).

#include "Graduations.h"
#include "MarkDirections.h"
#include "PlatformScale.h"

#include <algorithm>
#include <cmath>

namespace {

// A capacity far beyond the standard one would spread millions of marks round the
// rim and stall the paint for minutes. Past a few thousand marks a level is a solid
// black band on any dial this control is built for, so the rest are not drawn.
constexpr std::uint32_t MaxMarksPerLevel = 4000;

}  // namespace

void TPlatformScale::PaintOn(TCanvas& Canvas)
{
    ComputeRadii();
    PaintBoard(Canvas);
    PaintGraduations(Canvas);
    PaintNeedle(Canvas);
    PaintPivot(Canvas);
    PaintNumerals(Canvas);
}

void TPlatformScale::ComputeRadii()
{
    const long double half = static_cast<long double>(FDiameter) / 2;
    FRadius90 = RoundOff(half * 90 / 100);
    FRadius92 = RoundOff(half * 92 / 100);
    FRadius94 = RoundOff(half * 94 / 100);
    FRadius96 = RoundOff(half * 96 / 100);
    FRadiusBoard = RoundOff(half);
}

std::int32_t TPlatformScale::RotateX(std::int32_t A, std::int32_t B, double Angle) const
{
    const long double angle = Angle;
    const long double t = FRadiusBoard - A * std::cos(angle);
    return RoundOff(t + B * std::sin(angle));
}

std::int32_t TPlatformScale::RotateY(std::int32_t A, std::int32_t B, double Angle) const
{
    const long double angle = Angle;
    const long double t = FRadiusBoard - A * std::sin(angle);
    return RoundOff(t - B * std::cos(angle));
}

void TPlatformScale::DrawRing(TCanvas& Canvas, double Left, double Top, double Right,
                              double Bottom) const
{
    // Inset by half the pen so the outline's outer edge lies on the described box.
    const long double halfPen = static_cast<long double>(Canvas.Pen.Width) / 2;
    const long double d = FDiameter;
    Canvas.Ellipse(RoundOff(d * Left + halfPen), RoundOff(d * Top + halfPen),
                   RoundOff(d * Right - halfPen), RoundOff(d * Bottom - halfPen));
}

void TPlatformScale::DrawTick(TCanvas& Canvas, const TMarkDirection& Direction,
                              double InnerRadius) const
{
    const long double m = FRadiusBoard;
    const TZoomMap zoom = Zoom();

    const long double inner = InnerRadius;
    const std::int32_t y1 = zoom.ZoomY(RoundOff(m - inner * Direction.Sine));
    const std::int32_t x1 = zoom.ZoomX(RoundOff(m - inner * Direction.Cosine));
    Canvas.MoveTo(x1, y1);

    // The outer end stays half of this mark's own pen inside the rim.
    const long double outer = m - static_cast<long double>(Canvas.Pen.Width) / 2;
    const std::int32_t y2 = zoom.ZoomY(RoundOff(m - outer * Direction.Sine));
    const std::int32_t x2 = zoom.ZoomX(RoundOff(m - outer * Direction.Cosine));
    Canvas.LineTo(x2, y2);
}

void TPlatformScale::PaintBoard(TCanvas& Canvas)
{
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = FWidthBorderLine;
    Canvas.Pen.Color = clBlack;
    Canvas.Brush.SetStyle(bsSolid);
    Canvas.Brush.SetColor(FBoardColor);
    const TZoomMap::TFractions board = Zoom().BoardFractions();
    DrawRing(Canvas, board.Left, board.Top, board.Right, board.Bottom);
}

void TPlatformScale::PaintGraduations(TCanvas& Canvas)
{
    Canvas.Pen.Color = clBlack;
    Canvas.Pen.Style = psSolid;
    const double radius[] = {FRadius96, FRadius94, FRadius92, FRadius90};
    const std::uint8_t width[] = {FWidthScale1, FWidthScale2, FWidthScale3};
    for (const TGraduationLevel& level : GraduationLevels(FTypeValueMax)) {
        if (level.NeedsShowPer200 && FTypeShowScalePer200 == ssHide)
            continue;
        Canvas.Pen.Width = width[level.WidthScale - 1];
        if (level.NeedsDensely && FTypeBoardScale == bsSparsely)
            continue;  // the level would refuse every Index
        const std::uint32_t last =
            std::min(FValueMax / static_cast<std::uint32_t>(level.Step), MaxMarksPerLevel);
        const double inner = radius[static_cast<int>(level.Radius)];
        const std::vector<TMarkDirection>& directions = MarkDirections(FValueMax, level.Step, last);
        for (std::uint32_t index = 0; index <= last; ++index) {
            if (level.Accepts(index))
                DrawTick(Canvas, directions[index], inner);
        }
    }
}

void TPlatformScale::PaintNeedle(TCanvas& Canvas)
{
    Canvas.Pen.Color = clBlack;

    // The outline at 0 g: a strip about w/2 wide from 1.5 w behind the centre up to the
    // shoulders, tapering to the tip. Needle coordinates: x to the left, y to the tip.
    const int w = FWidthHand - FWidthBorderLine;
    const long double reach = static_cast<long double>(FRadiusBoard) * FHandLengthRate;
    const std::int32_t side = RoundHalfEven(static_cast<long double>(w) / 4);
    const std::int32_t otherSide = RoundHalfEven(static_cast<long double>(-w) / 4);
    const std::int32_t tail = RoundHalfEven(static_cast<long double>(-w) / 2 * 3);
    const std::int32_t shoulder = RoundHalfEven(reach - 10 * FWidthHand + FWidthBorderLine);
    const std::int32_t tip = RoundHalfEven(reach);
    FHandShape = {{{side, tail}, {side, shoulder}, {0, tip}, {otherSide, shoulder}, {otherSide, tail}}};

    const double angle =
        FValueMax == 0 ? 0.0
                       : static_cast<double>(static_cast<long double>(FValue) * Pi * 2 / FValueMax);
    const TZoomMap zoom = Zoom();
    std::array<TPoint, 5> polygon{};
    for (std::size_t j = 0; j < FHandShape.size(); ++j) {
        const TPoint p = FHandShape[j];
        FHandPoints[j] = {RotateX(p.X, p.Y, angle), RotateY(p.X, p.Y, angle)};
        polygon[j] = {zoom.ZoomX(FHandPoints[j].X), zoom.ZoomY(FHandPoints[j].Y)};
    }

    Canvas.Pen.Width = FWidthBorderLine;
    Canvas.Brush.SetStyle(bsClear);
    if (FTypeHandBrush == hbSolid)
        Canvas.Brush.SetColor(clBlack);  // a colour makes the clear brush solid
    Canvas.Polygon(polygon.data(), static_cast<int>(polygon.size()));
}

void TPlatformScale::PaintPivot(TCanvas& Canvas)
{
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = FWidthBorderLine;
    Canvas.Brush.SetColor(FBoardColor);
    Canvas.Brush.SetStyle(bsSolid);
    // Centred on the true middle of the control, not on the rounded radius.
    const long double centre = static_cast<long double>(FDiameter) / 2;
    const long double half = static_cast<long double>(FWidthHand) / 2;
    const TZoomMap zoom = Zoom();
    Canvas.Ellipse(zoom.ZoomX(static_cast<double>(centre - half)),
                   zoom.ZoomY(static_cast<double>(centre - half)),
                   zoom.ZoomX(static_cast<double>(centre + half)),
                   zoom.ZoomY(static_cast<double>(centre + half)));
}
