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

#include <QWidget>

#include <cstdint>

class QPainter;

class TPlatformScale : public QWidget {
    Q_OBJECT

public:
    explicit TPlatformScale(QWidget* Owner = nullptr);

    std::uint32_t Value() const { return FValue; }
    void SetValue(std::uint32_t v);
    std::uint8_t ValueMin() const { return FValueMin; }
    std::uint32_t ValueMax() const { return FValueMax; }
    void SetValueMax(std::uint32_t m);
    std::uint8_t BoardFontSizeSmall() const { return FBoardFontSizeSmall; }
    void SetBoardFontSizeSmall(std::uint8_t v);
    std::uint8_t BoardFontSizeBig() const { return FBoardFontSizeBig; }
    void SetBoardFontSizeBig(std::uint8_t v);
    TColor BoardColor() const { return FBoardColor; }
    void SetBoardColor(TColor v);
    std::uint16_t Diameter() const { return FDiameter; }
    void SetDiameter(std::uint16_t d);
    TTypeBoardScale TypeBoardScale() const { return FTypeBoardScale; }
    void SetTypeBoardScale(TTypeBoardScale v);
    TTypeHandBrush TypeHandBrush() const { return FTypeHandBrush; }
    void SetTypeHandBrush(TTypeHandBrush v);
    TTypeHandLocation TypeHandLocation() const { return FTypeHandLocation; }
    void SetTypeHandLocation(TTypeHandLocation v);
    TTypeValueMax TypeValueMax() const { return FTypeValueMax; }
    void SetTypeValueMax(TTypeValueMax t);
    TTypeShowScalePer200 TypeShowScalePer200() const { return FTypeShowScalePer200; }
    void SetTypeShowScalePer200(TTypeShowScalePer200 v);
    std::uint8_t WidthBorderLine() const { return FWidthBorderLine; }
    void SetWidthBorderLine(std::uint8_t v);
    std::uint8_t WidthScale1() const { return FWidthScale1; }
    void SetWidthScale1(std::uint8_t w);
    std::uint8_t WidthScale2() const { return FWidthScale2; }
    void SetWidthScale2(std::uint8_t w);
    std::uint8_t WidthScale3() const { return FWidthScale3; }
    void SetWidthScale3(std::uint8_t w);
    std::uint8_t StretchRatePercent() const { return FStretchRatePercent; }
    void SetStretchRatePercent(std::uint8_t p);
    std::uint8_t WidthHand() const { return FWidthHand; }
    void SetWidthHand(std::uint8_t v);
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

    // The whole paint: board, marks, needle, pivot, numerals.
    void PaintOn(TCanvas& Canvas);
    // The whole control as its paint event draws it, onto any painter whose origin is
    // the control's top-left corner: the parent's colour outside the board, then the
    // dial. The printed sheet draws the dials through this, as vectors.
    void PaintControl(QPainter& Painter);

    // The zoom factor, StretchRatePercent / 100.
    double StretchRate() const { return FStretchRate; }
    // What the next paint draws, worked out from the present properties.
    const TScaleLayout& Layout();

protected:
    // Every write that wants a repaint asks here, so a test can count the requests.
    virtual void Invalidate();
    // Raises OnChange with this control as the sender.
    virtual void Change();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The eight-way plain write: equality test, store, repaint, Change.
    template <typename T> void WritePlain(T& field, T value);
    // Points the enlarged view at the eighth of the dial where the needle stands.
    void UpdateHandLocation();
    // The numerals' sizes for the diameter, with or without the stretch factor.
    void SetFontSizes(bool Stretched);
    TScaleProperties Properties() const;

    TScalePainter FPainter;
    std::uint8_t FWidthScale1 = 1, FWidthScale2 = 1, FWidthScale3 = 1;
    std::uint8_t FWidthBorderLine = 1;
    std::uint8_t FWidthHand = 7;
    std::uint8_t FBoardFontSizeSmall = 11, FBoardFontSizeBig = 21;
    TColor FBoardColor = clBtnFace;
    TTypeBoardScale FTypeBoardScale = bsDensely;
    TTypeHandBrush FTypeHandBrush = hbClear;
    TTypeValueMax FTypeValueMax = vm002kg;
    TTypeShowScalePer200 FTypeShowScalePer200 = ssHide;
    TTypeHandLocation FTypeHandLocation = hl0Top;
    std::uint32_t FValue = 0;
    std::uint8_t FValueMin = 0;
    std::uint32_t FValueMax = 2000;
    std::uint8_t FStretchRatePercent = 100;
    double FStretchRate = 1.0;
    std::uint16_t FDiameter = 200;
    TNotifyEvent FOnChange;
};
