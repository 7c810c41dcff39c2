#include "dial/QtCanvas.h"

#include "dial/TextFit.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPalette>
#include <QPolygonF>

#include <cmath>
#include <vector>

namespace {

// GDI coordinates name pixels; Qt's name the corners between them. Half a pixel
// puts a one-pixel line on the pixel it names instead of smearing it over two.
constexpr double PixelCentre = 0.5;

QPointF Centre(int X, int Y) { return {X + PixelCentre, Y + PixelCentre}; }

// The text background of a clear brush.
constexpr TColor NoBackground = 0xFFFFFFFF;

bool SamePen(const TPen& A, const TPen& B)
{
    return A.Style == B.Style && (A.Style == psClear || (A.Color == B.Color && A.Width == B.Width));
}

bool SameBrush(const TBrush& A, const TBrush& B)
{
    return A.Style() == B.Style() && (A.Style() == bsClear || A.Color() == B.Color());
}

bool WholePixels(qreal V) { return V == std::floor(V); }

bool DrawsMeasuredPixels(const QPainter& Painter)
{
    const QPaintEngine* engine = Painter.paintEngine();
    const QTransform toDevice = Painter.deviceTransform();
    return engine != nullptr && engine->type() == QPaintEngine::Raster &&
           toDevice.type() <= QTransform::TxTranslate && WholePixels(toDevice.dx()) &&
           WholePixels(toDevice.dy());
}

QPalette::ColorRole SystemRole(TColor index)
{
    switch (index & 0xFF) {
    case clWindow & 0xFF:
        return QPalette::Base;
    case clWindowText & 0xFF:
        return QPalette::WindowText;
    case clBtnFace & 0xFF:
        return QPalette::Button;
    default:
        return QPalette::Window;
    }
}

}  // namespace

TQtCanvas::TQtCanvas(QPainter& Painter, int Dpi)
    : FPainter(Painter), FDpi(Dpi), FMeasuredPixels(DrawsMeasuredPixels(Painter))
{
    FPalette = QGuiApplication::palette();
    FPainter.setRenderHint(QPainter::Antialiasing, true);
    FPainter.setRenderHint(QPainter::TextAntialiasing, true);
}

QColor TQtCanvas::ToQColor(TColor Color, const QPalette& Palette)
{
    if (Color & 0x80000000u)
        return Palette.color(SystemRole(Color));
    return QColor(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF);
}

QColor TQtCanvas::ToQColor(TColor Color) { return ToQColor(Color, QGuiApplication::palette()); }

int TQtCanvas::PixelHeight(int Points, int Dpi)
{
    return static_cast<int>(std::lround(static_cast<double>(Points) * Dpi / 72.0));
}

QString TQtCanvas::FontFamily() { return NumeralFamily(); }

TQtCanvas::TTextLayout TQtCanvas::LayoutText(const std::string& Text, const TRect& Box,
                                             unsigned Format, int Points, int Dpi)
{
    int flags = Qt::AlignTop;
    if (Format & DT_CENTER)
        flags |= Qt::AlignHCenter;
    else if (Format & DT_RIGHT)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if (Format & DT_SINGLELINE)
        flags |= Qt::TextSingleLine;

    const QString text = QString::fromStdString(Text);
    const int pixels = PixelHeight(Points, Dpi);
    const int width = Box.Right - Box.Left, height = Box.Bottom - Box.Top;
    const TTextFit fit = FitText(text, pixels, width, height, flags);
    return {NumeralFont(pixels, fit.Stretch),
            QRect(Box.Left, Box.Top - fit.Raise, width, height), flags, fit.InkInside};
}

TQtCanvas::TPreparedText TQtCanvas::PrepareText(const std::string& Text, const TRect& Box,
                                                unsigned Format, int Points) const
{
    const int width = Box.Right - Box.Left, height = Box.Bottom - Box.Top;
    if (width <= 0 || height <= 0)
        return {Text, width, height, Format, Points, {}, {}};  // nothing to draw
    return {Text, width, height, Format, Points, QString::fromStdString(Text),
            LayoutText(Text, {0, 0, width, height}, Format, Points, FDpi)};
}

void TQtCanvas::UsePreparedTexts(const std::vector<TPreparedText>* Texts)
{
    FPrepared = Texts;
    FNextPrepared = 0;
}

void TQtCanvas::ApplyPenAndBrush()
{
    // A new QPen or QBrush on the painter makes the raster engine prepare its fill
    // again; the marks of one level all share a pen, so most calls set nothing.
    if (!FPainterPen || !SamePen(*FPainterPen, Pen)) {
        if (Pen.Style == psClear) {
            FPainter.setPen(Qt::NoPen);
        } else {
            QPen pen(ColorOf(Pen.Color));
            pen.setWidth(Pen.Width);
            pen.setCapStyle(Qt::SquareCap);
            pen.setJoinStyle(Qt::MiterJoin);
            FPainter.setPen(pen);
        }
        FPainterPen = Pen;
        FPainterTextColor.reset();
    }
    if (!FPainterBrush || !SameBrush(*FPainterBrush, Brush)) {
        if (Brush.Style() == bsClear)
            FPainter.setBrush(Qt::NoBrush);
        else
            FPainter.setBrush(ColorOf(Brush.Color()));
        FPainterBrush = Brush;
    }
}

QRectF TQtCanvas::EllipseRect(int X1, int Y1, int X2, int Y2)
{
    // The box's right and bottom edges are exclusive, as for every GDI box.
    return QRectF(Centre(X1, Y1), Centre(X2 - 1, Y2 - 1));
}

std::optional<TQtCanvas::TDiscs> TQtCanvas::OutlinedDisc(const TPen& Pen, const TBrush& Brush,
                                                         int X1, int Y1, int X2, int Y2)
{
    if (Pen.Style != psSolid || Pen.Width <= 0 || Brush.Style() != bsSolid)
        return std::nullopt;
    const QRectF box = EllipseRect(X1, Y1, X2, Y2);
    const qreal half = Pen.Width / 2.0;
    return TDiscs{box.adjusted(-half, -half, half, half), box.adjusted(half, half, -half, -half)};
}

void TQtCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    // Only where pixels are drawn: in a PDF a viewer smooths the edges of the two discs
    // separately, and where a clip cuts both (an enlarged dial at its box) the outer
    // one shows through as a grey line along the cut.
    const auto discs = FMeasuredPixels ? OutlinedDisc(Pen, Brush, X1, Y1, X2, Y2) : std::nullopt;
    if (discs) {
        FPainter.setPen(Qt::NoPen);
        FPainter.setBrush(ColorOf(Pen.Color));
        FPainter.drawEllipse(discs->Outer);
        if (discs->Inner.width() > 0 && discs->Inner.height() > 0) {
            FPainter.setBrush(ColorOf(Brush.Color()));
            FPainter.drawEllipse(discs->Inner);
        }
        // The painter's pen and brush are no longer the ones last applied.
        FPainterPen.reset();
        FPainterTextColor.reset();
        FPainterBrush.reset();
        return;
    }
    ApplyPenAndBrush();
    FPainter.drawEllipse(EllipseRect(X1, Y1, X2, Y2));
}

void TQtCanvas::MoveTo(int X, int Y) { FPenPos = QPoint(X, Y); }

void TQtCanvas::LineTo(int X, int Y)
{
    ApplyPenAndBrush();
    FPainter.drawLine(Centre(FPenPos.x(), FPenPos.y()), Centre(X, Y));
    FPenPos = QPoint(X, Y);
}

void TQtCanvas::Polygon(const TPoint* Points, int Count)
{
    if (Points == nullptr || Count <= 0)
        return;
    ApplyPenAndBrush();
    QPolygonF polygon;
    polygon.reserve(Count);
    for (int i = 0; i < Count; ++i)
        polygon << Centre(Points[i].X, Points[i].Y);
    FPainter.drawPolygon(polygon);
}

void TQtCanvas::ApplyTextState(const QFont& TextFont)
{
    if (!FPainterFont || *FPainterFont != TextFont) {
        FPainter.setFont(TextFont);
        FPainterFont = TextFont;
    }
    if (FPainterTextColor != Font.Color) {
        FPainter.setPen(ColorOf(Font.Color));
        FPainterTextColor = Font.Color;
        FPainterPen.reset();
    }
    const TColor background = Brush.Style() == bsSolid ? Brush.Color() : NoBackground;
    if (FPainterBackground != background) {
        if (background == NoBackground) {
            FPainter.setBackgroundMode(Qt::TransparentMode);
        } else {
            FPainter.setBackgroundMode(Qt::OpaqueMode);
            FPainter.setBackground(ColorOf(background));
        }
        FPainterBackground = background;
    }
}

void TQtCanvas::DrawText(const std::string& Text, const TRect& Box, unsigned Format)
{
    const int width = Box.Right - Box.Left, height = Box.Bottom - Box.Top;
    const TPreparedText* text = nullptr;
    if (FPrepared != nullptr && FNextPrepared < FPrepared->size()) {
        const TPreparedText& next = (*FPrepared)[FNextPrepared];
        if (next.Width == width && next.Height == height && next.Format == Format &&
            next.Points == Font.Size && next.Source == Text) {
            text = &next;
            ++FNextPrepared;
        }
    }
    if (width <= 0 || height <= 0)
        return;  // an empty box clips everything away
    TPreparedText unprepared;
    if (text == nullptr) {
        unprepared = PrepareText(Text, Box, Format, Font.Size);
        text = &unprepared;
    }
    const TTextLayout& layout = text->Layout;
    // The box is the clip; the line's own rectangle may sit higher (a lifted descender)
    // and must not clip a second time.
    const QRect line = layout.Rect.translated(Box.Left, Box.Top);
    const int flags = layout.Flags | Qt::TextDontClip;
    if (FTextAsOutlines) {
        FillTextOutline(text->Text, layout, line, QRect(Box.Left, Box.Top, width, height));
        return;
    }

    // Where the ink was measured to fit, the clip would take nothing away and only
    // cost a save, a clip region and a restore per numeral: on a page, where every
    // clip is written out again after each restore, two thirds of the page's drawing.
    if (layout.InkInside) {
        ApplyTextState(layout.Font);
        FPainter.drawText(line, flags, text->Text);
        return;
    }
    // Between save and restore: afterwards the painter holds what it held before, and
    // what this canvas remembers of it stays true.
    FPainter.save();
    FPainter.setClipRect(QRect(Box.Left, Box.Top, width, height), Qt::IntersectClip);
    FPainter.setFont(layout.Font);
    FPainter.setPen(ColorOf(Font.Color));
    if (Brush.Style() == bsSolid) {
        FPainter.setBackgroundMode(Qt::OpaqueMode);
        FPainter.setBackground(ColorOf(Brush.Color()));
    } else {
        FPainter.setBackgroundMode(Qt::TransparentMode);
    }
    FPainter.drawText(line, flags, text->Text);
    FPainter.restore();
}

QPainterPath TQtCanvas::TextOutline(const QString& Text, const QFont& Font, const QRect& Line,
                                    int Flags)
{
    // One line set from the top of its rectangle, aligned by its advance, as drawText
    // sets a single line.
    const QFontMetricsF metrics(Font);
    const qreal advance = metrics.horizontalAdvance(Text);
    qreal left = Line.left();
    if (Flags & Qt::AlignHCenter)
        left += (Line.width() - advance) / 2;
    else if (Flags & Qt::AlignRight)
        left += Line.width() - advance;
    QPainterPath path;
    path.addText(QPointF(left, Line.top() + metrics.ascent()), Font, Text);
    return path;
}

void TQtCanvas::FillTextOutline(const QString& Text, const TTextLayout& Layout, const QRect& Line,
                                const QRect& Box)
{
    QPainterPath outline = TextOutline(Text, Layout.Font, Line, Layout.Flags);
    // The box clips the outline itself: a device that keeps no clip (an SVG) still
    // shows no more of the text than the box.
    if (!Layout.InkInside) {
        QPainterPath box;
        box.addRect(Box);
        outline = outline.intersected(box);
    }
    // Only the ink: the numerals are drawn on a clear brush, with no background.
    // fillPath leaves the painter's pen and brush as they were.
    FPainter.fillPath(outline, ColorOf(Font.Color));
}

void TQtCanvas::BeginPreparedTexts(TPreparedTexts& Kept, const std::vector<TTextInBox>& Texts)
{
    if (Kept.Dpi != FDpi) {
        Kept.Texts.clear();
        for (const TTextInBox& text : Texts)
            Kept.Texts.push_back(PrepareText(text.Text, text.Box, text.Format, text.FontSize));
        Kept.Dpi = FDpi;
    }
    UsePreparedTexts(&Kept.Texts);
}
