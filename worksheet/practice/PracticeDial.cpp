#include "practice/PracticeDial.h"

#include "dial/QtCanvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

TPracticeDial::TPracticeDial(QWidget* Owner) : TPlatformScale(Owner) {}

void TPracticeDial::CopyBoard(const TPlatformScale& Dial)
{
    setGeometry(Dial.geometry());
    SetDiameter(Dial.Diameter());
    SetTypeValueMax(Dial.TypeValueMax());
    SetValueMax(Dial.ValueMax());
    SetTypeBoardScale(Dial.TypeBoardScale());
    SetTypeShowScalePer200(Dial.TypeShowScalePer200());
    SetTypeShowNumerals(Dial.TypeShowNumerals());
    SetStretchRatePercent(Dial.StretchRatePercent());
    SetBoardColor(Dial.BoardColor());
    SetWidthBorderLine(Dial.WidthBorderLine());
    SetWidthHand(Dial.WidthHand());
    SetHandColor(clBlack);
    SetHandVisible(true);
    SetValue(0);
    SetInteractive(true);
    SetRightWeight(std::nullopt);
}

void TPracticeDial::FitTo(const TPlatformScale& Dial, const QRect& Box, double Scale)
{
    const auto scaled = [Scale](int Pixels) {
        return static_cast<std::uint8_t>(std::clamp(static_cast<int>(std::lround(Pixels * Scale)), 1, 255));
    };
    setGeometry(Box);
    SetDiameter(static_cast<std::uint16_t>(std::min(Box.width(), Box.height())));
    SetBoardFontSizeSmall(scaled(Dial.BoardFontSizeSmall()));
    SetBoardFontSizeBig(scaled(Dial.BoardFontSizeBig()));
    SetWidthBorderLine(scaled(Dial.WidthBorderLine()));
    SetWidthHand(scaled(Dial.WidthHand()));
}

void TPracticeDial::SetRightWeight(std::optional<std::uint32_t> Weight)
{
    if (Weight == FRightWeight)
        return;
    FRightWeight = Weight;
    update();
}

TScaleProperties TPracticeDial::RightNeedleProperties() const
{
    // The pupil's board and view, with the right weight's needle in red.
    TScaleProperties p = Properties();
    p.Value = *FRightWeight;
    p.HandVisible = true;
    p.HandColor = clRed;
    return p;
}

void TPracticeDial::PaintOnScreen(QPainter& Painter)
{
    TPlatformScale::PaintOnScreen(Painter);
    if (!FRightWeight)
        return;
    TQtCanvas canvas(Painter);
    TScalePainter::ReplayNeedle(FRightPainter.Layout(RightNeedleProperties()), canvas);
}
