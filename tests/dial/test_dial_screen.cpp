// A dial on screen: its paint event draws the board in the board colour over the
// parent's colour, and system colours come from the dial's own palette.

#include "DialFixtures.h"
#include "dial/QtCanvas.h"

#include <QGuiApplication>
#include <QPalette>
#include <QtTest>

class TestDialScreen : public QObject {
    Q_OBJECT
private slots:
    void systemColoursComeFromThePalette()
    {
        const QPalette palette = QGuiApplication::palette();
        QCOMPARE(TQtCanvas::ToQColor(clBtnFace), palette.color(QPalette::Button));
        QCOMPARE(TQtCanvas::ToQColor(clWindowText), palette.color(QPalette::WindowText));
        QCOMPARE(TQtCanvas::ToQColor(clWindow), palette.color(QPalette::Base));
        QCOMPARE(TQtCanvas::ToQColor(0x00C0FF), QColor(255, 192, 0));  // red in the low byte
        QCOMPARE(TQtCanvas::ToQColor(clBlack), QColor(0, 0, 0));
    }

    void fontSizesBecomePixelHeights()
    {
        QCOMPARE(TQtCanvas::PixelHeight(11, 96), 15);  // 14.67
        QCOMPARE(TQtCanvas::PixelHeight(21, 96), 28);
        QCOMPARE(TQtCanvas::PixelHeight(16, 96), 21);  // 21.33
        QCOMPARE(TQtCanvas::PixelHeight(32, 96), 43);  // 42.67
        QCOMPARE(TQtCanvas::PixelHeight(6, 96), 8);
    }

    void shownDialPaintsItsBoardOverTheParentsColour()
    {
        QWidget window;
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(10, 200, 30));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        window.resize(400, 400);
        auto* dial = new TPlatformScale(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        MakeWorksheetDial(*dial);
        dial->SetBoardColor(0x00C0FF);

        const QImage image = dial->grab().toImage();
        QCOMPARE(image.size(), QSize(285, 285));
        QCOMPARE(QColor(image.pixel(2, 2)), QColor(10, 200, 30));        // outside the board
        QCOMPARE(QColor(image.pixel(100, 180)), QColor(255, 192, 0));    // on the board
        QCOMPARE(QColor(image.pixel(142, 1)).lightness() < 100, true);  // the outline at the top
    }

    // A dark desktop theme gives the application near-white text; a sheet with a light
    // palette of its own keeps its numerals dark.
    void numeralsTakeTheDialsOwnPalette()
    {
        const QPalette desktop = QGuiApplication::palette();
        QPalette dark = desktop;
        dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
        dark.setColor(QPalette::Button, QColor(40, 40, 40));
        QGuiApplication::setPalette(dark);
        TPlatformScale dial;
        QPalette light = dial.palette();
        light.setColor(QPalette::WindowText, Qt::black);
        light.setColor(QPalette::Button, Qt::white);
        dial.setPalette(light);
        MakeWorksheetDial(dial);
        dial.SetValue(1000);  // the needle at the bottom, clear of the capacity numeral
        const TRect box = dial.Layout().Numerals.back().Box;  // "2kg" at the top
        const QImage image = dial.grab().toImage();
        QGuiApplication::setPalette(desktop);

        QCOMPARE(QColor(image.pixel(100, 180)), QColor(Qt::white));  // the board in clBtnFace
        int darkest = 255;
        for (int y = box.Top; y < box.Bottom; ++y)
            for (int x = box.Left; x < box.Right; ++x)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
        QVERIFY2(darkest < 64, qPrintable(QString::number(darkest)));  // the numeral's ink
    }
};

QTEST_MAIN(TestDialScreen)
#include "test_dial_screen.moc"
