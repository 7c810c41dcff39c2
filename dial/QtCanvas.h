#pragma once
// TCanvas over a QPainter: the screen, an image or a printer page. Coordinates are
// logical pixels at 96 dpi; font sizes in points become pixel heights at that
// resolution, so text keeps its size relative to the boxes on every device.

#include "Canvas.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

class TQtCanvas : public TCanvas {
public:
    explicit TQtCanvas(QPainter& Painter, int Dpi = 96);

    void Ellipse(int X1, int Y1, int X2, int Y2) override;
    void MoveTo(int X, int Y) override;
    void LineTo(int X, int Y) override;
    void Polygon(const TPoint* Points, int Count) override;
    void DrawText(const std::string& Text, const TRect& Box, unsigned Format) override;

    // A TColor as Qt sees it: plain RGB, or a system colour from the palette.
    static QColor ToQColor(TColor Color);
    // Pixel height of a font of the given size in points at the given resolution.
    static int PixelHeight(int Points, int Dpi);
    // The face text is drawn in.
    static QString FontFamily();

    // Where DrawText sets a text: its font, the rectangle its line is laid out in and
    // Qt's alignment flags. The box itself clips what is drawn.
    struct TTextLayout {
        QFont Font;
        QRect Rect;
        int Flags;
    };
    static TTextLayout LayoutText(const std::string& Text, const TRect& Box, unsigned Format,
                                  int Points, int Dpi);

private:
    void ApplyPenAndBrush();

    QPainter& FPainter;
    int FDpi;
    QPoint FPenPos;
};
