#pragma once
// TCanvas over a QPainter: the screen, an image or a printer page. Coordinates are
// logical pixels at 96 dpi; font sizes in points become pixel heights at that
// resolution, so text keeps its size relative to the boxes on every device.

#include "Canvas.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QString>

#include <QPalette>

#include <optional>

class QPainter;

class TQtCanvas : public TCanvas {
public:
    explicit TQtCanvas(QPainter& Painter, int Dpi = 96);
    // System colours (clWindowText and the like) come from this palette: the palette
    // of the control being painted, so that a sheet with colours of its own keeps them
    // under any desktop theme. The application's palette until it is set.
    void SetSystemPalette(const QPalette& Palette) { FSystemPalette = Palette; }

    void Ellipse(int X1, int Y1, int X2, int Y2) override;
    void MoveTo(int X, int Y) override;
    void LineTo(int X, int Y) override;
    void Polygon(const TPoint* Points, int Count) override;
    void DrawText(const std::string& Text, const TRect& Box, unsigned Format) override;

    // An outlined, filled ellipse is drawn as two discs, the outline's colour and then
    // the fill inside it: the same ring as a stroke at about half the cost of stroking
    // a circle, the dial's largest single expense. Empty where a stroke is needed.
    struct TDiscs {
        QRectF Outer, Inner;
    };
    static std::optional<TDiscs> OutlinedDisc(const TPen& Pen, const TBrush& Brush, int X1,
                                              int Y1, int X2, int Y2);
    // The ellipse through the pixels of a box, in Qt's coordinates.
    static QRectF EllipseRect(int X1, int Y1, int X2, int Y2);

    // A TColor as Qt sees it: plain RGB, or a system colour from the given palette
    // (the application's when none is given).
    static QColor ToQColor(TColor Color);
    static QColor ToQColor(TColor Color, const QPalette& System);
    // Pixel height of a font of the given size in points at the given resolution.
    static int PixelHeight(int Points, int Dpi);
    // The face text is drawn in.
    static QString FontFamily();

    // Where DrawText sets a text: its font, the rectangle its line is laid out in and
    // Qt's alignment flags. The box itself clips what is drawn; InkInside says that the
    // clip would take nothing away where the text was measured (whole pixels, 1:1).
    struct TTextLayout {
        QFont Font;
        QRect Rect;
        int Flags;
        bool InkInside = false;
    };
    static TTextLayout LayoutText(const std::string& Text, const TRect& Box, unsigned Format,
                                  int Points, int Dpi);

private:
    void ApplyPenAndBrush();
    void ApplyTextState(const QFont& Font);

    QColor Colour(TColor Color) const { return ToQColor(Color, FSystemPalette); }

    QPainter& FPainter;
    int FDpi;
    QPalette FSystemPalette;
    QPoint FPenPos;
    // Text lands on the same pixels as when it was measured: a raster device under a
    // whole-pixel translation. Only there can a text whose ink fits skip the clip.
    bool FMeasuredPixels;

    // What this canvas last set on the painter, so that a mark drawn with the pen of
    // the mark before it sets nothing. Empty: not known, set it.
    std::optional<TPen> FPainterPen;
    std::optional<TColor> FPainterTextColor;  // the pen is the text's colour
    std::optional<TBrush> FPainterBrush;
    std::optional<QFont> FPainterFont;
    std::optional<TColor> FPainterBackground;  // behind text; NoBackground: transparent
};
