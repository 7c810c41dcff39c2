// The Qt canvas sets a pen, brush or font on the painter only when it changes and
// draws a numeral without its clip when the numeral's ink fits its box. Neither may
// change what is drawn: a line after a text keeps its own pen, a new width or fill
// reaches the painter, and a text too wide for its box is still cut at the box.

#include "dial/QtCanvas.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

constexpr TColor Red = 0x0000FF, Blue = 0xFF0000;

QImage White(int Width = 200, int Height = 200)
{
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

bool IsWhite(const QImage& Image, int X, int Y) { return Image.pixel(X, Y) == qRgb(255, 255, 255); }

// Pixels with ink outside the given rectangle.
int InkOutside(const QImage& Image, const QRect& Inside)
{
    int count = 0;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            count += !Inside.contains(x, y) && !IsWhite(Image, x, y);
    return count;
}

}  // namespace

class TestCanvasState : public QObject {
    Q_OBJECT
private slots:
    void aLineAfterATextKeepsItsOwnPen()
    {
        QImage image = White();
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.Pen = {Red, psSolid, 3};
            canvas.MoveTo(10, 20);
            canvas.LineTo(190, 20);
            canvas.Font = {11, Blue};
            canvas.Brush.SetStyle(bsClear);
            canvas.DrawText("8", {90, 80, 110, 100}, DT_CENTER);
            // The pen itself is as before: nothing tells the canvas to set it again.
            canvas.MoveTo(10, 180);
            canvas.LineTo(190, 180);
        }
        QCOMPARE(QColor(image.pixel(100, 20)), QColor(Qt::red));
        QCOMPARE(QColor(image.pixel(100, 180)), QColor(Qt::red));
        bool blueInk = false;
        for (int y = 80; y < 100; ++y)
            for (int x = 90; x < 110; ++x)
                blueInk |= qBlue(image.pixel(x, y)) > 200 && qRed(image.pixel(x, y)) < 100;
        QVERIFY(blueInk);
    }

    void aNewPenWidthReachesThePainter()
    {
        QImage image = White();
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.Pen = {Red, psSolid, 1};
            canvas.MoveTo(10, 50);
            canvas.LineTo(190, 50);
            canvas.Pen.Width = 9;
            canvas.MoveTo(10, 150);
            canvas.LineTo(190, 150);
        }
        QVERIFY(IsWhite(image, 100, 53));
        QCOMPARE(QColor(image.pixel(100, 153)), QColor(Qt::red));
    }

    void aClearBrushAfterASolidOneLeavesTheInsideAlone()
    {
        QImage image = White();
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.Pen = {Red, psSolid, 1};
            canvas.Brush.SetColor(Blue);
            canvas.Ellipse(10, 10, 90, 90);
            canvas.Brush.SetStyle(bsClear);
            canvas.Ellipse(110, 110, 190, 190);
        }
        QCOMPARE(QColor(image.pixel(50, 50)), QColor(Qt::blue));
        QVERIFY(IsWhite(image, 150, 150));
    }

    void aTextTooWideForItsBoxIsCutAtTheBox()
    {
        QImage image = White(300, 100);
        const TRect box{130, 30, 170, 60};
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.Font = {21, clBlack};
            canvas.Brush.SetStyle(bsClear);
            canvas.DrawText("88888888", box, DT_CENTER);
        }
        QCOMPARE(InkOutside(image, QRect(box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top)), 0);
        QVERIFY(!IsWhite(image, 150, 45) || !IsWhite(image, 140, 45) || !IsWhite(image, 160, 45));
    }

    void aTextAfterACutOneStillTakesItsFontAndColour()
    {
        QImage image = White(300, 100);
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            canvas.Brush.SetStyle(bsClear);
            canvas.Font = {21, clBlack};
            canvas.DrawText("88888888", {10, 30, 40, 60}, DT_CENTER);
            canvas.Font = {21, Red};
            canvas.DrawText("8", {200, 20, 240, 70}, DT_CENTER);
        }
        bool redInk = false;
        for (int y = 20; y < 70; ++y)
            for (int x = 200; x < 240; ++x)
                redInk |= qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 100;
        QVERIFY(redInk);
        QCOMPARE(InkOutside(image, QRect(10, 30, 30, 30).united(QRect(200, 20, 40, 50))), 0);
    }
};

QTEST_MAIN(TestCanvasState)
#include "test_canvas_state.moc"
