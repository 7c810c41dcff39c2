// The graduation marks: exact end points, the marks each capacity draws at each
// density and finest-graduation setting, and the pen each level draws with.

#include "DialFixtures.h"

#include "dial/ScalePainter.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

namespace {

struct TMark {
    TPoint Inner, Outer;
    int PenWidth;
};

std::vector<TMark> Marks(TPlatformScale& Dial)
{
    std::vector<TMark> marks;
    for (const TRecordedOp& op : Record(Dial).Lines())
        marks.push_back({op.From, op.To, op.Pen.Width});
    return marks;
}

// The level radius (137, 134, 131 or 128 on 285 pixels) that a mark's whole-pixel
// inner end lies nearest to.
int LevelRadius(const TMark& Mark, double Centre = 143)
{
    const double r = std::hypot(Mark.Inner.X - Centre, Mark.Inner.Y - Centre);
    int best = 0;
    for (int level : {137, 134, 131, 128})
        if (best == 0 || std::abs(r - level) < std::abs(r - best))
            best = level;
    return best;
}

// Marks counted by how far in they reach (the level's inner radius), whole view.
std::map<int, int> CountByRadius(TPlatformScale& Dial)
{
    std::map<int, int> counts;
    for (const TMark& mark : Marks(Dial))
        ++counts[LevelRadius(mark)];
    return counts;
}

}  // namespace

class TestDialMarks : public QObject {
    Q_OBJECT
private slots:
    void worksheetMarksEndOnTheirPixels()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm001kg);
        const std::vector<TMark> marks = Marks(dial);
        auto find = [&marks](TPoint inner) {
            for (const TMark& mark : marks)
                if (mark.Inner == inner)
                    return mark.Outer;
            return TPoint{-1, -1};
        };
        QCOMPARE(find({143, 15}), (TPoint{143, 1}));     // 0 g, longest level
        QCOMPARE(find({143, 271}), (TPoint{143, 286}));  // 500 g: outer end beyond the control
        QCOMPARE(find({274, 143}), (TPoint{286, 143}));  // 250 g, level 3
    }

    void enlargedMarkAtHalfTurn_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<TPoint>("inner");
        QTest::addColumn<TPoint>("outer");
        QTest::newRow("whole") << 100 << TPoint{143, 271} << TPoint{143, 286};
        QTest::newRow("1.5") << 150 << TPoint{143, 264} << TPoint{143, 287};
        QTest::newRow("2.0") << 200 << TPoint{144, 257} << TPoint{144, 287};
    }
    void enlargedMarkAtHalfTurn()
    {
        QFETCH(int, percent);
        QFETCH(TPoint, inner);
        QFETCH(TPoint, outer);
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm001kg);
        dial.SetStretchRatePercent(static_cast<std::uint8_t>(percent));
        dial.SetValue(500);
        QCOMPARE(dial.TypeHandLocation(), hl4Bottom);
        // The last level draws every 100 g from 0: its sixth mark is 500 g.
        const std::vector<TMark> marks = Marks(dial);
        const TMark& mark = marks[marks.size() - 11 + 5];
        QCOMPARE(mark.Inner, inner);
        QCOMPARE(mark.Outer, outer);
    }

    void marksPointTheFourWays()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm001kg);
        const std::vector<TMark> marks = Marks(dial);
        const TMark* last = &marks[marks.size() - 11];  // 0, 100, ... 1000 g
        QCOMPARE(last[0].Inner.X, 143);
        QCOMPARE(last[0].Outer.X, 143);
        QVERIFY(last[0].Outer.Y < last[0].Inner.Y);  // up
        QCOMPARE(last[5].Inner.X, 143);
        QVERIFY(last[5].Outer.Y > last[5].Inner.Y);  // down
        QCOMPARE(last[10].Inner, last[0].Inner);     // the full turn is the top again
        dial.SetTypeValueMax(vm002kg);
        dial.SetValueMax(2000);
        const std::vector<TMark> marks2 = Marks(dial);
        const TMark* every100 = &marks2[marks2.size() - 21];
        QCOMPARE(every100[5].Inner.Y, 143);  // 500 of 2000: right
        QVERIFY(every100[5].Outer.X > every100[5].Inner.X);
        QCOMPARE(every100[15].Inner.Y, 143);  // 1500: left
        QVERIFY(every100[15].Outer.X < every100[15].Inner.X);
    }

    void eachMarkEndsHalfItsOwnPenInsideTheRim()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm001kg);
        dial.SetWidthBorderLine(5);
        dial.SetWidthScale3(3);
        const std::vector<TMark> marks = Marks(dial);
        const TMark& top = marks[marks.size() - 11];
        QCOMPARE(top.PenWidth, 3);
        QCOMPARE(top.Outer, (TPoint{143, 2}));  // 143 - 141.5 = 1.5 rounds to 2
        dial.SetWidthScale3(1);
        QCOMPARE(Marks(dial)[marks.size() - 11].Outer, (TPoint{143, 1}));
    }

    void levelsOfEachCapacity_data()
    {
        QTest::addColumn<TTypeValueMax>("capacity");
        QTest::addColumn<TTypeBoardScale>("density");
        QTest::addColumn<TTypeShowScalePer200>("per200");
        // Marks per inner radius: 137 (finest), 134, 131, 128 (longest) on 285 pixels.
        QTest::addColumn<QList<int>>("counts");
        using L = QList<int>;
        QTest::newRow("1kg dense shown") << vm001kg << bsDensely << ssShow << L{200, 80, 10, 11};
        QTest::newRow("1kg dense hidden") << vm001kg << bsDensely << ssHide << L{0, 80, 10, 11};
        QTest::newRow("1kg sparse shown") << vm001kg << bsSparsely << ssShow << L{0, 0, 10, 11};
        QTest::newRow("2kg dense") << vm002kg << bsDensely << ssShow << L{160, 20, 21, 0};
        QTest::newRow("2kg dense hidden") << vm002kg << bsDensely << ssHide << L{160, 20, 21, 0};
        QTest::newRow("2kg sparse") << vm002kg << bsSparsely << ssShow << L{0, 20, 21, 0};
        QTest::newRow("5kg dense") << vm005kg << bsDensely << ssShow << L{200, 25, 26, 0};
        QTest::newRow("5kg dense hidden") << vm005kg << bsDensely << ssHide << L{200, 25, 26, 0};
        QTest::newRow("5kg sparse") << vm005kg << bsSparsely << ssHide << L{0, 25, 26, 0};
        QTest::newRow("10kg dense shown") << vm010kg << bsDensely << ssShow << L{200, 98, 10, 11};
        QTest::newRow("10kg dense hidden") << vm010kg << bsDensely << ssHide << L{0, 98, 10, 11};
        QTest::newRow("10kg sparse") << vm010kg << bsSparsely << ssShow << L{0, 0, 10, 11};
        QTest::newRow("20kg dense") << vm020kg << bsDensely << ssShow << L{196, 38, 21, 0};
        QTest::newRow("20kg dense hidden") << vm020kg << bsDensely << ssHide << L{196, 38, 21, 0};
        QTest::newRow("20kg sparse") << vm020kg << bsSparsely << ssHide << L{0, 38, 21, 0};
        QTest::newRow("50kg dense") << vm050kg << bsDensely << ssShow << L{245, 48, 26, 0};
        QTest::newRow("50kg sparse") << vm050kg << bsSparsely << ssShow << L{0, 48, 26, 0};
        QTest::newRow("100kg dense shown") << vm100kg << bsDensely << ssShow << L{200, 100, 20, 11};
        QTest::newRow("100kg dense hidden") << vm100kg << bsDensely << ssHide << L{0, 100, 20, 11};
        QTest::newRow("100kg sparse") << vm100kg << bsSparsely << ssShow << L{0, 0, 20, 11};
    }
    void levelsOfEachCapacity()
    {
        QFETCH(TTypeValueMax, capacity);
        QFETCH(TTypeBoardScale, density);
        QFETCH(TTypeShowScalePer200, per200);
        QFETCH(QList<int>, counts);
        TPlatformScale dial;
        MakeWorksheetDial(dial, capacity);
        dial.SetTypeBoardScale(density);
        dial.SetTypeShowScalePer200(per200);
        const std::map<int, int> byRadius = CountByRadius(dial);
        QList<int> found;
        for (int radius : {137, 134, 131, 128})
            found << (byRadius.count(radius) ? byRadius.at(radius) : 0);
        QCOMPARE(found, counts);
    }

    void levelsDrawWithTheirOwnPens()
    {
        for (TTypeValueMax capacity : {vm001kg, vm002kg, vm010kg, vm050kg, vm100kg}) {
            TPlatformScale dial;
            MakeWorksheetDial(dial, capacity);
            dial.SetTypeShowScalePer200(ssShow);
            dial.SetWidthScale1(2);
            dial.SetWidthScale2(3);
            dial.SetWidthScale3(4);
            const bool fourLevels = capacity == vm001kg || capacity == vm010kg || capacity == vm100kg;
            const std::map<int, int> pen = fourLevels
                ? std::map<int, int>{{137, 2}, {134, 2}, {131, 3}, {128, 4}}
                : std::map<int, int>{{137, 2}, {134, 3}, {131, 4}};
            for (const TMark& mark : Marks(dial)) {
                QCOMPARE(mark.PenWidth, pen.at(LevelRadius(mark)));
            }
        }
    }

    void tenKgMiddleLevelLeavesOutTheHalfAndWholeTurns()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm010kg);
        std::set<std::pair<int, int>> middle;
        for (const TMark& mark : Marks(dial))
            if (LevelRadius(mark) == 134)
                middle.insert({mark.Inner.X, mark.Inner.Y});
        QCOMPARE(static_cast<int>(middle.size()), 98);
        QVERIFY(!middle.count({143, 9}));    // 0 g and 10 kg
        QVERIFY(!middle.count({143, 277}));  // 5 kg
    }

    void fiftyKgLongestLevelMarksTheTopTwice()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm050kg);
        std::set<std::pair<int, int>> positions;
        int count = 0;
        for (const TMark& mark : Marks(dial))
            if (LevelRadius(mark) == 131) {
                ++count;
                positions.insert({mark.Inner.X, mark.Inner.Y});
            }
        QCOMPARE(count, 26);
        QCOMPARE(static_cast<int>(positions.size()), 25);
    }

    void marksSpreadOverTheWrittenCapacity()
    {
        // A 2 kg dial whose turn is 1 kg: the same 100 g steps, half as many, twice as far apart.
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm002kg);
        dial.SetValueMax(1000);
        std::map<int, int> byRadius = CountByRadius(dial);
        QCOMPARE(byRadius[137], 80);
        QCOMPARE(byRadius[134], 10);
        QCOMPARE(byRadius[131], 11);
        const std::vector<TMark> marks = Marks(dial);
        QCOMPARE(marks[marks.size() - 11 + 5].Inner, (TPoint{143, 274}));  // 500 g at the bottom
    }

    void zeroCapacityDrawsOnlyTheMarksAtTheTop()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm001kg);
        dial.SetTypeShowScalePer200(ssShow);
        dial.SetValueMax(0);
        const std::vector<TMark> marks = Marks(dial);
        QCOMPARE(static_cast<int>(marks.size()), 1);  // only the longest level accepts index 0
        QCOMPARE(marks[0].Inner, (TPoint{143, 15}));
        QCOMPARE(marks[0].Outer, (TPoint{143, 1}));
    }

    // 1 kg table with a turn of 100 000 g: 20 000 marks on the finest level, far past
    // the bound. Drawn bounded, that level must look as it would with every mark: a whole
    // black band round the turn, differing only in antialiased pixels at its edges. (The
    // coarser levels are left out: their own bands would hide a bare part.)
    void ringPastTheMarkBoundStaysWhole()
    {
        TScaleProperties dial;
        dial.Diameter = 285;
        dial.WidthBorderLine = 2;
        dial.WidthHand = 12;
        dial.TypeValueMax = vm001kg;
        dial.ValueMax = 100000;
        dial.TypeShowScalePer200 = ssShow;
        TScalePainter painter;
        QElapsedTimer clock;
        clock.start();
        TRecordingCanvas all;
        painter.Paint(dial, all);
        QVERIFY2(clock.elapsed() < 250, qPrintable(QString::number(clock.elapsed())));

        auto render = [](TScaleLayout Layout) {
            Layout.Levels.resize(1);
            Layout.Numerals.clear();
            QImage image(285, 285, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter qpainter(&image);
            TQtCanvas canvas(qpainter);
            TScalePainter::Replay(Layout, canvas);
            return image;
        };
        const QImage bounded = render(painter.Layout(dial));
        const QImage every = render(TScalePainter::UnboundedLayout(dial));
        // The band reaches from half a pen inside the level's radius out to the rim. Where
        // the two pictures differ, it is on those edges: the marks' square ends reach into
        // the pixels there at more angles or fewer.
        const double inner = 137 - 0.5, outer = 143;
        int dark = 0, offEdges = 0;
        for (int y = 0; y < 285; ++y)
            for (int x = 0; x < 285; ++x) {
                const int a = qGray(bounded.pixel(x, y)), b = qGray(every.pixel(x, y));
                dark += b < 64;
                const double r = std::hypot(x - 143, y - 143);
                if (std::abs(a - b) > 64 && std::min(std::abs(r - inner), std::abs(r - outer)) > 1.25)
                    ++offEdges;
            }
        QVERIFY2(dark > 5000, qPrintable(QString::number(dark)));  // the band itself
        QCOMPARE(offEdges, 0);
    }
};

QTEST_MAIN(TestDialMarks)
#include "test_dial_marks.moc"
