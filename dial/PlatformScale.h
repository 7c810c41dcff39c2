#pragma once
// TPlatformScale: one spring-scale dial, a round board with graduations, numerals and
// a needle standing at a weight in grams, whole or enlarged around the needle.
// Every property write compares, stores, derives what depends on it and asks for a
// repaint through Invalidate(); the paint itself is PaintOn(), which draws on any
// TCanvas (screen, image, printer, or a recorder in a test).

#include "Canvas.h"
#include "DialGeometry.h"
#include "DialTypes.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

struct TMarkDirection;

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

    // Geometry of the current paint (meaningful once PaintOn has set the radius).
    std::int32_t RotateX(std::int32_t A, std::int32_t B, double Angle) const;
    std::int32_t RotateY(std::int32_t A, std::int32_t B, double Angle) const;
    std::int32_t ZoomX(TTypeHandLocation Location, double X) const;
    std::int32_t ZoomY(TTypeHandLocation Location, double Y) const;

    // Read-only views of the paint's scratch state, for tools and tests.
    double StretchRate() const { return FStretchRate; }
    double HandLengthRate() const { return FHandLengthRate; }
    double RadiusBoard() const { return FRadiusBoard; }
    double Radius96() const { return FRadius96; }
    double Radius94() const { return FRadius94; }
    double Radius92() const { return FRadius92; }
    double Radius90() const { return FRadius90; }
    const std::array<TPoint, 5>& HandShape() const { return FHandShape; }
    const std::array<TPoint, 5>& HandPoints() const { return FHandPoints; }
    const TRect& NumeralRect() const { return FNumeralRect; }
    const std::string& NumeralText() const { return FNumeralText; }

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
    TZoomMap Zoom() const;
    // Points the enlarged view at the eighth of the dial where the needle stands.
    void UpdateHandLocation();

    // Paint stages, in the order they are drawn.
    void ComputeRadii();
    void DrawRing(TCanvas& Canvas, double Left, double Top, double Right, double Bottom) const;
    void DrawTick(TCanvas& Canvas, const TMarkDirection& Direction, double InnerRadius) const;
    void PaintBoard(TCanvas& Canvas);
    void PaintGraduations(TCanvas& Canvas);
    void PaintNeedle(TCanvas& Canvas);
    void PaintPivot(TCanvas& Canvas);
    void PaintNumerals(TCanvas& Canvas);
    void DrawNumeral(TCanvas& Canvas, std::int32_t FontSize, const std::string& NumeralText,
                     std::int32_t NumeralValue, std::int32_t Divisor, double OffsetLeft,
                     double OffsetTop, double OffsetRight, double OffsetBottom,
                     std::uint8_t AlignKind);

    double FHandLengthRate = 0.9;
    std::array<TPoint, 5> FHandShape{};
    std::array<TPoint, 5> FHandPoints{};
    double FRadiusBoard = 0, FRadius96 = 0, FRadius94 = 0, FRadius92 = 0, FRadius90 = 0;
    std::uint8_t FWidthScale1 = 1, FWidthScale2 = 1, FWidthScale3 = 1;
    std::uint8_t FWidthBorderLine = 1;
    std::uint8_t FWidthHand = 7;
    TRect FNumeralRect{};
    std::string FNumeralText;
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
