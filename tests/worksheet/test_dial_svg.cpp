// A sheet's dial as an SVG drawing for the tablets: a plain document of shapes, with
// no text, font, script or outside reference, that looks like the sheet's own dial
// painted at the same size, numerals included and placed in their boxes, and that has
// a needle only where the pupil reads one.

#include "classroom/DialSvg.h"
#include "dial/PlatformScale.h"
#include "dial/QtCanvas.h"
#include "view/SheetView.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

Q_DECLARE_METATYPE(TSheet)

namespace {

// The ink in a box: how much darker than white its pixels are, summed, which counts a
// line smoothed over two pixels as much as the same line on one.
int InkIn(const QImage& Image, const QRect& Box)
{
    int ink = 0;
    const QRect inside = Box & Image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ink += 255 - qGray(Image.pixel(x, y));
    return ink;
}

}  // namespace

class TestDialSvg : public QObject {
    Q_OBJECT

private slots:
    void dialDrawnAsOutlines_data()
    {
        QTest::addColumn<TSheet>("sheet");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("capacity");  // grams
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("needle");
        const auto sheet = [](int Capacity, bool Dense, TPer200Choice Per200, bool Enlarged,
                              TTypeShowNumerals Numerals, TExercise Exercise) {
            TSheet s;
            s.Settings = {.Capacity = Capacity, .Dense = Dense, .Per200 = Per200, .Enlarged = Enlarged,
                          .Exercise = Exercise, .Numerals = Numerals};
            s.Weights = {1350, 700, 3300, 4100, 60500, 250};
            return s;
        };
        QTest::newRow("2 kg dense whole") << sheet(1, true, pcUnchosen, false, snAll, exRead) << 0 << 2000 << 1.0 << true;
        QTest::newRow("5 kg enlarged") << sheet(2, true, pcHide, true, snAll, exRead) << 2 << 5000 << 1.5 << true;
        QTest::newRow("100 kg 1/200 large numerals")
            << sheet(6, true, pcShow, false, snLarge, exRead) << 4 << 100000 << 1.0 << true;
        QTest::newRow("draw sheet, no needle") << sheet(1, false, pcHide, false, snEnds, exDraw) << 0 << 2000 << 1.0 << false;
        TSheet mixed = sheet(3, true, pcUnchosen, false, snAll, exRead);
        mixed.Settings.Mixed = true;
        mixed.Capacities = {1, 3, 0, 2, 3, 1};
        QTest::newRow("mixed, dial 4 at 5 kg") << mixed << 3 << 5000 << 1.0 << true;
    }

    void dialDrawnAsOutlines()
    {
        QFETCH(TSheet, sheet);
        QFETCH(int, index);
        QFETCH(int, capacity);
        QFETCH(double, zoom);
        QFETCH(bool, needle);

        const TScaleProperties properties = SheetDialProperties(sheet, index);
        QCOMPARE(properties.ValueMax, static_cast<std::uint32_t>(capacity));
        QCOMPARE(properties.StretchRate, zoom);
        QCOMPARE(properties.HandVisible, needle);

        const QByteArray svg = SheetDialSvg(sheet, index);
        for (const char* banned : {"<text", "font", "script", "href", "xlink", "url(", "<image", "<use"})
            QVERIFY2(!svg.toLower().contains(banned), banned);
        // The one address is the namespace's name, which nothing fetches.
        QCOMPARE(svg.count("http"), 1);
        QVERIFY(svg.contains("xmlns=\"http://www.w3.org/2000/svg\""));
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(0, 0, 285, 285));

        // The sheet's own dial, painted as the sheet paints it, and the drawing beside it.
        TSheetView view;
        view.SetSheet(sheet);
        auto* dial = view.findChild<TPlatformScale*>(QStringLiteral("PlatformScale%1").arg(index + 1));
        QVERIFY(dial != nullptr);
        QImage painted(285, 285, QImage::Format_RGB32);
        painted.fill(Qt::white);
        QImage drawn = painted;
        {
            QPainter painter(&painted);
            TQtCanvas canvas(painter);
            dial->PaintOn(canvas);
        }
        {
            QPainter painter(&drawn);
            renderer.render(&painter, QRectF(0, 0, 285, 285));
        }
        // The whole picture: the same ink, give or take the edges' smoothing.
        const int ink = InkIn(painted, painted.rect());
        QVERIFY(qAbs(InkIn(drawn, drawn.rect()) - ink) <= ink / 25);  // within 4 %
        // Pixel by pixel after a small blur (a smooth halving), which evens out how the
        // hinted text and the smoothed outlines fall on the pixel grid.
        const QImage paintedBlur = painted.scaled(142, 142, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage drawnBlur = drawn.scaled(142, 142, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int differing = 0;
        for (int y = 0; y < 142; ++y)
            for (int x = 0; x < 142; ++x)
                differing += qAbs(qGray(paintedBlur.pixel(x, y)) - qGray(drawnBlur.pixel(x, y))) > 64;
        QVERIFY2(differing <= 142 * 142 / 100, qPrintable(QString::number(differing)));
        // Each numeral's own box: its figures are there, at their place.
        for (const TTextInBox& numeral : dial->Layout().Numerals) {
            const QRect box(numeral.Box.Left, numeral.Box.Top, numeral.Box.Right - numeral.Box.Left,
                            numeral.Box.Bottom - numeral.Box.Top);
            const int expected = InkIn(painted, box);
            QVERIFY2(qAbs(InkIn(drawn, box) - expected) <= expected / 10, numeral.Text.c_str());
        }
    }
};

QTEST_MAIN(TestDialSvg)
#include "test_dial_svg.moc"
