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
};

QTEST_MAIN(TestDialInput)
#include "test_dial_input.moc"
