// A sheet's view, with no window around it, shows the sheet it is given: each dial at
// its weight, whole or enlarged, the blanks and the red answers in the sheet's unit
// (answers only when asked for), the summary lines, and the code that brings the sheet
// back, once for each unit and each view.

#include "view/Fonts.h"
#include "dial/PlatformScale.h"
#include "sheet/SheetCode.h"
#include "view/SheetView.h"
#include "Texts.h"

#include <QLabel>
#include <QtTest>

class TestSheetView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { RegisterFontSubstitutions(); }

    void showsTheSheetItIsGiven_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<bool>("enlarged");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("unitSummary");
        // The answer forms: "1250g"; "1.25kg", "1kg", "0.05kg"; "1kg 250g", "1kg",
        // and grams alone below a kilogram.
        const QStringList grams{"1250g", "50g", "300g", "1000g", "1750g", "900g"};
        const QStringList kilograms{"1.25kg", "0.05kg", "0.3kg", "1kg", "1.75kg", "0.9kg"};
        const QStringList both{"1kg 250g", "50g", "300g", "1kg", "1kg 750g", "900g"};
        for (const bool enlarged : {false, true}) {
            const QByteArray view = enlarged ? "enlarged" : "whole";
            QTest::newRow("g " + view) << int(auGrams) << enlarged << grams << Texts::UnitGramsSummary.Text();
            QTest::newRow("kg " + view) << int(auKilograms) << enlarged << kilograms
                                       << Texts::UnitKilogramsSummary.Text();
            QTest::newRow("kg-g " + view) << int(auKilogramsAndGrams) << enlarged << both
                                         << Texts::UnitKilogramsAndGramsSummary.Text();
        }
    }

    void showsTheSheetItIsGiven()
    {
        QFETCH(int, unit);
        QFETCH(bool, enlarged);
        QFETCH(QStringList, answers);
        QFETCH(QString, unitSummary);
        TSheetSettings settings;
        settings.Step = 2;   // 50 g on a 2 kg dial
        settings.Unit = static_cast<TAnswerUnit>(unit);
        settings.Enlarged = enlarged;
        const TSheet drawn = *DrawSheet(settings, 2468);
        TSheet sheet = drawn;
        sheet.Weights = {1250, 50, 300, 1000, 1750, 900};

        TSheetView view;
        QCOMPARE(view.size(), QSize(1028, 740));
        view.SetSheet(sheet);
        const auto label = [&](const QString& Name) {
            auto* found = view.findChild<QLabel*>(Name);
            if (!found)
                qFatal("no label %s", qPrintable(Name));
            return found;
        };
        for (int i = 0; i < 6; ++i) {
            const auto* dial = view.findChild<TPlatformScale*>(QStringLiteral("PlatformScale%1").arg(i + 1));
            QCOMPARE(dial->Value(), sheet.Weights[i]);
            QCOMPARE(dial->ValueMax(), 2000U);
            QCOMPARE(int(dial->StretchRatePercent()), enlarged ? 150 : 100);
            const QString blank = label(QStringLiteral("LabelAnswer%1").arg(i + 1))->text();
            if (unit == auGrams)
                QCOMPARE(blank, Texts::BlankGrams);
            else if (unit == auKilograms)
                QCOMPARE(blank, Texts::BlankKilograms);
            else
                QCOMPARE(blank, sheet.Weights[i] < 1000 ? Texts::BlankGrams : Texts::BlankKilogramsAndGrams);
            QVERIFY(label(QStringLiteral("LabelKey%1").arg(i + 1))->isHidden());
        }
        QVERIFY(label(QStringLiteral("LabelKeyTitle"))->isHidden());
        const QString summary = label(QStringLiteral("LabelHyoudai1"))->text() + label(QStringLiteral("LabelHyoudai2"))->text();
        QVERIFY2(summary.contains(enlarged ? Texts::EnlargedSummary : Texts::WholeSummary), qPrintable(summary));
        QVERIFY2(summary.contains(unitSummary), qPrintable(summary));
        QVERIFY2(summary.contains(QStringLiteral("刻み:50g")), qPrintable(summary));
        // Weights that are not the draw of the sheet's seed have no code to bring them back.
        QVERIFY(label(QStringLiteral("LabelSheetCode"))->isHidden());

        view.SetAnswersShown(true);
        for (int i = 0; i < 6; ++i) {
            const QLabel* key = label(QStringLiteral("LabelKey%1").arg(i + 1));
            QVERIFY(!key->isHidden());
            QCOMPARE(key->text(), answers[i]);
        }
        QVERIFY(!label(QStringLiteral("LabelKeyTitle"))->isHidden());

        view.SetSheet(drawn);
        QVERIFY(!label(QStringLiteral("LabelSheetCode"))->isHidden());
        QCOMPARE(label(QStringLiteral("LabelSheetCode"))->text(), SheetCode(drawn));
        QCOMPARE(*ReadSheetCode(label(QStringLiteral("LabelSheetCode"))->text()).Sheet, drawn);
    }
};

QTEST_MAIN(TestSheetView)
#include "test_sheet_view.moc"
