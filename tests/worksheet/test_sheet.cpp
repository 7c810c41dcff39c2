// Drawing sheets: "更新(&N)" draws six weights from the multiples of the step below
// the capacity within the range boxes, and the blanks and summary lines follow the
// settings.

#include "WorksheetDriver.h"
#include "printing/SheetPrinter.h"

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

    void aFinishedRangeEditBoundsTheSheet()
    {
        Sheet sheet;
        sheet.Choose("RadioGroupKind", 0);  // 1 kg in steps of 10 g
        auto* low = sheet.Find<TSpinEdit>("SpinEditMin");
        auto* high = sheet.Find<TSpinEdit>("SpinEditMax");
        const QLabel* warning = sheet.Find<QLabel>("LabelRangeWarning");
        FixedRandom& random = *sheet.Random;
        const auto seeds = random.Seeds;
        low->selectAll();
        QTest::keyClicks(low, QStringLiteral("300"));
        QCOMPARE(random.Seeds, seeds);  // keystrokes draw nothing
        QVERIFY(sheet.Text("LabelHyoudai2").startsWith(QStringLiteral("範囲:300g ～ 1kg, ")));

        random.Queue({0});
        QTest::keyClick(low, Qt::Key_Return);
        QCOMPARE(random.Counts[random.Counts.size() - 6], 70);  // 300 g to 990 g
        QCOMPARE(sheet.Dial(1)->Value(), 300u);

        random.Queue({50});
        sheet.Type("SpinEditMax", QStringLiteral("800"));  // typed, then the box is left
        QCOMPARE(random.Counts[random.Counts.size() - 6], 51);
        QCOMPARE(sheet.Dial(1)->Value(), 800u);
        for (int p = 2; p <= 6; ++p)
            QCOMPARE(sheet.Dial(p)->Value(), 300u + 10 * (p - 2));
        QVERIFY(sheet.Text("LabelHyoudai2").startsWith(QStringLiteral("範囲:300g ～ 800g, ")));

        QTest::keyClick(high, Qt::Key_Up);
        QCOMPARE(random.Counts[random.Counts.size() - 6], 52);
        QCOMPARE(high->text(), QStringLiteral("810"));
        // Leaving the box unchanged is no edit.
        const auto countsBefore = random.Counts.size();
        sheet.Type("SpinEditMax", QStringLiteral("810"));
        QCOMPARE(random.Counts.size(), countsBefore);
        QVERIFY(warning->isHidden());

        // 780 g to 810 g holds four weights: the sheet stays and the panel says why;
        // so it does for a lower bound above the upper one.
        const auto weight = sheet.Dial(1)->Value();
        sheet.Type("SpinEditMin", QStringLiteral("780"));
        QVERIFY(!warning->isHidden());
        QCOMPARE(sheet.Dial(1)->Value(), weight);
        QCOMPARE(random.Counts.size(), countsBefore);
        QStringList messages;
        sheet.Form->SheetPrinter().SetErrorReporter([&](QWidget*, const QString& Message) { messages << Message; });
        sheet.Click("ButtonNew");
        QVERIFY(!warning->isHidden());
        QCOMPARE(messages.size(), 1);  // "更新" says why it drew nothing
        sheet.Type("SpinEditMin", QStringLiteral("900"));
        QVERIFY(!warning->isHidden());
        random.Queue({0});
        sheet.Type("SpinEditMin", QStringLiteral("750"));
        QVERIFY(warning->isHidden());
        QCOMPARE(sheet.Dial(1)->Value(), 750u);
    }

    // A range that leaves fewer than six weights: the sheet shown stays, and its summary
    // lines and code still describe it; "更新" and "印刷" say why and print nothing.
    void tooFewCandidatesKeepTheSheetAsItIs_data()
    {
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        QTest::addColumn<int>("left");  // candidates, as the hidden list shows them
        QTest::newRow("lower above upper") << "1500" << "1000" << 0;
        QTest::newRow("five weights") << "0" << "500" << 5;
        QTest::newRow("one weight") << "1900" << "3000" << 1;
    }

    void tooFewCandidatesKeepTheSheetAsItIs()
    {
        QFETCH(QString, low);
        QFETCH(QString, high);
        QFETCH(int, left);
        Sheet sheet;
        // Drawn from seeds, so that the sheet has a code.
        sheet.Form = std::make_unique<TFormKestrum>(nullptr, std::make_unique<TSheetSeedRandom>(9));
        QStringList said;
        sheet.Form->SheetPrinter().SetErrorReporter([&](QWidget*, const QString& Message) { said << Message; });
        sheet.Type("SpinEditMax", high);
        const QStringList shown{sheet.Text("LabelHyoudai1"), sheet.Text("LabelHyoudai2"),
                                sheet.Text("LabelSheetCode"), sheet.TableWeight(1)};
        QVERIFY(!shown[2].isEmpty());
        sheet.Type("SpinEditMin", low);
        sheet.Click("ButtonNew");
        sheet.Click("ButtonPrintOut");
        QVERIFY(!sheet.Find<QLabel>("LabelRangeWarning")->isHidden());
        QCOMPARE(sheet.Find<QListWidget>("ListBoxWeight")->count(), left);
        QCOMPARE((QStringList{sheet.Text("LabelHyoudai1"), sheet.Text("LabelHyoudai2"),
                              sheet.Text("LabelSheetCode"), sheet.TableWeight(1)}), shown);
        const QString cannot = QStringLiteral("この設定では1枚の違うシートを作れません。範囲を広げるか、刻みを小さくしてください。");
        QCOMPARE(said, QStringList(2, cannot));
    }
};

QTEST_MAIN(TestSheet)
#include "test_sheet.moc"
