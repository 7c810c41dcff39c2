// The dial's opt-in input: an interactive dial takes the needle from a click, a drag or
// the arrow keys, always onto a mark of the finest graduation it draws; any other dial
// never reacts to the mouse or the keys.

#include "DialFixtures.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <numbers>

namespace {

// Where a weight stands on the dial, Radius pixels out from the board's centre.
QPoint PointOf(TPlatformScale& Dial, double Grams, double Radius = 120)
{
    const TRect& board = Dial.Layout().Board;
    const double angle = Grams / Dial.ValueMax() * 2 * std::numbers::pi;
    return QPoint(static_cast<int>(std::lround((board.Left + board.Right) / 2.0 + Radius * std::sin(angle))),
                  static_cast<int>(std::lround((board.Top + board.Bottom) / 2.0 - Radius * std::cos(angle))));
}

}  // namespace

class TestDialInput : public QObject {
    Q_OBJECT

private slots:
    void onlyAnInteractiveDialTakesTheNeedle()
    {
        QWidget window;
        window.resize(300, 300);
        auto* dial = new TPlatformScale(&window);
        MakeWorksheetDial(*dial);  // 2 kg, densely graduated: marks every 10 g
        dial->SetValue(500);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy moved(dial, &TPlatformScale::NeedleMoved);

        QVERIFY(!dial->Interactive());
        QTest::mouseClick(dial, Qt::LeftButton, {}, PointOf(*dial, 1261));
        QTest::keyClick(dial, Qt::Key_Right);
        QCOMPARE(dial->Value(), 500u);
        QCOMPARE(moved.count(), 0);

        dial->SetInteractive(true);
        // A drag from 500 g to a little past 1260 g: the needle follows onto the mark.
        QTest::mousePress(dial, Qt::LeftButton, {}, PointOf(*dial, 500));
        QMouseEvent drag(QEvent::MouseMove, PointOf(*dial, 1261), dial->mapToGlobal(PointOf(*dial, 1261)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(dial, &drag);
        QTest::mouseRelease(dial, Qt::LeftButton, {}, PointOf(*dial, 1261));
        QCOMPARE(dial->Value(), 1260u);
        QVERIFY(dial->hasFocus());
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.last().at(0).value<std::uint32_t>(), 1260u);

        // The arrow keys: one finest mark at a time.
        QTest::keyClick(dial, Qt::Key_Right);
        QCOMPARE(dial->Value(), 1270u);
        QTest::keyClick(dial, Qt::Key_Left);
        QTest::keyClick(dial, Qt::Key_Down);
        QCOMPARE(dial->Value(), 1250u);

        // Sparsely graduated, the finest marks stand 50 g apart.
        dial->SetTypeBoardScale(bsSparsely);
        QTest::mouseClick(dial, Qt::LeftButton, {}, PointOf(*dial, 1261));
        QCOMPARE(dial->Value(), 1250u);
        QTest::keyClick(dial, Qt::Key_Up);
        QCOMPARE(dial->Value(), 1300u);
    }

    // Where a click or a key puts the needle: clicks snap to the nearest mark on either
    // side, keys land on marks and numerals. Marks: 20 g on a dense 5 kg dial, 10 g on a
    // dense 2 kg one, 50 g on a sparse one; numerals every 200 g (5 kg, the large ones
    // every kilogram) and every 100 g (2 kg).
    void needleGoesWhereThePupilAsks_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("board");
        QTest::addColumn<int>("numerals");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");  // 0: a click at the grams below
        QTest::addColumn<double>("click");
        QTest::addColumn<int>("expected");
        const auto key = [](const char* Name, TTypeValueMax Capacity, TTypeBoardScale Board,
                            TTypeShowNumerals Numerals, int Start, int Key, int Expected) {
            QTest::newRow(Name) << int(Capacity) << int(Board) << int(Numerals) << Start << Key << 0.0 << Expected;
        };
        const auto click = [](const char* Name, TTypeValueMax Capacity, TTypeBoardScale Board, double Grams,
                              int Expected) {
            QTest::newRow(Name) << int(Capacity) << int(Board) << int(snAll) << 1000 << 0 << Grams << Expected;
        };
        click("5 kg a little past 3820", vm005kg, bsDensely, 3826, 3820);
        click("5 kg a little short of 3840", vm005kg, bsDensely, 3834, 3840);
        click("5 kg just right of the top", vm005kg, bsDensely, 5, 0);
        click("5 kg just left of the top", vm005kg, bsDensely, -5, 5000);
        click("2 kg a little short of 1270", vm002kg, bsDensely, 1266, 1270);
        click("2 kg a little past 1270", vm002kg, bsDensely, 1274, 1270);
        click("2 kg sparse short of 1300", vm002kg, bsSparsely, 1280, 1300);
        click("2 kg sparse past 1250", vm002kg, bsSparsely, 1268, 1250);
        key("5 kg right between marks", vm005kg, bsDensely, snAll, 3830, Qt::Key_Right, 3840);
        key("5 kg left between marks", vm005kg, bsDensely, snAll, 3830, Qt::Key_Left, 3820);
        key("5 kg down on a mark", vm005kg, bsDensely, snAll, 3820, Qt::Key_Down, 3800);
        key("5 kg left at 0", vm005kg, bsDensely, snAll, 0, Qt::Key_Left, 0);
        key("5 kg right at the capacity", vm005kg, bsDensely, snAll, 5000, Qt::Key_Right, 5000);
        key("5 kg page up between", vm005kg, bsDensely, snAll, 3830, Qt::Key_PageUp, 4000);
        key("5 kg page down between", vm005kg, bsDensely, snAll, 3830, Qt::Key_PageDown, 3800);
        key("5 kg page up on a numeral", vm005kg, bsDensely, snAll, 3800, Qt::Key_PageUp, 4000);
        key("5 kg page down on a numeral", vm005kg, bsDensely, snAll, 3800, Qt::Key_PageDown, 3600);
        key("5 kg page up, large numerals", vm005kg, bsDensely, snLarge, 3830, Qt::Key_PageUp, 4000);
        key("5 kg page down, large numerals", vm005kg, bsDensely, snLarge, 3830, Qt::Key_PageDown, 3000);
        key("5 kg page down at 0", vm005kg, bsDensely, snAll, 0, Qt::Key_PageDown, 0);
        key("5 kg end", vm005kg, bsDensely, snAll, 3830, Qt::Key_End, 5000);
        key("2 kg page up", vm002kg, bsDensely, snAll, 1250, Qt::Key_PageUp, 1300);
        key("2 kg page down", vm002kg, bsDensely, snAll, 1300, Qt::Key_PageDown, 1200);
        key("2 kg page up at the capacity", vm002kg, bsDensely, snAll, 2000, Qt::Key_PageUp, 2000);
        key("2 kg sparse right between marks", vm002kg, bsSparsely, snAll, 1260, Qt::Key_Right, 1300);
        key("2 kg home", vm002kg, bsDensely, snAll, 1250, Qt::Key_Home, 0);
        key("2 kg end", vm002kg, bsDensely, snAll, 1250, Qt::Key_End, 2000);
    }

    void needleGoesWhereThePupilAsks()
    {
        QFETCH(int, capacity);
        QFETCH(int, board);
        QFETCH(int, numerals);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(double, click);
        QFETCH(int, expected);
        QWidget window;
        window.resize(640, 640);
        auto* dial = new TPlatformScale(&window);
        MakeWorksheetDial(*dial, static_cast<TTypeValueMax>(capacity));
        dial->SetDiameter(600);  // a pixel at the click's radius is under 3 g of the 5 kg dial
        dial->SetTypeBoardScale(static_cast<TTypeBoardScale>(board));
        dial->SetTypeShowNumerals(static_cast<TTypeShowNumerals>(numerals));
        dial->SetInteractive(true);
        dial->SetValue(static_cast<std::uint32_t>(start));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (key == 0)
            QTest::mouseClick(dial, Qt::LeftButton, {}, PointOf(*dial, click, 280));
        else
            QTest::keyClick(dial, static_cast<Qt::Key>(key));
        QCOMPARE(dial->Value(), static_cast<std::uint32_t>(expected));
    }
};

QTEST_MAIN(TestDialInput)
#include "test_dial_input.moc"
