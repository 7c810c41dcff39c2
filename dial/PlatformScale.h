#pragma once
// TPlatformScale: one spring-scale dial, a round board with graduations, numerals and
// a needle standing at a weight in grams, whole or enlarged around the needle.
// The widget holds the properties: every write compares, stores, derives what depends
// on it and asks for a repaint through Invalidate(). What is drawn is TScalePainter's:
// PaintOn() hands it the properties and any TCanvas (screen, image, printer, or a
// recorder in a test).

#include "dial/Canvas.h"
#include "dial/DialTypes.h"
#include "dial/ScalePainter.h"

#include <QPointF>
#include <QWidget>

#include <cstdint>
#include <optional>

class QKeyEvent;
class QMouseEvent;
class QPainter;

class TPlatformScale : public QWidget {
    Q_OBJECT

public:
    explicit TPlatformScale(QWidget* Owner = nullptr);

    std::uint32_t Value() const { return FProperties.Value; }
    void SetValue(std::uint32_t v);
    std::uint8_t ValueMin() const { return FValueMin; }
    std::uint32_t ValueMax() const { return FProperties.ValueMax; }
    void SetValueMax(std::uint32_t m);
    std::uint8_t BoardFontSizeSmall() const { return FProperties.BoardFontSizeSmall; }
    void SetBoardFontSizeSmall(std::uint8_t v);
    std::uint8_t BoardFontSizeBig() const { return FProperties.BoardFontSizeBig; }
    void SetBoardFontSizeBig(std::uint8_t v);
    TColor BoardColor() const { return FProperties.BoardColor; }
    void SetBoardColor(TColor v);
    std::uint16_t Diameter() const { return FProperties.Diameter; }
    void SetDiameter(std::uint16_t d);
    TTypeBoardScale TypeBoardScale() const { return FProperties.TypeBoardScale; }
    void SetTypeBoardScale(TTypeBoardScale v);
    TTypeHandBrush TypeHandBrush() const { return FProperties.TypeHandBrush; }
    void SetTypeHandBrush(TTypeHandBrush v);
    TTypeHandLocation TypeHandLocation() const { return FProperties.TypeHandLocation; }
    void SetTypeHandLocation(TTypeHandLocation v);
    TTypeValueMax TypeValueMax() const { return FProperties.TypeValueMax; }
    void SetTypeValueMax(TTypeValueMax t);
    TTypeShowScalePer200 TypeShowScalePer200() const { return FProperties.TypeShowScalePer200; }
    void SetTypeShowScalePer200(TTypeShowScalePer200 v);
    std::uint8_t WidthBorderLine() const { return FProperties.WidthBorderLine; }
    void SetWidthBorderLine(std::uint8_t v);
    std::uint8_t WidthScale1() const { return FProperties.WidthScale1; }
    void SetWidthScale1(std::uint8_t w);
    std::uint8_t WidthScale2() const { return FProperties.WidthScale2; }
    void SetWidthScale2(std::uint8_t w);
    std::uint8_t WidthScale3() const { return FProperties.WidthScale3; }
    void SetWidthScale3(std::uint8_t w);
    std::uint8_t StretchRatePercent() const { return FStretchRatePercent; }
    void SetStretchRatePercent(std::uint8_t p);
    std::uint8_t WidthHand() const { return FProperties.WidthHand; }
    void SetWidthHand(std::uint8_t v);
    // Whether the needle is drawn; without it the board keeps its pivot.
    bool HandVisible() const { return FProperties.HandVisible; }
    void SetHandVisible(bool v);
    // The needle's colour (outline, fill and the pivot's ring).
    TColor HandColor() const { return FProperties.HandColor; }
    void SetHandColor(TColor v);
    // Which numerals are printed; the marks are drawn whatever it is.
    TTypeShowNumerals TypeShowNumerals() const { return FProperties.TypeShowNumerals; }
    void SetTypeShowNumerals(TTypeShowNumerals v);
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

    // Whether the pupil may set the needle: a click or a drag (mouse or touch) puts it
    // on the nearest mark of the finest graduation drawn, a glass over the dial showing
    // the marks round the needle's tip while the button is held. With the dial focused
    // the arrow keys move it one such mark, Page Up and Page Down to the next and the
    // previous printed numeral, Home and End to 0 and the capacity. Off by default: a
    // dial never reacts to the mouse unless the program asks it to.
    bool Interactive() const { return FInteractive; }
    void SetInteractive(bool v);
    // The step in grams of the finest marks the dial draws now; 0 for a capacity
    // outside the enumeration.
    std::uint32_t FinestMark() const;

    // The whole paint: board, marks, needle, pivot, numerals.
    void PaintOn(TCanvas& Canvas);
    // The whole control as its paint event draws it, onto any painter whose origin is
    // the control's top-left corner: the parent's colour outside the board, then the
    // dial. The printed sheet draws the dials through this, as vectors.
    void PaintControl(QPainter& Painter);

    // The zoom factor, StretchRatePercent / 100.
    double StretchRate() const { return FProperties.StretchRate; }
    // What the next paint draws, worked out from the present properties.
    const TScaleLayout& Layout();
    // The properties the painter draws from, as the control stands now.
    TScaleProperties Properties() const;

signals:
    // The pupil has moved the needle (never raised by SetValue from the program).
    void NeedleMoved(std::uint32_t Value);

protected:
    // Every write that wants a repaint asks here, so a test can count the requests.
    virtual void Invalidate();
    // Raises OnChange with this control as the sender.
    virtual void Change();

    void paintEvent(QPaintEvent* event) override;
    // What the screen shows of the dial, without the focus frame: PaintControl, and in a
    // dial that adds to it (a right needle over the pupil's), that too. The glass over a
    // dragged needle enlarges the same.
    virtual void PaintOnScreen(QPainter& Painter);
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The eight-way plain write: equality test, store, repaint, Change.
    template <typename T> void WritePlain(T& field, T value);
    // Points the enlarged view at the eighth of the dial where the needle stands.
    void UpdateHandLocation();
    // The numerals' sizes for the diameter, with or without the stretch factor.
    void SetFontSizes(bool Stretched);
    // The weight under a point of the control, on the nearest finest mark.
    std::uint32_t WeightAt(QPointF Point);
    // Sets the needle as the pupil asked and tells whoever listens.
    void MoveNeedle(std::uint32_t Weight);
    // Where a navigation key sends the needle; none for any other key.
    std::optional<std::uint32_t> KeyTarget(int Key) const;
    // The glass over the needle's tip while it is dragged.
    void PaintDragMagnifier(QPainter& Painter);
    // The dotted frame of a focused interactive dial.
    void PaintFocusFrame(QPainter& Painter);

    TScalePainter FPainter;
    // The properties the painter draws from, each kept once, at the control's defaults.
    TScaleProperties FProperties;
    std::uint8_t FValueMin = 0;
    std::uint8_t FStretchRatePercent = 100;
    TNotifyEvent FOnChange;
    bool FInteractive = false;
    bool FDragging = false;
};
