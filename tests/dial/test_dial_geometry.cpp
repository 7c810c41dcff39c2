// The dial's common geometry: its rounding, the radii, the enlarged-view maps and the
// board's box for every hand location.

#include "DialFixtures.h"
#include "dial/DialGeometry.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

TZoomMap Map(const TPlatformScale& Dial, TTypeHandLocation Location)
{
    return {Dial.StretchRate(), Dial.Diameter(), Location};
}

}  // namespace

class TestDialGeometry : public QObject {
    Q_OBJECT
private slots:
    void roundOffTakesHalvesAwayFromZero()
    {
        QCOMPARE(RoundOff(0.5L), 1);
        QCOMPARE(RoundOff(1.5L), 2);
        QCOMPARE(RoundOff(2.5L), 3);
        QCOMPARE(RoundOff(-0.5L), -1);
        QCOMPARE(RoundOff(-2.5L), -3);
        QCOMPARE(RoundOff(0.0L), 0);
        QCOMPARE(RoundOff(-0.0L), 0);
        QCOMPARE(RoundOff(143.25L), 143);
        QCOMPARE(RoundOff(265.5L), 266);
        QCOMPARE(RoundOff(-141.5L), -142);
        QCOMPARE(RoundOff(-70.25L), -70);
        QCOMPARE(RoundOff(22.5L), 23);
    }

    void roundingNeverLeavesThe32BitRange()
    {
        constexpr auto max = std::numeric_limits<std::int32_t>::max();
        constexpr auto min = std::numeric_limits<std::int32_t>::min();
        QCOMPARE(RoundOff(1e12L), max);
        QCOMPARE(RoundOff(-1e12L), min);
        QCOMPARE(RoundOff(std::numeric_limits<long double>::infinity()), max);
        QCOMPARE(RoundOff(std::numeric_limits<long double>::quiet_NaN()), 0);
        QCOMPARE(RoundOff(2147483647.4L), max);
        QCOMPARE(RoundOff(-2147483648.4L), min);
        QCOMPARE(RoundHalfEven(-1e12L), min);
        QCOMPARE(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN()), 0);
    }

    void needleRoundingTakesHalvesToEven()
    {
        QCOMPARE(RoundHalfEven(2.5L), 2);
        QCOMPARE(RoundHalfEven(1.5L), 2);
        QCOMPARE(RoundHalfEven(-2.5L), -2);
        QCOMPARE(RoundHalfEven(10.7L), 11);
    }

    void radiiFollowTheDiameter_data()
    {
        QTest::addColumn<int>("diameter");
        QTest::addColumn<QList<double>>("radii");  // board, 96, 94, 92, 90
        QTest::newRow("200") << 200 << QList<double>{100, 96, 94, 92, 90};
        QTest::newRow("285") << 285 << QList<double>{143, 137, 134, 131, 128};
        QTest::newRow("150") << 150 << QList<double>{75, 72, 71, 69, 68};
    }
    void radiiFollowTheDiameter()
    {
        QFETCH(int, diameter);
        QFETCH(QList<double>, radii);
        TPlatformScale dial;
        dial.SetDiameter(static_cast<std::uint16_t>(diameter));
        const TScaleLayout& layout = dial.Layout();
        QCOMPARE((QList<double>{layout.RadiusBoard, layout.Radius96, layout.Radius94,
                                layout.Radius92, layout.Radius90}),
                 radii);
    }

    void wholeViewMapsEveryLocationToItself()
    {
        TPlatformScale dial;
        dial.SetDiameter(285);
        for (int l = 0; l < HandLocationCount; ++l) {
            const auto location = static_cast<TTypeHandLocation>(l);
            for (int p : {-3, 0, 1, 142, 143, 284, 285, 290}) {
                QCOMPARE(Map(dial, location).ZoomX(p), p);
                QCOMPARE(Map(dial, location).ZoomY(p), p);
            }
        }
    }

    void enlargedViewKeepsItsFixedPoint()
    {
        TPlatformScale dial;
        dial.SetDiameter(285);
        dial.SetStretchRatePercent(150);
        QCOMPARE(Map(dial, hl0Top).ZoomX(0), -71);
        QCOMPARE(Map(dial, hl0Top).ZoomX(285), 356);
        QCOMPARE(Map(dial, hl0Top).ZoomY(0), 0);
        QCOMPARE(Map(dial, hl1RightTop).ZoomX(285), 285);
        QCOMPARE(Map(dial, hl1RightTop).ZoomY(0), 0);
        QCOMPARE(Map(dial, hl3RightBottom).ZoomX(285), 285);
        QCOMPARE(Map(dial, hl3RightBottom).ZoomY(285), 285);
        QCOMPARE(Map(dial, hl5LeftBottom).ZoomX(0), 0);
        QCOMPARE(Map(dial, hl5LeftBottom).ZoomY(285), 285);
        QCOMPARE(Map(dial, hl6Left).ZoomY(142.5), 143);  // 213.75 - 71.25 = 142.5
        QCOMPARE(Map(dial, hl7LeftTop).ZoomX(100), 150);
    }

    // The needle tip and the centre of the worksheet dial at 500 g, bottom location.
    void enlargedBottomOfTheWorksheetDial()
    {
        TPlatformScale dial;
        dial.SetDiameter(285);
        dial.SetStretchRatePercent(150);
        QCOMPARE(Map(dial, hl4Bottom).ZoomY(272), 266);  // 265.5 rounds up
        QCOMPARE(Map(dial, hl4Bottom).ZoomX(143), 143);
        QCOMPARE(Map(dial, hl4Bottom).ZoomY(143), 72);
        dial.SetStretchRatePercent(200);
        QCOMPARE(Map(dial, hl4Bottom).ZoomX(143), 144);  // 143.5
        QCOMPARE(Map(dial, hl4Bottom).ZoomY(271), 257);
        QCOMPARE(Map(dial, hl4Bottom).ZoomY(272), 259);
        QCOMPARE(Map(dial, hl4Bottom).ZoomY(143), 1);
    }

    void boardBoxFollowsTheLocation_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<TTypeHandLocation>("location");
        QTest::addColumn<TRect>("box");
        for (int l = 0; l < HandLocationCount; ++l)
            QTest::addRow("whole, location %d", l)
                << 100 << static_cast<TTypeHandLocation>(l) << TRect{1, 1, 284, 284};
        QTest::newRow("1.5 top") << 150 << hl0Top << TRect{-70, 1, 355, 427};
        QTest::newRow("1.5 right top") << 150 << hl1RightTop << TRect{-142, 1, 284, 427};
        QTest::newRow("1.5 right") << 150 << hl2Right << TRect{-142, -70, 284, 355};
        QTest::newRow("1.5 right bottom") << 150 << hl3RightBottom << TRect{-142, -142, 284, 284};
        QTest::newRow("1.5 bottom") << 150 << hl4Bottom << TRect{-70, -142, 355, 284};
        QTest::newRow("1.5 left bottom") << 150 << hl5LeftBottom << TRect{1, -142, 427, 284};
        QTest::newRow("1.5 left") << 150 << hl6Left << TRect{1, -70, 427, 355};
        QTest::newRow("1.5 left top") << 150 << hl7LeftTop << TRect{1, 1, 427, 427};
        QTest::newRow("2.0 bottom") << 200 << hl4Bottom << TRect{-142, -284, 427, 284};
    }
    void boardBoxFollowsTheLocation()
    {
        QFETCH(int, percent);
        QFETCH(TTypeHandLocation, location);
        QFETCH(TRect, box);
        TPlatformScale dial;
        MakeWorksheetDial(dial);
        dial.SetBoardColor(0x123456);
        dial.SetStretchRatePercent(static_cast<std::uint8_t>(percent));
        dial.SetTypeHandLocation(location);
        const TRecordingCanvas canvas = Record(dial);
        const TRecordedOp& board = canvas.Ops.front();
        QCOMPARE(board.Kind, TRecordedOp::okEllipse);
        QCOMPARE(board.Box, box);
        QCOMPARE(board.Pen.Width, 2);
        QCOMPARE(board.Pen.Color, clBlack);
        QCOMPARE(board.Pen.Style, psSolid);
        QCOMPARE(board.BrushStyle, bsSolid);
        QCOMPARE(board.BrushColor, TColor{0x123456});
    }

    void boardInsetFollowsThePenWidth()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial);
        dial.SetWidthBorderLine(3);  // 1.5 inset: 1.5 and 283.5 round away from zero
        QCOMPARE(Record(dial).Ops.front().Box, (TRect{2, 2, 284, 284}));
        dial.SetWidthBorderLine(1);
        QCOMPARE(Record(dial).Ops.front().Box, (TRect{1, 1, 285, 285}));
    }
};

QTEST_MAIN(TestDialGeometry)
#include "test_dial_geometry.moc"
