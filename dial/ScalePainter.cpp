// The layout and replay of a dial. Every coordinate is computed in long double in the
// written order and brought to whole pixels by RoundOff (the needle outline by
// RoundHalfEven): a different order or a double in between moves a pixel.

#include "dial/ScalePainter.h"

#include "dial/DialGeometry.h"
#include "dial/Graduations.h"
#include "dial/Numerals.h"

#include <algorithm>
#include <cmath>

namespace {

// Mark Index of a level with Turns marks to the turn stands Index steps round from the
// top. With no capacity there is no angle to divide out; such marks stand at 0.
long double MarkAngle(long double Turns, std::uint32_t Index)
{
    return Turns == 0 ? HalfPi
                      : static_cast<long double>(2 * static_cast<std::int64_t>(Index)) * Pi / Turns +
                            HalfPi;
}

// One level's marks: from the inner radius out to half the pen inside the rim.
void LayMarks(TScaleLayout::TMarkLevel& Level, const TGraduationLevel& Graduation,
              long double Turns, std::uint32_t Last, bool EveryIndex, double InnerRadius,
              long double Middle, const TZoomMap& Zoom)
{
    const long double inner = InnerRadius;
    const long double outer = Middle - static_cast<long double>(Level.Width) / 2;
    for (std::uint32_t index = 0; index <= Last; ++index) {
        if (!EveryIndex && !Graduation.Accepts(index))
            continue;
        const long double phi = MarkAngle(Turns, index);
        const long double sine = std::sin(phi), cosine = std::cos(phi);
        Level.Marks.push_back({{Zoom.ZoomX(RoundOff(Middle - inner * cosine)),
                                Zoom.ZoomY(RoundOff(Middle - inner * sine))},
                               {Zoom.ZoomX(RoundOff(Middle - outer * cosine)),
                                Zoom.ZoomY(RoundOff(Middle - outer * sine))}});
    }
}

void LayGraduations(TScaleLayout& L, const TScaleProperties& P, const TZoomMap& Zoom, bool Bounded)
{
    const double radius[] = {L.Radius96, L.Radius94, L.Radius92, L.Radius90};
    const std::uint8_t width[] = {P.WidthScale1, P.WidthScale2, P.WidthScale3};
    // Marks a pixel apart or closer at the rim, as the control shows it, merge into a
    // band however many more there are. The bound's marks are that close on any dial
    // up to some 1270 pixels across (diameter times zoom); on a larger one the bound
    // grows with the rim, up to sixteen times over: past some 20 000 pixels, far
    // beyond any screen or page, the band is finely hatched rather than painted for seconds.
    const auto band = static_cast<std::uint32_t>(
        std::ceil(2 * Pi * static_cast<long double>(P.StretchRate) * L.RadiusBoard));
    const std::uint32_t bound =
        std::clamp(band, TScalePainter::MaxMarksPerLevel, 16 * TScalePainter::MaxMarksPerLevel);
    for (const TGraduationLevel& level : GraduationLevels(P.TypeValueMax)) {
        if (!LevelDrawn(level, P.TypeBoardScale, P.TypeShowScalePer200))
            continue;
        TScaleLayout::TMarkLevel& marks = L.Levels.emplace_back();
        marks.Width = width[level.WidthScale - 1];
        const std::uint32_t count = P.ValueMax / static_cast<std::uint32_t>(level.Step);
        const double inner = radius[static_cast<int>(level.Radius)];
        if (Bounded && count > bound) {
            // Past the bound the level is drawn over the whole turn as evenly spaced
            // marks, as close together as its own would be at this size: the same band.
            LayMarks(marks, level, bound, bound, true, inner, L.RadiusBoard, Zoom);
        } else {
            LayMarks(marks, level, static_cast<long double>(P.ValueMax) / level.Step, count, false,
                     inner, L.RadiusBoard, Zoom);
        }
    }
}

void LayNeedle(TScaleLayout& L, const TScaleProperties& P, const TZoomMap& Zoom)
{
    // The outline at 0 g: a strip about w/2 wide from 1.5 w behind the centre up to the
    // shoulders, tapering to the tip. Needle coordinates: x to the left, y to the tip.
    const int w = P.WidthHand - P.WidthBorderLine;
    const long double reach = static_cast<long double>(L.RadiusBoard) * TScalePainter::HandLengthRate;
    const std::int32_t side = RoundHalfEven(static_cast<long double>(w) / 4);
    const std::int32_t otherSide = RoundHalfEven(static_cast<long double>(-w) / 4);
    const std::int32_t tail = RoundHalfEven(static_cast<long double>(-w) / 2 * 3);
    const std::int32_t shoulder = RoundHalfEven(reach - 10 * P.WidthHand + P.WidthBorderLine);
    const std::int32_t tip = RoundHalfEven(reach);
    L.HandShape = {{{side, tail}, {side, shoulder}, {0, tip}, {otherSide, shoulder}, {otherSide, tail}}};

    const long double angle =
        P.ValueMax == 0 ? 0.0
                        : static_cast<double>(static_cast<long double>(P.Value) * Pi * 2 / P.ValueMax);
    const long double m = L.RadiusBoard;
    for (std::size_t j = 0; j < L.HandShape.size(); ++j) {
        const TPoint p = L.HandShape[j];
        L.HandPoints[j] = {RoundOff(m - p.X * std::cos(angle) + p.Y * std::sin(angle)),
                           RoundOff(m - p.X * std::sin(angle) - p.Y * std::cos(angle))};
        L.Needle[j] = {Zoom.ZoomX(L.HandPoints[j].X), Zoom.ZoomY(L.HandPoints[j].Y)};
    }
    L.NeedleFilled = P.TypeHandBrush == hbSolid;
    L.NeedleShown = P.HandVisible;
    L.NeedleColor = P.HandColor;

    // The pivot is centred on the true middle of the control, not on the rounded radius.
    const long double centre = static_cast<long double>(P.Diameter) / 2;
    const long double half = static_cast<long double>(P.WidthHand) / 2;
    L.Pivot = {Zoom.ZoomX(static_cast<double>(centre - half)), Zoom.ZoomY(static_cast<double>(centre - half)),
               Zoom.ZoomX(static_cast<double>(centre + half)), Zoom.ZoomY(static_cast<double>(centre + half))};
}

unsigned AlignFlags(TNumeralAlign Align)
{
    switch (Align) {
    case naLeft:
        return DT_LEFT | DT_TOP;
    case naCentre:
        return DT_CENTER;
    case naRight:
        return DT_RIGHT;
    }
    return DT_SINGLELINE | DT_CENTER;
}

void LayNumerals(TScaleLayout& L, const TScaleProperties& P, const TZoomMap& Zoom)
{
    const TNumeralTable* table = NumeralTable(P.TypeValueMax);
    if (table == nullptr || P.ValueMax == 0)
        return;  // no turn to place them on
    // Values past the table's last carry no numeral, however large the capacity.
    const std::uint32_t last = std::min(P.ValueMax / static_cast<std::uint32_t>(table->Divisor), table->LastValue);
    const long double m = L.RadiusBoard;
    for (const std::uint32_t v : PrintedValues(*table, last, P.TypeShowNumerals)) {
        const TNumeralRow* row = table->Find(v);
        const std::int32_t fontSize = row->Big ? P.BoardFontSizeBig : P.BoardFontSizeSmall;
        const long double phi = static_cast<long double>(v) /
                                    (static_cast<long double>(P.ValueMax) / table->Divisor) * 12 * Pi / 6 +
                                HalfPi;
        // The anchor sits inside the 92 % ring by five sixths of the font size, in
        // unzoomed dial pixels: the zoom reaches the box only through ZoomX and ZoomY.
        const long double r = L.Radius92 - static_cast<long double>(fontSize * 5) / 6;
        const long double x = m - std::cos(phi) * r;
        const long double y = m - std::sin(phi) * r;
        const long double size = fontSize;
        const long double down = size * NumeralShift(P.TypeValueMax, v);
        const TRect box{Zoom.ZoomX(RoundOff(x - size * row->Left)), Zoom.ZoomY(RoundOff(y + down - size * row->Top)),
                        Zoom.ZoomX(RoundOff(x + size * row->Right)),
                        Zoom.ZoomY(RoundOff(y + down + size * row->Bottom))};
        // The enlarged view cuts the dial at the control's edges. A numeral cut there
        // reads as another number ("0kg" out of "40kg"), so it is left out whole.
        if (box.Left < 0 || box.Top < 0 || box.Right > P.Diameter || box.Bottom > P.Diameter)
            continue;
        L.Numerals.push_back({fontSize, NumeralNumber(*table, v, P.DecimalSeparator) + row->Unit, box,
                              AlignFlags(row->Align)});
        L.NumeralWeights.push_back(v * static_cast<std::uint32_t>(table->Divisor));
    }
}

}  // namespace

TScaleLayout TScalePainter::MakeLayout(const TScaleProperties& P, bool Bounded)
{
    TScaleLayout L;
    const long double half = static_cast<long double>(P.Diameter) / 2;
    L.Radius90 = RoundOff(half * 90 / 100);
    L.Radius92 = RoundOff(half * 92 / 100);
    L.Radius94 = RoundOff(half * 94 / 100);
    L.Radius96 = RoundOff(half * 96 / 100);
    L.RadiusBoard = RoundOff(half);

    const TZoomMap zoom{P.StretchRate, P.Diameter, P.TypeHandLocation};
    L.WidthBorderLine = P.WidthBorderLine;
    L.BoardColor = P.BoardColor;
    // Inset by half the pen so the outline's outer edge lies on the board's box.
    const TZoomMap::TFractions board = zoom.BoardFractions();
    const long double halfPen = static_cast<long double>(P.WidthBorderLine) / 2;
    const long double d = P.Diameter;
    L.Board = {RoundOff(d * board.Left + halfPen), RoundOff(d * board.Top + halfPen),
               RoundOff(d * board.Right - halfPen), RoundOff(d * board.Bottom - halfPen)};

    LayGraduations(L, P, zoom, Bounded);
    LayNeedle(L, P, zoom);
    LayNumerals(L, P, zoom);
    return L;
}

TScaleLayout TScalePainter::UnboundedLayout(const TScaleProperties& Properties)
{
    return MakeLayout(Properties, false);
}

namespace {

// Whether two sets of properties draw the same board, marks and numerals and differ
// at most in the needle: in Value, and in the hand location where the view is whole
// (there the enlarged-view map is the identity wherever the needle stands).
bool OnlyNeedleDiffers(TScaleProperties A, const TScaleProperties& B)
{
    A.Value = B.Value;
    A.HandVisible = B.HandVisible;
    A.HandColor = B.HandColor;
    if (A.StretchRate == 1.0 && B.StretchRate == 1.0)
        A.TypeHandLocation = B.TypeHandLocation;
    return A == B;
}

}  // namespace

const TScaleLayout& TScalePainter::Layout(const TScaleProperties& Properties)
{
    if (FValid && Properties == FProperties)
        return FLayout;
    // A new weight on the worksheet moves only the needles: the rest stands as laid out.
    if (FValid && OnlyNeedleDiffers(Properties, FProperties)) {
        const TZoomMap zoom{Properties.StretchRate, Properties.Diameter, Properties.TypeHandLocation};
        LayNeedle(FLayout, Properties, zoom);
        FProperties = Properties;
        return FLayout;
    }
    FLayout = MakeLayout(Properties, true);
    FProperties = Properties;
    FValid = true;
    FTexts = {};
    return FLayout;
}

void TScalePainter::Paint(const TScaleProperties& Properties, TCanvas& Canvas)
{
    const TScaleLayout& layout = Layout(Properties);
    Canvas.BeginPreparedTexts(FTexts, layout.Numerals);
    Replay(layout, Canvas);
    Canvas.EndPreparedTexts();
}

void TScalePainter::Replay(const TScaleLayout& L, TCanvas& Canvas)
{
    // The board.
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = L.WidthBorderLine;
    Canvas.Pen.Color = clBlack;
    Canvas.Brush.SetStyle(bsSolid);
    Canvas.Brush.SetColor(L.BoardColor);
    Canvas.Ellipse(L.Board.Left, L.Board.Top, L.Board.Right, L.Board.Bottom);

    // The graduations, finest level first.
    Canvas.Pen.Color = clBlack;
    Canvas.Pen.Style = psSolid;
    for (const TScaleLayout::TMarkLevel& level : L.Levels) {
        Canvas.Pen.Width = level.Width;
        for (const TScaleLayout::TMark& mark : level.Marks) {
            Canvas.MoveTo(mark.From.X, mark.From.Y);
            Canvas.LineTo(mark.To.X, mark.To.Y);
        }
    }

    ReplayNeedle(L, Canvas);

    // The numerals, over the needle with a transparent background.
    Canvas.Pen.Color = clBlack;
    Canvas.Pen.Style = psSolid;
    Canvas.Brush.SetStyle(bsClear);
    Canvas.Font.Color = clWindowText;
    for (const TScaleLayout::TNumeral& numeral : L.Numerals) {
        Canvas.Font.Size = numeral.FontSize;
        Canvas.DrawText(numeral.Text, numeral.Box, numeral.Format);
    }
}

void TScalePainter::ReplayNeedle(const TScaleLayout& L, TCanvas& Canvas)
{
    // The needle; a colour makes the clear brush solid. The pivot's ring keeps the
    // needle's colour, so a coloured needle stands out whole.
    Canvas.Pen.Color = L.NeedleColor;
    Canvas.Pen.Width = L.WidthBorderLine;
    Canvas.Brush.SetStyle(bsClear);
    if (L.NeedleFilled)
        Canvas.Brush.SetColor(L.NeedleColor);
    if (L.NeedleShown)
        Canvas.Polygon(L.Needle.data(), static_cast<int>(L.Needle.size()));
    else
        Canvas.Pen.Color = clBlack;  // no needle: the pivot is part of the printed board

    // The pivot.
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = L.WidthBorderLine;
    Canvas.Brush.SetColor(L.BoardColor);
    Canvas.Brush.SetStyle(bsSolid);
    Canvas.Ellipse(L.Pivot.Left, L.Pivot.Top, L.Pivot.Right, L.Pivot.Bottom);
}
