// The numerals of the seven capacities: every numeral's text, size, alignment and box
// at the worksheet's size; boxes in the enlarged view and with other turns; and the
// order of the whole paint.

#include "DialFixtures.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QtTest>

#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <utility>
#include <vector>

namespace {

QStringList TextsOf(const std::vector<TRecordedOp>& Texts)
{
    QStringList texts;
    for (const TRecordedOp& op : Texts)
        texts << QString::fromStdString(op.Text);
    return texts;
}
QStringList TextsOf(const TRecordingCanvas& Canvas) { return TextsOf(Canvas.Texts()); }

TRecordedOp TextOp(const TRecordingCanvas& Canvas, const std::string& Text)
{
    for (const TRecordedOp& op : Canvas.Texts())
        if (op.Text == Text)
            return op;
    qFatal("no numeral %s drawn", Text.c_str());
}

struct TExpectedNumeral {
    bool Big;
    unsigned Format;
    std::array<double, 4> Offsets;  // left, top, right, bottom, in multiples of the font size
};

// "7,9 s l 1/2 2/3 2 2/3" or "2-4,6-9 ...": the values, the font, the alignment and
// the four offsets of one table row.
std::vector<std::pair<int, TExpectedNumeral>> ParseRow(const QString& Row)
{
    const QStringList parts = Row.split(' ');
    const auto fraction = [](const QString& f) {
        const QStringList nd = f.split('/');
        return nd.size() == 2 ? nd[0].toDouble() / nd[1].toDouble() : f.toDouble();
    };
    TExpectedNumeral numeral{parts[1] == "b",
                             parts[2] == "l" ? DT_LEFT | DT_TOP : parts[2] == "c" ? DT_CENTER : DT_RIGHT,
                             {fraction(parts[3]), fraction(parts[4]), fraction(parts[5]), fraction(parts[6])}};
    std::vector<std::pair<int, TExpectedNumeral>> numerals;
    for (const QString& range : parts[0].split(',')) {
        const QStringList ends = range.split('-');
        for (int v = ends.first().toInt(); v <= ends.last().toInt(); ++v)
            numerals.emplace_back(v, numeral);
    }
    return numerals;
}

// The box of numeral v, placed as the dial places it: the anchor just inside the
// numeral circle at v's angle, each edge rounded half away from zero.
TRect ExpectedBox(int V, std::uint32_t ValueMax, int Divisor, int Size, const std::array<double, 4>& Offsets)
{
    constexpr long double pi = std::numbers::pi_v<long double>;
    const long double phi = V / (static_cast<long double>(ValueMax) / Divisor) * 12 * pi / 6 + pi / 2;
    const long double r = 131 - static_cast<long double>(Size * 5) / 6;
    const long double x = 143 - std::cos(phi) * r, y = 143 - std::sin(phi) * r;
    const auto round = [](long double e) { return static_cast<int>(std::round(e)); };
    return {round(x - Size * static_cast<long double>(Offsets[0])),
            round(y - Size * static_cast<long double>(Offsets[1])),
            round(x + Size * static_cast<long double>(Offsets[2])),
            round(y + Size * static_cast<long double>(Offsets[3]))};
}

// Restores the C locale whatever a test did to the default.
struct TLocaleGuard {
    ~TLocaleGuard() { QLocale::setDefault(QLocale::c()); }
};

}  // namespace

class TestDialNumerals : public QObject {
    Q_OBJECT
private slots:
    // Every numeral of the seven tables at the worksheet's size (285 pixels: board
    // radius 143, FRadius92 131, fonts of 11 and 21 points): its text, then per row
    // "values font align L T R B" (s small, b big; l left, c centre, r right). Set apart
    // from a neighbour's ink: 400 and 5kg, 10kg, 50kg lower, 18 higher, than their rows.
    void everyNumeralOfEachTable_data()
    {
        QTest::addColumn<TTypeValueMax>("capacity");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("1kg") << vm001kg << 100 << "0 100g 200g 300 400g 500 600g 700 800g 900 1kg"
                             << QStringList{"0 s c 1/2 2/3 1/2 1",     "1 s r 2 2/3 1 1",
                                            "2 b r 5/2 2/3 1/2 2/3",   "3 s r 7/4 2/3 1/2 2/3",
                                            "4 b r 2 1 1 1/3",         "5 s c 3/2 2/3 3/2 2/3",
                                            "6 b l 1 2/3 2 2/3",       "7,9 s l 1/2 2/3 2 2/3",
                                            "8 b l 1/2 2/3 5/2 2/3",   "10 b c 1 0 1 4/3"};
        QTest::newRow("2kg") << vm002kg << 100
                             << "0 100g 200 300 400 500g 600 700 800 900 1kg "
                                "1.1 1.2 1.3 1.4 1.5kg 1.6 1.7 1.8 1.9 2kg"
                             << QStringList{"0 s c 1/2 2/3 1/2 1",       "1 s r 3/2 2/3 3/2 1",
                                            "2-4 s r 2 2/3 5/6 1",       "5 b r 9/4 2/3 3/4 1",
                                            "6-9 s r 3/2 2/3 5/6 2/3",   "10 b c 5/3 4/3 4/3 1/3",
                                            "11-14 s l 3/4 2/3 5/4 2/3", "15 b l 1 2/3 2 1",
                                            "16-19 s l 3/4 2/3 5/4 2/3", "20 b c 23/24 0 25/24 4/3"};
        QTest::newRow("5kg") << vm005kg << 100
                             << "0 200g 400 600 800 1kg 1.2 1.4 1.6 1.8 2kg 2.2 2.4 2.6 2.8 "
                                "3kg 3.2 3.4 3.6 3.8 4kg 4.2 4.4 4.6 4.8 5kg"
                             << QStringList{"0 s c 1/2 2/3 1/2 1", "2 s r 3/2 2/3 3/2 5/3",
                                            "4 s r 2 31/60 1 49/60", "6,8 s r 2 2/3 1 2/3", "10,20 b r 3/2 2/3 1/2 2/3",
                                            "12,14,16,18,22,24,26,28 s c 1 2/3 1 2/3", "30,40 b l 1/2 2/3 3/2 2/3",
                                            "32,34,36,38,42,44,46,48 s l 1/2 2/3 3/2 2/3",
                                            "50 b c 23/24 -1/10 25/24 43/30"};
        QTest::newRow("10kg") << vm010kg << 100
                              << "0 0.5kg 1 1.5 2kg 2.5 3 3.5 4kg 4.5 5 5.5 6kg 6.5 7 7.5 8kg "
                                 "8.5 9 9.5 10kg"
                              << QStringList{"0 s c 1/2 2/3 1/2 2/3", "5 s r 3/2 2/3 3/2 5/3",
                                             "10,15,25,30,35,45 s r 9/4 2/3 1/2 2/3",
                                             "20 b r 9/4 2/3 1/2 2/3", "40 b r 9/4 1 1/2 1/3",
                                             "50 s c 3/2 1 3/2 1/3",
                                             "55,65,70,75,85,90,95 s l 1/2 2/3 3/2 1",
                                             "60,80 b l 1/2 2/3 3/2 1", "100 b c 3/2 -1/10 3/2 43/30"};
        QTest::newRow("20kg") << vm020kg << 1000
                              << "0 1kg 2 3 4 5kg 6 7 8 9 10kg 11 12 13 14 15kg 16 17 18 19 20kg"
                              << QStringList{"0 s c 1/2 2/3 1/2 1", "1 s r 1 2/3 1 1",
                                             "2-4,6-9 s r 1/2 2/3 1/2 2/3", "5 b r 3/2 2/3 1/2 1",
                                             "10 b c 3/2 4/3 3/2 1/3", "11-14,16-19 s l 1/2 2/3 1 2/3",
                                             "15 b l 1/2 2/3 5/2 1", "20 b c 5/4 0 7/4 4/3"};
        QTest::newRow("50kg") << vm050kg << 1000
                              << "0 2kg 4 6 8 10kg 12 14 16 18 20kg 22 24 26 28 30kg 32 34 36 38 "
                                 "40kg 42 44 46 48 50kg"
                              << QStringList{"0 s c 1/2 2/3 1/2 2/3", "2 s r 1 2/3 1 1",
                                             "4,6,8 s r 1/2 2/3 1/2 2/3", "10 b r 5/2 2/3 1/2 1",
                                             "20 b r 2 2/3 1 2/3",
                                             "12,14,16,22,24,26,28 s c 1 2/3 1 2/3", "18 s c 1 29/30 1 11/30",
                                             "30,40 b l 1/2 2/3 5/2 1",
                                             "32,34,36,38,42,44,46,48 s l 1/2 2/3 1 2/3",
                                             "50 b c 5/4 -1/10 7/4 43/30"};
        QTest::newRow("100kg") << vm100kg << 1000
                               << "0 5kg 10 15 20kg 25 30 35 40kg 45 50 55 60kg 65 70 75 80kg 85 "
                                  "90 95 100kg"
                               << QStringList{"0 s c 1/2 2/3 1/2 2/3", "5 s r 3/2 2/3 3/2 1",
                                              "10,15,25,30,35,45 s r 1 2/3 1/2 2/3",
                                              "20,40 b r 9/4 1 3/4 2/3", "50 s c 19/12 1 17/12 1/3",
                                              "55,65,70,75,85,90,95 s l 1/2 2/3 5/2 2/3",
                                              "60,80 b l 1/2 2/3 5/2 1", "100 b c 3/2 0 2 5/3"};
    }
    void everyNumeralOfEachTable()
    {
        QFETCH(TTypeValueMax, capacity);
        QFETCH(int, divisor);
        QFETCH(QString, texts);
        QFETCH(QStringList, rows);
        std::map<int, TExpectedNumeral> table;
        for (const QString& row : rows)
            for (const auto& [v, numeral] : ParseRow(row))
                QVERIFY2(table.emplace(v, numeral).second, qPrintable(row));

        TPlatformScale dial;
        MakeWorksheetDial(dial, capacity);
        const std::vector<TRecordedOp> drawn = Record(dial).Texts();
        QCOMPARE(TextsOf(drawn).join(' '), texts);
        QCOMPARE(drawn.size(), table.size());
        auto expected = table.begin();
        for (const TRecordedOp& op : drawn) {
            const auto [v, numeral] = *expected++;
            const int size = numeral.Big ? 21 : 11;
            const QString what = QString::fromStdString(op.Text);
            QVERIFY2(op.Font.Size == size, qPrintable(what + QStringLiteral(": size %1").arg(op.Font.Size)));
            QVERIFY2(op.Format == numeral.Format, qPrintable(what + QStringLiteral(": format %1").arg(op.Format)));
            const TRect box = ExpectedBox(v, dial.ValueMax(), divisor, size, numeral.Offsets);
            const auto edges = [](const TRect& b) {
                return QStringLiteral("(%1, %2, %3, %4)").arg(b.Left).arg(b.Top).arg(b.Right).arg(b.Bottom);
            };
            QVERIFY2(op.Box == box, qPrintable(what + ": box " + edges(op.Box) + ", expected " + edges(box)));
        }
    }

    // The numerals each level prints, of the dial's own turn or a shorter one.
    void levelChoosesTheNumeralsPrinted_data()
    {
        QTest::addColumn<TTypeValueMax>("capacity");
        QTest::addColumn<std::uint32_t>("valueMax");
        QTest::addColumn<TTypeShowNumerals>("level");
        QTest::addColumn<QString>("texts");
        QTest::newRow("10kg large") << vm010kg << 10000u << snLarge << "0 2kg 4kg 6kg 8kg 10kg";
        QTest::newRow("10kg ends") << vm010kg << 10000u << snEnds << "0 10kg";
        QTest::newRow("2kg to 500g large: every other") << vm002kg << 500u << snLarge << "0 200 400 500g";
    }
    void levelChoosesTheNumeralsPrinted()
    {
        QFETCH(TTypeValueMax, capacity);
        QFETCH(std::uint32_t, valueMax);
        QFETCH(TTypeShowNumerals, level);
        QFETCH(QString, texts);
        TPlatformScale dial;
        MakeWorksheetDial(dial, capacity);
        dial.SetValueMax(valueMax);
        dial.SetTypeShowNumerals(level);
        QCOMPARE(TextsOf(Record(dial)).join(' '), texts);
    }

    void numeralPassSetsItsOwnCanvas()
    {
        TPlatformScale dial;
        MakeWorksheetDial(dial);
        dial.SetBoardColor(0x00C0FF);
        const std::vector<TRecordedOp> texts = Record(dial).Texts();
        QCOMPARE(texts.size(), std::size_t{21});
        for (const TRecordedOp& op : texts) {
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
