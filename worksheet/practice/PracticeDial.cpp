#include "practice/PracticeDial.h"

#include "dial/QtCanvas.h"

#include <QPainter>

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
