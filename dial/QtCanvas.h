#pragma once
// TCanvas over a QPainter: the screen, an image or a printer page. Coordinates are
// logical pixels at 96 dpi; font sizes in points become pixel heights at that
// resolution, so text keeps its size relative to the boxes on every device.

#include "dial/Canvas.h"

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

class TQtCanvas : public TCanvas {
public:
    explicit TQtCanvas(QPainter& Painter, int Dpi = 96);
    // System colours (clWindowText and the like) come from the application's palette
    // unless the control being drawn gives its own, so that a sheet with colours of its
    // own keeps them under any desktop theme, on screen and in a recorded picture.
    void SetSystemPalette(const QPalette& Palette) { FPalette = Palette; }

    int Dpi() const { return FDpi; }
    // Texts drawn as the filled outlines of their glyphs instead of as text: for a
    // drawing that must show the same figures where the face is not installed.
    void SetTextAsOutlines(bool v) { FTextAsOutlines = v; }

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

    // A TColor as Qt sees it: plain RGB, or a system colour from the given palette.
    static QColor ToQColor(TColor Color, const QPalette& Palette);
    static QColor ToQColor(TColor Color);  // system colours from the application's palette
    // Pixel height of a font of the given size in points at the given resolution.
    static int PixelHeight(int Points, int Dpi);
    // The face text is drawn in.
    static QString FontFamily();

    // Where DrawText sets a text: its font, the rectangle its line is laid out in and
    // Qt's alignment flags. The box itself clips what is drawn; InkInside says that the
    // clip would take nothing away: the ink measured at the canvas's resolution lies in
    // the box, and on paper the same outlines are only drawn finer.
    struct TTextLayout {
        QFont Font;
        QRect Rect;
        int Flags;
        bool InkInside = false;
    };
    // The outlines of a text as drawing it into Line with Flags would set its glyphs.
    static QPainterPath TextOutline(const QString& Text, const QFont& Font, const QRect& Line,
                                    int Flags);
    static TTextLayout LayoutText(const std::string& Text, const TRect& Box, unsigned Format,
                                  int Points, int Dpi);

    // A text set once for the boxes of one size, to be drawn many times: what DrawText
    // would work out for it at this canvas's resolution, with the box moved to (0, 0).
    struct TPreparedText {
        std::string Source;
        int Width, Height;
        unsigned Format;
        int Points;
        QString Text;
        TTextLayout Layout;
    };
    TPreparedText PrepareText(const std::string& Text, const TRect& Box, unsigned Format,
                              int Points) const;
    // Texts prepared for the DrawText calls to come, in their order. A call that asks
    // for the next of them draws it as prepared; any other text is set as it comes.
    // The list must outlive the calls; nullptr ends its use.
    void UsePreparedTexts(const std::vector<TPreparedText>* Texts);

    void BeginPreparedTexts(TPreparedTexts& Kept, const std::vector<TTextInBox>& Texts) override;
    void EndPreparedTexts() override { UsePreparedTexts(nullptr); }

private:
    void ApplyPenAndBrush();
    void ApplyTextState(const QFont& Font);
    void FillTextOutline(const QString& Text, const TTextLayout& Layout, const QRect& Line,
                         const QRect& Box);

    QColor ColorOf(TColor Color) const { return ToQColor(Color, FPalette); }

    QPainter& FPainter;
    int FDpi;
    QPalette FPalette;
    const std::vector<TPreparedText>* FPrepared = nullptr;
    std::size_t FNextPrepared = 0;
    QPoint FPenPos;
    // Text lands on the same pixels as when it was measured: a raster device under a
    // whole-pixel translation. Only there can a text whose ink fits skip the clip.
    bool FMeasuredPixels;
    bool FTextAsOutlines = false;

    // What this canvas last set on the painter, so that a mark drawn with the pen of
    // the mark before it sets nothing. Empty: not known, set it.
    std::optional<TPen> FPainterPen;
    std::optional<TColor> FPainterTextColor;  // the pen is the text's colour
    std::optional<TBrush> FPainterBrush;
    std::optional<QFont> FPainterFont;
    std::optional<TColor> FPainterBackground;  // behind text; NoBackground: transparent
};

// The texts a TQtCanvas has set ahead, for the resolution they were set at.
struct TPreparedTexts {
    int Dpi = 0;  // 0: none set yet
    std::vector<TQtCanvas::TPreparedText> Texts;
};
