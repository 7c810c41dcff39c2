// The numerals of the seven capacities: which are drawn, their texts, sizes, flags and
// boxes, whole and enlarged; and the order of the whole paint.

#include "DialFixtures.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QtTest>

#include <limits>

namespace {

QStringList TextsOf(const TRecordingCanvas& Canvas)
{
    QStringList texts;
    for (const TRecordedOp& op : Canvas.Texts())
        texts << QString::fromStdString(op.Text);
    return texts;
}

TRecordedOp TextOp(const TRecordingCanvas& Canvas, const std::string& Text)
{
    for (const TRecordedOp& op : Canvas.Texts())
        if (op.Text == Text)
            return op;
    return {};
}

// Restores the C locale whatever a test did to the default.
struct TLocaleGuard {
    ~TLocaleGuard() { QLocale::setDefault(QLocale::c()); }
};

}  // namespace

class TestDialNumerals : public QObject {
    Q_OBJECT
private slots:
    void textsOfEachCapacity_data()
    {
        QTest::addColumn<TTypeValueMax>("capacity");
        QTest::addColumn<QString>("texts");
        QTest::newRow("1kg") << vm001kg << "0 100g 200g 300 400g 500 600g 700 800g 900 1kg";
        QTest::newRow("2kg") << vm002kg
                             << "0 100g 200 300 400 500g 600 700 800 900 1kg "
                                "1.1 1.2 1.3 1.4 1.5kg 1.6 1.7 1.8 1.9 2kg";
        QTest::newRow("5kg") << vm005kg
                             << "0 200g 400 600 800 1kg 1.2 1.4 1.6 1.8 2kg 2.2 2.4 2.6 2.8 "
                                "3kg 3.2 3.4 3.6 3.8 4kg 4.2 4.4 4.6 4.8 5kg";
        QTest::newRow("10kg") << vm010kg
                              << "0 0.5kg 1 1.5 2kg 2.5 3 3.5 4kg 4.5 5 5.5 6kg 6.5 7 7.5 8kg "
                                 "8.5 9 9.5 10kg";
        QTest::newRow("20kg") << vm020kg
                              << "0 1kg 2 3 4 5kg 6 7 8 9 10kg 11 12 13 14 15kg 16 17 18 19 20kg";
        QTest::newRow("50kg") << vm050kg
                              << "0 2kg 4 6 8 10kg 12 14 16 18 20kg 22 24 26 28 30kg 32 34 36 38 "
                                 "40kg 42 44 46 48 50kg";
        QTest::newRow("100kg") << vm100kg
                               << "0 5kg 10 15 20kg 25 30 35 40kg 45 50 55 60kg 65 70 75 80kg 85 "
                                  "90 95 100kg";
    }
    void textsOfEachCapacity()
    {
        QFETCH(TTypeValueMax, capacity);
        QFETCH(QString, texts);
        TPlatformScale dial;
        MakeWorksheetDial(dial, capacity);
        QCOMPARE(TextsOf(Record(dial)).join(' '), texts);
    }

    void sizesAndAlignmentsFollowTheRows()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm001kg);
        const TRecordingCanvas canvas = Record(dial);
        QCOMPARE(TextOp(canvas, "0").Font.Size, 11);
        QCOMPARE(TextOp(canvas, "0").Format, DT_CENTER);
        QCOMPARE(TextOp(canvas, "100g").Font.Size, 11);
        QCOMPARE(TextOp(canvas, "100g").Format, DT_RIGHT);
        QCOMPARE(TextOp(canvas, "200g").Font.Size, 21);
        QCOMPARE(TextOp(canvas, "600g").Format, DT_LEFT | DT_TOP);
        QCOMPARE(TextOp(canvas, "1kg").Font.Size, 21);
        QCOMPARE(TextOp(canvas, "1kg").Format, DT_CENTER);

        MakeWorksheetDial(dial, vm010kg);
        const TRecordingCanvas ten = Record(dial);
        QCOMPARE(TextOp(ten, "0.5kg").Font.Size, 11);  // the first numeral after 0 is small
        QCOMPARE(TextOp(ten, "5").Font.Size, 11);      // a whole kilogram, no unit, small
        QCOMPARE(TextOp(ten, "5").Format, DT_CENTER);
        QCOMPARE(TextOp(ten, "6kg").Font.Size, 21);
    }

    void numeralPassSetsItsOwnCanvas()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial);
        dial.SetBoardColor(0x00C0FF);
        for (const TRecordedOp& op : Record(dial).Texts()) {
            QCOMPARE(op.BrushStyle, bsClear);  // the board and needle show between the strokes
            QCOMPARE(op.Font.Color, clWindowText);
            QCOMPARE(op.Pen.Color, clBlack);
            QCOMPARE(op.Pen.Style, psSolid);
        }
    }

    void zeroAndCapacityStandAtTheTop()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial);
        const TRecordingCanvas canvas = Record(dial);
        QCOMPARE(TextOp(canvas, "0").Box, (TRect{138, 14, 149, 32}));
        // The bottom edge 29.5 + 21 * (4/3 as a double) stays below 57.5 in extended
        // precision; in double it would be exactly 57.5 and round to 58.
        QCOMPARE(TextOp(canvas, "2kg").Box, (TRect{123, 30, 165, 57}));
        QCOMPARE(dial.Layout().Numerals.back().Text, std::string("2kg"));  // the last numeral drawn
        QCOMPARE(dial.Layout().Numerals.back().Box, (TRect{123, 30, 165, 57}));
    }

    void enlargedZeroKeepsItsFontSize()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial);
        dial.SetStretchRatePercent(150);
        QCOMPARE(dial.TypeHandLocation(), hl0Top);
        const TRecordedOp zero = TextOp(Record(dial), "0");
        QCOMPARE(zero.Box, (TRect{131, 23, 155, 62}));  // from 135, 15, 151, 41 unzoomed
        QCOMPARE(zero.Font.Size, 16);
    }

    void kilogramFractionsUseTheLocaleSeparator()
    {
        TLocaleGuard guard;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm002kg);
        QVERIFY(TextsOf(Record(dial)).join(' ').endsWith("1kg 1,1 1,2 1,3 1,4 1,5kg 1,6 1,7 1,8 1,9 2kg"));
        MakeWorksheetDial(dial, vm005kg);
        QVERIFY(TextsOf(Record(dial)).contains("4,8"));
        MakeWorksheetDial(dial, vm010kg);
        QCOMPARE(TextsOf(Record(dial)).mid(0, 4), (QStringList{"0", "0,5kg", "1", "1,5"}));
        MakeWorksheetDial(dial, vm020kg);
        QVERIFY(TextsOf(Record(dial)).contains("15kg"));
    }

    void smallerTurnCutsTheNumeralsShort()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm002kg);
        dial.SetValueMax(1000);
        const TRecordingCanvas canvas = Record(dial);
        QCOMPARE(TextsOf(canvas).join(' '), QString("0 100g 200 300 400 500g 600 700 800 900 1kg"));
        const TRecordedOp kg = TextOp(canvas, "1kg");  // spread over the turn: 1 kg at the top
        QCOMPARE(kg.Font.Size, 21);
        QVERIFY(kg.Box.Left < 143 && kg.Box.Right > 143 && kg.Box.Bottom < 40);

        dial.SetValueMax(50);  // less than one unit: only the 0
        QCOMPARE(TextsOf(Record(dial)), QStringList{"0"});
        dial.SetValueMax(0);  // no turn at all: no numerals
        QCOMPARE(TextsOf(Record(dial)), QStringList{});
    }

    void largerTurnLeavesTheRestBare()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm002kg);
        dial.SetValueMax(4000);
        const TRecordingCanvas canvas = Record(dial);
        QCOMPARE(canvas.Texts().size(), std::size_t{21});
        const TRecordedOp kg = TextOp(canvas, "2kg");  // half a turn: at the bottom
        QCOMPARE(kg.Box, (TRect{123, 257, 165, 284}));
    }

    void hugeTurnStopsAtTheTablesLastNumeral()
    {
        // Four thousand million grams would mean tens of millions of empty look-ups.
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm002kg);
        dial.SetValueMax(std::numeric_limits<std::uint32_t>::max());
        QElapsedTimer clock;
        clock.start();
        const TRecordingCanvas canvas = Record(dial);
        QCOMPARE(canvas.Texts().size(), std::size_t{21});
        QVERIFY2(clock.elapsed() < 250, qPrintable(QString::number(clock.elapsed())));
    }

    void numeralsIgnoreDensityAndFinestMarks()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm010kg);
        auto boxes = [&dial] {
            QList<QList<int>> all;
            for (const TRecordedOp& op : Record(dial).Texts())
                all << QList<int>{op.Box.Left, op.Box.Top, op.Box.Right, op.Box.Bottom, op.Font.Size,
                                  static_cast<int>(op.Format)};
            return all;
        };
        const auto before = boxes();
        dial.SetTypeBoardScale(bsSparsely);
        dial.SetTypeShowScalePer200(ssShow);
        QCOMPARE(boxes(), before);
        dial.SetValue(3000);  // whole view: the needle moves, the numerals stay
        QCOMPARE(boxes(), before);

        dial.SetStretchRatePercent(150);
        dial.SetValue(0);
        const auto top = boxes();
        dial.SetValue(400);  // still the top eighth
        QCOMPARE(boxes(), top);
        dial.SetValue(5000);  // the bottom eighth: the view moves
        QVERIFY(boxes() != top);
    }

    void paintRunsBoardMarksNeedlePivotNumerals()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial, vm002kg);
        dial.SetWidthScale1(1);
        dial.SetWidthScale2(2);
        dial.SetWidthScale3(3);
        const TRecordingCanvas canvas = Record(dial);
        std::vector<TRecordedOp::TKind> expected{TRecordedOp::okEllipse};
        for (int mark = 0; mark < 160 + 20 + 21; ++mark) {
            expected.push_back(TRecordedOp::okMoveTo);
            expected.push_back(TRecordedOp::okLineTo);
        }
        expected.push_back(TRecordedOp::okPolygon);
        expected.push_back(TRecordedOp::okEllipse);
        expected.insert(expected.end(), 21, TRecordedOp::okDrawText);
        std::vector<TRecordedOp::TKind> kinds;
        for (const TRecordedOp& op : canvas.Ops)
            kinds.push_back(op.Kind);
        QVERIFY(kinds == expected);

        // Levels run finest first, each in ascending weight.
        const std::vector<TRecordedOp> lines = canvas.Lines();
        QCOMPARE(lines[0].Pen.Width, 1);
        QCOMPARE(lines[160].Pen.Width, 2);
        QCOMPARE(lines[180].Pen.Width, 3);
        QCOMPARE(lines[180].From, (TPoint{143, 12}));  // 0 g of the last level
        QVERIFY(lines[181].From.X > 143);              // 100 g, clockwise
        QCOMPARE(canvas.Texts().front().Text, std::string("0"));
        QCOMPARE(canvas.Texts().back().Text, std::string("2kg"));
    }
};

QTEST_MAIN(TestDialNumerals)
#include "test_dial_numerals.moc"
