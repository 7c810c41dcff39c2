// What a typed answer stands for, in grams, in each form of blank: kilograms however
// they are written, full-width digits, and the answers that stand for no weight. Then
// the name of a wrong answer on dials of several capacities, and the way to read one.

#include "practice/Marking.h"
#include "practice/Mistakes.h"

#include <QtTest>

Q_DECLARE_METATYPE(TBlankForm)
Q_DECLARE_METATYPE(TMistake)
Q_DECLARE_METATYPE(TDialDrawing)

class TestMarking : public QObject {
    Q_OBJECT

private slots:
    void answersReadAsGrams_data()
    {
        QTest::addColumn<TBlankForm>("form");
        QTest::addColumn<QString>("kilograms");
        QTest::addColumn<QString>("grams");
        QTest::addColumn<int>("expected");  // -1: stands for no weight
        const auto row = [](const char* Name, TBlankForm Form, const char* Kg, const char* G, int Expected) {
            QTest::newRow(Name) << Form << QString::fromUtf8(Kg) << QString::fromUtf8(G) << Expected;
        };
        row("kg 1.25", bfKilograms, "1.25", "", 1250);
        row("kg 1.250", bfKilograms, "1.250", "", 1250);
        row("kg full-width", bfKilograms, "１．２５", "", 1250);
        row("kg trailing zeros", bfKilograms, "1.25000", "", 1250);
        row("kg whole", bfKilograms, "2", "", 2000);
        row("kg point first", bfKilograms, ".05", "", 50);
        row("kg fraction of a gram", bfKilograms, "1.2505", "", -1);
        row("kg two points", bfKilograms, "1.2.5", "", -1);
        row("kg point alone", bfKilograms, ".", "", -1);
        row("kg empty", bfKilograms, "", "", -1);
        row("g", bfGrams, "", "1250", 1250);
        row("g full-width", bfGrams, "", "１２５０", 1250);
        row("g with a point", bfGrams, "", "12.5", -1);
        row("g empty", bfGrams, "", "", -1);
        row("kg-g", bfKilogramsAndGrams, "1", "250", 1250);
        row("kg-g no grams", bfKilogramsAndGrams, "2", "0", 2000);
        row("kg-g full-width", bfKilogramsAndGrams, "１", "０５０", 1050);
        row("kg-g grams past a kilogram", bfKilogramsAndGrams, "1", "1250", -1);
        row("kg-g kilograms empty", bfKilogramsAndGrams, "", "250", -1);
        row("kg-g grams empty", bfKilogramsAndGrams, "1", "", 1000);
        row("kg-g grams a kilogram", bfKilogramsAndGrams, "0", "1000", -1);
        row("g full-width past nine digits", bfGrams, "", "９８７６５４３２１０", -1);
        row("g full-width digits", bfGrams, "", "１２３４５６７８９", 123456789);
        row("g full-width zero", bfGrams, "", "０", 0);
        row("kg-g point in kilograms", bfKilogramsAndGrams, "1.5", "0", -1);
    }

    void answersReadAsGrams()
    {
        QFETCH(TBlankForm, form);
        QFETCH(QString, kilograms);
        QFETCH(QString, grams);
        QFETCH(int, expected);
        const std::optional<std::uint32_t> read = AnswerGrams(form, {kilograms, grams});
        QCOMPARE(read ? static_cast<int>(*read) : -1, expected);
    }

    // Dials: 2 kg dense, finest mark 10 g, numerals every 100 g; 5 kg dense, 20 g, every
    // 200 g; 10 kg sparse, 500 g, every 500 g (only 0, 2, 4 ... 10 kg with the large
    // numerals); 50 kg dense with 1/200, 200 g, every 2 kg. A form of -1 is a needle
    // the pupil set to the grams in the last box.
    void mistakesAreNamed_data()
    {
        QTest::addColumn<TDialDrawing>("dial");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("kilograms");
        QTest::addColumn<QString>("grams");
        QTest::addColumn<TMistake>("expected");
        const TDialDrawing kg2 = DialDrawing(vm002kg, bsDensely, ssHide, snAll);
        const TDialDrawing kg5 = DialDrawing(vm005kg, bsDensely, ssHide, snAll);
        const TDialDrawing kg10 = DialDrawing(vm010kg, bsSparsely, ssHide, snAll);
        const TDialDrawing kg10Large = DialDrawing(vm010kg, bsSparsely, ssHide, snLarge);
        const TDialDrawing kg50 = DialDrawing(vm050kg, bsDensely, ssShow, snAll);
        const auto row = [](const char* Name, const TDialDrawing& Dial, int Right, int Form, const char* Kg,
                            const char* G, TMistake Expected) {
            QTest::newRow(Name) << Dial << Right << Form << QString::fromUtf8(Kg) << QString::fromUtf8(G) << Expected;
        };
        using enum TMistake;
        const int needle = -1, g = bfGrams, kg = bfKilograms, kgG = bfKilogramsAndGrams;
        // 1260 g on the 2 kg dial: 1200 g and six marks, 1300 g next.
        row("2kg right", kg2, 1260, kgG, "1", "260", None);
        row("2kg one mark up", kg2, 1260, kgG, "1", "270", OneMarkOff);
        row("2kg two marks up", kg2, 1260, kgG, "1", "280", None);
        row("2kg grams a tenth", kg2, 1260, kgG, "1", "26", KilogramsAndGrams);
        row("2kg grams ten times", kg2, 1260, kgG, "1", "2600", KilogramsAndGrams);
        row("2kg grams other digits", kg2, 1260, kgG, "1", "25", None);
        row("2kg kg box in grams", kg2, 1260, kg, "1260", "", KilogramsAndGrams);
        row("2kg kg box point moved down", kg2, 1260, kg, "０．１２６", "", KilogramsAndGrams);
        row("2kg kg box digits turned", kg2, 1260, kg, "1.62", "", None);
        row("2kg g box point left out", kg2, 1260, g, "", "126", KilogramsAndGrams);
        row("2kg marks of 20 g", kg2, 1260, kgG, "1", "320", MarkSize);
        row("2kg marks of no size", kg2, 1260, kgG, "1", "330", None);
        row("2kg numeral below", kg2, 1260, kgG, "1", "200", Numeral);
        row("2kg numeral above", kg2, 1260, kgG, "1", "300", Numeral);
        row("2kg wrong side", kg2, 1260, kgG, "1", "240", WrongSide);
        row("2kg near the wrong side", kg2, 1260, kgG, "1", "220", None);
        row("2kg on a numeral, the next", kg2, 1200, kgG, "1", "300", None);
        row("2kg needle wrong side", kg2, 1260, needle, "", "1240", WrongSide);
        row("2kg g box kilograms", kg2, 1000, g, "", "1", KilogramsAndGrams);
        row("2kg g box other", kg2, 1000, g, "", "2", None);
        row("2kg g box ten times", kg2, 100, g, "", "1000", KilogramsAndGrams);
        row("2kg needle ten times", kg2, 100, needle, "", "1000", None);
        // 3860 g on the 5 kg dial: 3800 g and three marks, 4000 g next.
        row("5kg one mark down", kg5, 3860, kg, "3.84", "", OneMarkOff);
        row("5kg marks of 10 g", kg5, 3860, kg, "3.83", "", MarkSize);
        row("5kg marks of no size", kg5, 3860, kg, "3.87", "", None);
        row("5kg wrong side", kg5, 3860, kg, "3.94", "", WrongSide);
        row("5kg zero left out", kg5, 1040, kg, "1.4", "", KilogramsAndGrams);
        row("5kg other fraction", kg5, 1040, kg, "1.3", "", None);
        // 3500 g on the 10 kg sparse dial is a numeral and a mark; with the large numerals
        // only, it is 2 kg and three marks, 4 kg next.
        row("10kg one mark down", kg10, 3500, kg, "3", "", OneMarkOff);
        row("10kg two marks up", kg10, 3500, kg, "4.5", "", None);
        row("10kg numeral two marks down", kg10, 3500, kg, "2", "", None);
        row("10kg grams a tenth", kg10, 3500, kgG, "3", "50", KilogramsAndGrams);
        row("10kg grams other", kg10, 3500, kgG, "3", "55", None);
        row("10kg large numeral below", kg10Large, 3500, kg, "2", "", Numeral);
        row("10kg large wrong side", kg10Large, 3500, kg, "2.5", "", WrongSide);
        row("10kg large marks of 1 kg", kg10Large, 3500, kg, "5", "", MarkSize);
        row("10kg large past the numerals", kg10Large, 3500, kg, "6", "", None);
        // 23400 g on the 50 kg dial: 22 kg and seven marks, 24 kg next.
        row("50kg right", kg50, 23400, kgG, "23", "400", None);
        row("50kg one mark up", kg50, 23400, kgG, "23", "600", OneMarkOff);
        row("50kg wrong side", kg50, 23400, kgG, "22", "600", WrongSide);
        row("50kg numeral below", kg50, 23400, kgG, "22", "", Numeral);
        row("50kg grams a tenth", kg50, 23400, kgG, "23", "40", KilogramsAndGrams);
        row("50kg all in grams", kg50, 23400, kgG, "0", "23400", KilogramsAndGrams);
        row("50kg grams beside a kilogram", kg50, 23400, kgG, "1", "23400", None);
        row("50kg kg box point left out", kg50, 23400, kgG, "234", "", KilogramsAndGrams);
        // 23600 g: 22 kg and eight marks; 22.4 kg is both eight marks of 50 g and the
        // wrong side, and the mark size comes first.
        row("50kg marks of 100 g", kg50, 23600, kgG, "22", "800", MarkSize);
        row("50kg marks of 50 g first", kg50, 23600, kgG, "22", "400", MarkSize);
    }

    void mistakesAreNamed()
    {
        QFETCH(TDialDrawing, dial);
        QFETCH(int, right);
        QFETCH(int, form);
        QFETCH(QString, kilograms);
        QFETCH(QString, grams);
        QFETCH(TMistake, expected);
        const auto t = static_cast<std::uint32_t>(right);
        const TMistake named = form < 0 ? NameMistake(dial, t, grams.toUInt())
                                        : NameMistake(dial, t, TBlankForm(form), {kilograms, grams});
        QCOMPARE(int(named), int(expected));
    }

    void readingWayIsWritten_data()
    {
        QTest::addColumn<TDialDrawing>("dial");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* Name, const TDialDrawing& Dial, int Right, TAnswerUnit Unit,
                            const char* Separator, const char* Expected) {
            QTest::newRow(Name) << Dial << Right << int(Unit) << QString::fromUtf8(Separator)
                                << QString::fromUtf8(Expected);
        };
        row("5kg marks", DialDrawing(vm005kg, bsDensely, ssHide, snAll), 3860, auKilogramsAndGrams, ".",
            "3.8kg から 小さい目もり3つ (1つ20g) → 3kg 860g");
        row("5kg comma", DialDrawing(vm005kg, bsDensely, ssHide, snAll), 3860, auKilograms, ",",
            "3,8kg から 小さい目もり3つ (1つ20g) → 3,86kg");
        row("2kg grams numeral", DialDrawing(vm002kg, bsDensely, ssHide, snAll), 310, auKilogramsAndGrams, ".",
            "300g から 小さい目もり1つ (1つ10g) → 310g");
        row("2kg zero", DialDrawing(vm002kg, bsDensely, ssHide, snAll), 60, auGrams, ".",
            "0g から 小さい目もり6つ (1つ10g) → 60g");
        row("10kg on a numeral", DialDrawing(vm010kg, bsSparsely, ssHide, snAll), 500, auKilogramsAndGrams, ".",
            "数字0.5kgのところ → 500g");
        row("10kg large numerals", DialDrawing(vm010kg, bsSparsely, ssHide, snLarge), 3500, auKilograms, ".",
            "2kg から 小さい目もり3つ (1つ500g) → 3.5kg");
    }

    void readingWayIsWritten()
    {
        QFETCH(TDialDrawing, dial);
        QFETCH(int, right);
        QFETCH(int, unit);
        QFETCH(QString, separator);
        QFETCH(QString, expected);
        const auto t = static_cast<std::uint32_t>(right);
        QCOMPARE(ReadingWayText(ReadingWay(dial, t), TAnswerUnit(unit), t, separator), expected);
    }
};

QTEST_GUILESS_MAIN(TestMarking)
#include "test_marking.moc"
