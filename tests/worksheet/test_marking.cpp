// What a typed answer stands for, in grams, in each form of blank: kilograms however
// they are written, full-width digits, and the answers that stand for no weight.

#include "practice/Marking.h"

#include <QtTest>

Q_DECLARE_METATYPE(TBlankForm)

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
        row("kg-g grams empty", bfKilogramsAndGrams, "1", "", -1);
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
};

QTEST_GUILESS_MAIN(TestMarking)
#include "test_marking.moc"
