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
    TScaleProperties p;
    p.Value = *FRightWeight;
    p.ValueMax = ValueMax();
    p.Diameter = Diameter();
    p.StretchRate = StretchRate();
    p.TypeValueMax = TypeValueMax();
    p.TypeBoardScale = TypeBoardScale();
    p.TypeShowScalePer200 = TypeShowScalePer200();
    p.TypeHandLocation = TypeHandLocation();
    p.TypeHandBrush = TypeHandBrush();
    p.HandColor = clRed;
    p.BoardColor = BoardColor();
    p.BoardFontSizeSmall = BoardFontSizeSmall();
    p.BoardFontSizeBig = BoardFontSizeBig();
    p.WidthBorderLine = WidthBorderLine();
    p.WidthHand = WidthHand();
    return p;
}

void TPracticeDial::paintEvent(QPaintEvent* Event)
{
    TPlatformScale::paintEvent(Event);
    if (!FRightWeight)
        return;
    // The right needle and its pivot, as the dial draws a needle, only in red.
    const TScaleLayout& layout = FRightPainter.Layout(RightNeedleProperties());
    QPainter painter(this);
    TQtCanvas canvas(painter);
    canvas.Pen.Color = clRed;
    canvas.Pen.Width = layout.WidthBorderLine;
    canvas.Brush.SetStyle(bsClear);
    if (layout.NeedleFilled)
        canvas.Brush.SetColor(clRed);
    canvas.Polygon(layout.Needle.data(), static_cast<int>(layout.Needle.size()));
    canvas.Brush.SetColor(layout.BoardColor);
    canvas.Ellipse(layout.Pivot.Left, layout.Pivot.Top, layout.Pivot.Right, layout.Pivot.Bottom);
}
