// The needle's outline, its turn to the weight, its fill, and the pivot over its root.

#include "DialFixtures.h"

#include <QtTest>

namespace {

using TFive = std::array<TPoint, 5>;

// The one polygon of a paint: the needle.
TRecordedOp Needle(const TRecordingCanvas& Canvas)
{
    const std::vector<TRecordedOp> polygons = Canvas.OfKind(TRecordedOp::okPolygon);
    return polygons.size() == 1 ? polygons.front() : TRecordedOp{};
}

// The second of the two ellipses of a paint: the pivot (the first is the board).
TRecordedOp Pivot(const TRecordingCanvas& Canvas)
{
    const std::vector<TRecordedOp> ellipses = Canvas.OfKind(TRecordedOp::okEllipse);
    return ellipses.size() == 2 ? ellipses.back() : TRecordedOp{};
}

TFive PointsOf(const TRecordedOp& Polygon)
{
    TFive five{};
    for (std::size_t i = 0; i < five.size() && i < Polygon.Points.size(); ++i)
        five[i] = Polygon.Points[i];
    return five;
}

}  // namespace

class TestDialNeedle : public QObject {
    Q_OBJECT
private slots:
    void worksheetNeedleAtZero()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm001kg);
        const TRecordingCanvas canvas = Record(dial);
        // Round(2.5) is 2, not 3; the shoulder is Round(10.7), the tip Round(128.7).
        QCOMPARE(dial.Layout().HandShape, (TFive{{{2, -15}, {2, 11}, {0, 129}, {-2, 11}, {-2, -15}}}));
        const TFive atZero{{{141, 158}, {141, 132}, {143, 14}, {145, 132}, {145, 158}}};
        QCOMPARE(dial.Layout().HandPoints, atZero);
        const TRecordedOp needle = Needle(canvas);
        QCOMPARE(needle.Points.size(), std::size_t{5});
        QCOMPARE(PointsOf(needle), atZero);
    }

    void worksheetNeedleAtAQuarter()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm001kg);
        Record(dial);  // painted at 0 g first: a new weight moves the needle of the next paint
        dial.SetValue(250);
        const TFive atQuarter{{{128, 141}, {154, 141}, {272, 143}, {154, 145}, {128, 145}}};
        QCOMPARE(dial.Layout().HandPoints, atQuarter);
        QCOMPARE(PointsOf(Needle(Record(dial))), atQuarter);
    }

    void defaultNeedle()
    {
        TPlatformScale dial;
        // Round(1.5) gives 2: halves go to the even neighbour.
        QCOMPARE(dial.Layout().HandShape, (TFive{{{2, -9}, {2, 21}, {0, 90}, {-2, 21}, {-2, -9}}}));
    }

    void needleAsWideAsTheOutlineIsALine()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial);
        dial.SetWidthHand(2);
        for (const TPoint& p : dial.Layout().HandShape)
            QCOMPARE(p.X, 0);
        QCOMPARE(dial.Layout().HandShape[0].Y, 0);
    }

    void narrowerNeedleThanOutlineTurnsItsShapeOver()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial);
        dial.SetWidthHand(1);  // w = -1: sides swap, the tail lies on the tip's side
        const TFive shape = dial.Layout().HandShape;
        QCOMPARE(shape[0], (TPoint{0, 2}));    // Round(-0.25), Round(1.5)
        QCOMPARE(shape[3], (TPoint{0, 121}));  // Round(0.25); 128.7 - 10 + 2
    }

    void enlargedNeedleTipFollowsTheZoom_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<TPoint>("tip");
        QTest::newRow("whole") << 100 << TPoint{143, 272};
        QTest::newRow("1.5") << 150 << TPoint{143, 266};
        QTest::newRow("2.0") << 200 << TPoint{144, 259};
    }
    void enlargedNeedleTipFollowsTheZoom()
    {
        QFETCH(int, percent);
        QFETCH(TPoint, tip);
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm001kg);
        dial.SetStretchRatePercent(static_cast<std::uint8_t>(percent));
        dial.SetValue(500);
        const TRecordingCanvas canvas = Record(dial);
        QCOMPARE(dial.Layout().HandPoints[2], (TPoint{143, 272}));  // dial coordinates, before the zoom
        QCOMPARE(Needle(canvas).Points[2], tip);
    }

    void hollowAndFilledNeedles()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial);
        dial.SetBoardColor(0x00C0FF);
        const TRecordedOp hollow = Needle(Record(dial));
        QCOMPARE(hollow.BrushStyle, bsClear);
        QCOMPARE(hollow.Pen.Width, 2);
        QCOMPARE(hollow.Pen.Color, clBlack);
        QCOMPARE(hollow.Pen.Style, psSolid);

        dial.SetTypeHandBrush(hbSolid);
        const TRecordedOp filled = Needle(Record(dial));
        QCOMPARE(filled.BrushStyle, bsSolid);
        QCOMPARE(filled.BrushColor, clBlack);
        QCOMPARE(filled.Pen.Width, 2);
        QCOMPARE(filled.Points, hollow.Points);
    }

    void pivotCoversTheRootInTheBoardColour_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<TRect>("box");
        QTest::newRow("whole") << 100 << TRect{137, 137, 149, 149};
        QTest::newRow("1.5 top") << 150 << TRect{134, 205, 152, 223};
    }
    void pivotCoversTheRootInTheBoardColour()
    {
        QFETCH(int, percent);
        QFETCH(TRect, box);
        TPlatformScale dial;
        MakeWorksheetDial(dial);
        dial.SetBoardColor(0x00C0FF);
        dial.SetTypeHandBrush(hbSolid);
        dial.SetStretchRatePercent(static_cast<std::uint8_t>(percent));
        QCOMPARE(dial.TypeHandLocation(), hl0Top);
        const TRecordedOp pivot = Pivot(Record(dial));
        QCOMPARE(pivot.Box, box);
        QCOMPARE(pivot.BrushStyle, bsSolid);
        QCOMPARE(pivot.BrushColor, TColor{0x00C0FF});
        QCOMPARE(pivot.Pen.Width, 2);
        QCOMPARE(pivot.Pen.Color, clBlack);
    }

    void pivotStandsOnTheTrueMiddle()
    {
        // An even needle width on an odd dial: the pivot is centred on 142.5, the needle on 143.
        TPlatformScale dial;
        MakeWorksheetDial(dial);
        dial.SetWidthHand(7);
        QCOMPARE(Pivot(Record(dial)).Box, (TRect{139, 139, 146, 146}));
    }

    void zeroCapacityStandsTheNeedleAtTheTop()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial);
        dial.SetValueMax(0);
        QCOMPARE(dial.Layout().HandPoints, (TFive{{{141, 158}, {141, 132}, {143, 14}, {145, 132}, {145, 158}}}));
    }
};

QTEST_MAIN(TestDialNeedle)
#include "test_dial_needle.moc"
