// Drawing sheets: "更新(&N)" draws six weights from the multiples of the step below
// the capacity, and the blanks and summary lines follow the settings.

#include "WorksheetDriver.h"

#include <QListWidget>
#include <QtTest>


class TestSheet : public QObject {
    Q_OBJECT
private slots:
    void renewReproducesTheWorkedExample()
    {
        Sheet sheet;
        sheet.Random->Queue({4, 0, 16, 9, 9, 2});
        sheet.Click("ButtonNew");
        const QStringList weights{"500", "100", "1900", "1200", "1300", "400"};
        const QStringList blanks{"    　  g", "    　  g", " kg 　  g", " kg 　  g", " kg 　  g",
                                 "    　  g"};
        for (int p = 1; p <= 6; ++p) {
            QCOMPARE(sheet.TableWeight(p), weights[p - 1]);
            QCOMPARE(sheet.Dial(p)->Value(), weights[p - 1].toUInt());
            QCOMPARE(sheet.Blank(p), blanks[p - 1]);
        }
        // What is left to draw from: 19 candidates less the six drawn.
        QCOMPARE(sheet.Find<QListWidget>("ListBoxWeight")->count(), 13);
    }

    void blanksFollowTheUnitAndEachDialsWeight()
    {
        // 900 g and 1000 g sit either side of the kilogram boundary.
        Sheet sheet({8, 8, 0, 0, 0, 0});
        QCOMPARE(sheet.Dial(1)->Value(), 900u);
        QCOMPARE(sheet.Dial(2)->Value(), 1000u);
        QCOMPARE(sheet.Blank(1), QStringLiteral("    　  g"));
        QCOMPARE(sheet.Blank(2), QStringLiteral(" kg 　  g"));
        sheet.Choose("RadioGroupUnit", 0);
        QCOMPARE(sheet.Blank(2), QStringLiteral("    　  g"));
        QVERIFY(sheet.Text("LabelHyoudai2").endsWith(QStringLiteral("単位:g")));
        sheet.Choose("RadioGroupUnit", 1);
        QCOMPARE(sheet.Blank(1), QStringLiteral("    　 kg"));
        QVERIFY(sheet.Text("LabelHyoudai2").endsWith(QStringLiteral("単位:kg")));
    }

    void typingARangeChangesOnlyTheSecondSummaryLine()
    {
        Sheet sheet;
        const auto weight = sheet.Dial(1)->Value();
        sheet.Type("SpinEditMin", QStringLiteral("150"));
        sheet.Type("SpinEditMax", QStringLiteral("1500"));
        QVERIFY(sheet.Text("LabelHyoudai2").startsWith(QStringLiteral("範囲:150g ～ 1kg, ")));
        QCOMPARE(sheet.Dial(1)->Value(), weight);
        // An emptied upper box reads, and then shows, the capacity.
        sheet.Type("SpinEditMax", QString());
        QCOMPARE(sheet.Find<TSpinEdit>("SpinEditMax")->text(), QStringLiteral("2000"));
        QVERIFY(sheet.Text("LabelHyoudai2").startsWith(QStringLiteral("範囲:150g ～ 2kg, ")));
    }

    void tooFewCandidatesKeepTheSheetAsItIs()
    {
        Sheet sheet;
        const QString first = sheet.TableWeight(1);
        const auto weight = sheet.Dial(1)->Value();
        sheet.Find<TSpinEdit>("SpinEditMax")->SetMaxValue(600);  // five candidates at 100 g
        sheet.Click("ButtonNew");
        QCOMPARE(sheet.TableWeight(1), first);
        QCOMPARE(sheet.Dial(1)->Value(), weight);
        QCOMPARE(sheet.Find<QListWidget>("ListBoxWeight")->count(), 5);
    }
};

QTEST_MAIN(TestSheet)
#include "test_sheet.moc"
