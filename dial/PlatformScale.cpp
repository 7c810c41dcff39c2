#include "dial/PlatformScale.h"

#include "dial/DialGeometry.h"
#include "dial/Numerals.h"
#include "dial/QtCanvas.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

// Derived sizes live in bytes. Beyond what a byte holds (a dial of some 1700 pixels
// at 200 %) they saturate at 255 rather than wrap to a tiny font or a hairline.
std::uint8_t ByteOf(std::int32_t v)
{
    return static_cast<std::uint8_t>(std::clamp<std::int32_t>(v, 0, 255));
}

// A size that grows with the diameter: Multiple 160ths of it, in percent where given.
std::uint8_t SizeFor(std::uint16_t Diameter, int Multiple, std::optional<std::uint8_t> Percent = {})
{
    long double size = static_cast<long double>(Diameter) / 160 * Multiple;
    if (Percent)
        size = size * *Percent / 100;
    return ByteOf(RoundOff(size));
}

std::uint16_t SideOf(int pixels)
{
    return static_cast<std::uint16_t>(
        std::clamp(pixels, 0, static_cast<int>(std::numeric_limits<std::uint16_t>::max())));
}

bool IsValid(TTypeValueMax v) { return v < TypeValueMaxCount; }
bool IsValid(TTypeHandLocation v) { return v < HandLocationCount; }
bool IsValid(TTypeBoardScale v) { return v <= bsDensely; }
bool IsValid(TTypeShowScalePer200 v) { return v <= ssHide; }
bool IsValid(TTypeHandBrush v) { return v <= hbSolid; }
bool IsValid(TTypeShowNumerals v) { return v <= snEnds; }

}  // namespace

TPlatformScale::TPlatformScale(QWidget* Owner) : QWidget(Owner)
{
    // The fields start at the control's fixed defaults (see the header); setting the
    // size on a control that is not shown yet leaves the resize rule for later.
    resize(FProperties.Diameter, FProperties.Diameter);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPlatformScale::Invalidate() { update(); }

void TPlatformScale::Change()
{
    if (FOnChange)
        FOnChange(this);
}

template <typename T> void TPlatformScale::WritePlain(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Invalidate();
    Change();
}

void TPlatformScale::SetValue(std::uint32_t v)
{
    if (v == FProperties.Value)
        return;  // compared before clamping, on purpose
    if (v > FProperties.ValueMax)
        v = FProperties.ValueMax;
    if (v < FValueMin)
        v = FValueMin;
    FProperties.Value = v;
    UpdateHandLocation();
    Invalidate();
    Change();
}

void TPlatformScale::UpdateHandLocation()
{
    // The eighth of the dial nearest the needle; the end of the turn counts as the top.
    std::int32_t k = 0;
    if (FProperties.ValueMax != 0)
        k = RoundOff(static_cast<long double>(FProperties.Value) / FProperties.ValueMax * 8);
    FProperties.TypeHandLocation = static_cast<TTypeHandLocation>(k >= 0 && k < 8 ? k : 0);
}

void TPlatformScale::SetValueMax(std::uint32_t m)
{
    FProperties.ValueMax = m;
    // A capacity of 0 would otherwise put the lower bound at 255, above the capacity.
    if (m <= FValueMin)
        FValueMin = static_cast<std::uint8_t>(m > 0 ? m - 1 : 0);
    if (FProperties.ValueMax < FProperties.Value)
        FProperties.Value = FProperties.ValueMax;
    // A new capacity moves the needle to another angle; the enlarged view must follow
    // it, or a dial changed from 1 kg to 10 kg would show a part without its needle.
    UpdateHandLocation();
    Invalidate();
}

void TPlatformScale::SetTypeValueMax(TTypeValueMax t)
{
    if (t == FProperties.TypeValueMax || !IsValid(t))
        return;
    FProperties.TypeValueMax = t;
    FProperties.ValueMax = StandardValueMax(t);  // a plain store: Value is clamped by the next ValueMax write
    Invalidate();
    Change();
}

void TPlatformScale::SetDiameter(std::uint16_t d)
{
    if (d == FProperties.Diameter)
        return;
    FProperties.Diameter = d;
    resize(d, height());
    resize(width(), d);
    SetFontSizes(false);  // unlike the resize rule, without the stretch factor
    Invalidate();
    Change();
}

void TPlatformScale::SetStretchRatePercent(std::uint8_t p)
{
    p = std::clamp<std::uint8_t>(p, 100, 200);
    if (p == FStretchRatePercent)
        return;
    FStretchRatePercent = p;
    SetFontSizes(true);
    FProperties.StretchRate = static_cast<double>(static_cast<long double>(p) / 100);
    Invalidate();
    Change();
}

void TPlatformScale::SetWidthScale1(std::uint8_t w) { WritePlain(FProperties.WidthScale1, std::max<std::uint8_t>(w, 1)); }
void TPlatformScale::SetWidthScale2(std::uint8_t w) { WritePlain(FProperties.WidthScale2, std::max<std::uint8_t>(w, 1)); }
void TPlatformScale::SetWidthScale3(std::uint8_t w) { WritePlain(FProperties.WidthScale3, std::max<std::uint8_t>(w, 1)); }
void TPlatformScale::SetBoardFontSizeSmall(std::uint8_t v) { WritePlain(FProperties.BoardFontSizeSmall, v); }
void TPlatformScale::SetBoardFontSizeBig(std::uint8_t v) { WritePlain(FProperties.BoardFontSizeBig, v); }
void TPlatformScale::SetBoardColor(TColor v) { WritePlain(FProperties.BoardColor, v); }
void TPlatformScale::SetWidthBorderLine(std::uint8_t v) { WritePlain(FProperties.WidthBorderLine, v); }
void TPlatformScale::SetWidthHand(std::uint8_t v) { WritePlain(FProperties.WidthHand, v); }
void TPlatformScale::SetHandVisible(bool v) { WritePlain(FProperties.HandVisible, v); }
void TPlatformScale::SetHandColor(TColor v) { WritePlain(FProperties.HandColor, v); }

void TPlatformScale::SetInteractive(bool v)
{
    // Only an interactive dial takes the focus, by Tab or by a click.
    setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
    WritePlain(FInteractive, v);
}

// Enumerations take only their own values: anything else would index past the
// capacity and location tables.
void TPlatformScale::SetTypeBoardScale(TTypeBoardScale v)
{
    if (IsValid(v))
        WritePlain(FProperties.TypeBoardScale, v);
}
void TPlatformScale::SetTypeHandBrush(TTypeHandBrush v)
{
    if (IsValid(v))
        WritePlain(FProperties.TypeHandBrush, v);
}
void TPlatformScale::SetTypeHandLocation(TTypeHandLocation v)
{
    if (IsValid(v))
        WritePlain(FProperties.TypeHandLocation, v);
}
void TPlatformScale::SetTypeShowScalePer200(TTypeShowScalePer200 v)
{
    if (IsValid(v))
        WritePlain(FProperties.TypeShowScalePer200, v);
}

void TPlatformScale::SetTypeShowNumerals(TTypeShowNumerals v)
{
    if (IsValid(v))
        WritePlain(FProperties.TypeShowNumerals, v);
}

void TPlatformScale::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Only the width can make the dial larger: a wider control takes its width as the
    // diameter, a narrower one its height, and the other side follows. The nested
    // resize re-enters this rule once and finds the control square.
    const int side = FProperties.Diameter > width() ? height() : width();
    FProperties.Diameter = SideOf(side);
    if (width() != FProperties.Diameter || height() != FProperties.Diameter)
        resize(FProperties.Diameter, FProperties.Diameter);

    FProperties.WidthBorderLine = SizeFor(FProperties.Diameter, 1);
    FProperties.WidthHand = SizeFor(FProperties.Diameter, 7);
    SetFontSizes(true);
    Invalidate();
    Change();
}

void TPlatformScale::SetFontSizes(bool Stretched)
{
    const auto percent = Stretched ? std::optional<std::uint8_t>(FStretchRatePercent) : std::nullopt;
    FProperties.BoardFontSizeSmall = SizeFor(FProperties.Diameter, 6, percent);
    FProperties.BoardFontSizeBig = SizeFor(FProperties.Diameter, 12, percent);
}

void TPlatformScale::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintOnScreen(painter);
    // The focus frame belongs to the screen only: PaintControl, which prints, has none.
    if (FInteractive && hasFocus())
        PaintFocusFrame(painter);
    if (FDragging)
        PaintDragMagnifier(painter);
}

void TPlatformScale::PaintOnScreen(QPainter& Painter) { PaintControl(Painter); }

void TPlatformScale::PaintControl(QPainter& Painter)
{
    // An enlarged dial draws far past its own rectangle; it keeps to it on any device.
    Painter.setClipRect(rect(), Qt::IntersectClip);
    // The dial leaves every pixel outside its board as the parent shows it.
    const QWidget* back = parentWidget() ? parentWidget() : this;
    Painter.fillRect(rect(), back->palette().color(back->backgroundRole()));
    TQtCanvas canvas(Painter);
    canvas.SetSystemPalette(palette());
    PaintOn(canvas);
}

TScaleProperties TPlatformScale::Properties() const
{
    TScaleProperties properties = FProperties;
    properties.DecimalSeparator = LocaleDecimalSeparator();
    return properties;
}

void TPlatformScale::PaintOn(TCanvas& Canvas) { FPainter.Paint(Properties(), Canvas); }

const TScaleLayout& TPlatformScale::Layout() { return FPainter.Layout(Properties()); }
