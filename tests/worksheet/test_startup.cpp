// The window as it first opens: every default setting, the sheet's texts, and the
// layout a teacher sees and prints.

#include "window/MainWindow.h"
#include "WorksheetDriver.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QtTest>

#include <set>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheDefaultSettings()
    {
        Sheet sheet({4, 0, 16, 9, 9, 2});
        const TFormKestrum& form = *sheet.Form;
        QCOMPARE(sheet.Find<TRadioGroup>("RadioGroupKind")->ItemIndex(), 1);
        for (int p = 1; p <= 6; ++p) {
            const TPlatformScale* dial = sheet.Dial(p);
            QCOMPARE(dial->TypeValueMax(), vm002kg);
            QCOMPARE(dial->ValueMax(), 2000u);
            QCOMPARE(dial->TypeBoardScale(), bsDensely);
            QCOMPARE(dial->TypeShowScalePer200(), ssHide);
            QCOMPARE(dial->StretchRatePercent(), 100);
        }
        // Checking 20 g came first, inside the capacity's handler; 100 g won.
        const std::set<QString> enabled{"10g", "20g", "50g", "100g", "200g"};
        for (const TStepRow& step : StepRows()) {
            auto* button = sheet.Find<TRadioButton>(step.ButtonName);
            QCOMPARE(button->isEnabled(), enabled.count(step.Caption) == 1);
            QCOMPARE(button->Checked(), step.Step == 100);
        }
        QCOMPARE(form.Division(), 100);
        auto* low = sheet.Find<TSpinEdit>("SpinEditMin");
        auto* high = sheet.Find<TSpinEdit>("SpinEditMax");
        QCOMPARE((QList<int>{low->MinValue(), low->MaxValue(), low->Value(), low->Increment()}),
                 (QList<int>{0, 2000, 0, 100}));
        QCOMPARE((QList<int>{high->MinValue(), high->MaxValue(), high->Value(), high->Increment()}),
                 (QList<int>{2000, 2000, 2000, 100}));
        QCOMPARE(sheet.Find<TRadioGroup>("RadioGroupSparselyDensely")->ItemIndex(), 1);
        QCOMPARE(sheet.Find<TRadioGroup>("RadioGroupPer200")->ItemIndex(), 0);
        QVERIFY(sheet.Find<TRadioGroup>("RadioGroupPer200")->isHidden());
        QCOMPARE(sheet.Find<TRadioGroup>("RadioGroupShow")->ItemIndex(), 0);
        QCOMPARE(sheet.Find<TRadioGroup>("RadioGroupUnit")->ItemIndex(), 2);

        // No 1/200 part until that choice is first made.
        QCOMPARE(sheet.Text("LabelHyoudai1"), QStringLiteral("重量:2kg, 疎密:密, 刻み:100g"));
        QCOMPARE(sheet.Text("LabelHyoudai2"), QStringLiteral("範囲:0g ～ 2kg, 表示:全体, 単位:kg,g"));
        QCOMPARE(sheet.Text("LabelProjectName"), QStringLiteral("Kestrum"));
        QCOMPARE(sheet.Dial(3)->Value(), 1900u);
        QCOMPARE(sheet.Blank(3), QStringLiteral(" kg 　  g"));

        QVERIFY(!sheet.Find<QGroupBox>("GroupBoxStart")->isHidden());
        QVERIFY(!sheet.Find<QPushButton>("ButtonRadioGroupStartClose")->isHidden());
        QVERIFY(sheet.Find<QPushButton>("ButtonStart")->isHidden());
        QVERIFY(sheet.Find<QListWidget>("ListBoxWeight")->isHidden());
        auto* table = sheet.Find<QTableWidget>("StringGrid1");
        QVERIFY(table->isHidden());
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("乱数"));
        QCOMPARE(table->item(0, 6)->text(), QStringLiteral("問6"));
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("重さ"));
        QCOMPARE(sheet.Random->Seeds, 1);  // by Renew, once for the one draw
    }

    void controlsStandWhereTheSheetWasDrawn()
    {
        Sheet sheet;
        QCOMPARE(sheet.Form->size(), QSize(1028, 740));
        QCOMPARE(sheet.Form->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(sheet.Dial(4)->geometry(), QRect(392, 392, 285, 285));
        QCOMPARE(sheet.Dial(5)->geometry(), QRect(728, 48, 285, 285));
        QCOMPARE(sheet.Find<QLabel>("LabelAnswer6")->pos(), QPoint(876, 686));
        QCOMPARE(sheet.Find<QWidget>("GroupBoxStart")->geometry(), QRect(246, 30, 243, 616));
        QCOMPARE(sheet.Find<QWidget>("SpinEditMax")->geometry(), QRect(96, 16, 71, 21));
        QCOMPARE(sheet.Find<QWidget>("RadioButtonDivision10kg")->pos(), QPoint(160, 16));

        // The name line and the blanks are underlined "ＭＳ ゴシック", drawn with IPA Gothic.
        const QLabel* name = sheet.Find<QLabel>("LabelGappiNamae");
        QCOMPARE(name->font().pixelSize(), 27);
        QVERIFY(name->font().underline());
        QCOMPARE(QFontInfo(name->font()).family(), QStringLiteral("IPAGothic"));
        QCOMPARE(sheet.Find<QLabel>("LabelMondai")->font().pixelSize(), 24);
        QCOMPARE(sheet.Find<QPushButton>("ButtonPrintOut")->font().pixelSize(), 13);
        QCOMPARE(sheet.Find<QPushButton>("ButtonPrintOut")->toolTip(),
                 QStringLiteral("プリンタで印刷します。"));
        // A label is as wide as its whole text, trailing spaces included.
        QCOMPARE(name->width(), name->fontMetrics().horizontalAdvance(name->text()));

        // Labels lie below the dials, and the sheet below every other control; the
        // panel lies over the dials and the buttons.
        const QObjectList sheetOrder = sheet.Find<QWidget>("SheetView")->children();
        const auto onSheet = [&](const char* n) { return sheetOrder.indexOf(sheet.Find<QWidget>(n)); };
        QVERIFY(onSheet("LabelProjectName") >= 0);
        QVERIFY(onSheet("LabelProjectName") < onSheet("PlatformScale1"));
        QVERIFY(onSheet("LabelSheetCode") < onSheet("PlatformScale1"));
        const QObjectList order = sheet.Form->children();
        const auto at = [&](const char* n) { return order.indexOf(sheet.Find<QWidget>(n)); };
        QVERIFY(at("SheetView") >= 0);
        QVERIFY(at("SheetView") < at("ListBoxWeight"));
        QVERIFY(at("SheetView") < at("PanelButtons"));
        QVERIFY(at("PanelButtons") < at("GroupBoxStart"));
        QCOMPARE(sheet.Form->childAt(480, 200), sheet.Find<QWidget>("GroupBoxStart"));

        // Every control the sheet shows lies inside the window.
        for (QWidget* child : sheet.Form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(sheet.Form->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }

    void altNAndTabReachTheButtons()
    {
        Sheet sheet({0, 0, 0, 0, 0, 0, 18, 0, 0, 0, 0, 0});
        sheet.Form->show();
        QVERIFY(QTest::qWaitForWindowActive(sheet.Form.get()));
        QTest::keyClick(sheet.Form.get(), Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(sheet.Dial(1)->Value(), 1900u);  // the button shows itself pressed first

        // Tab walks the strip of buttons from left to right, then stops once in each
        // group of choices, at the choice made, so that Space cannot change it.
        const auto item = [&](const char* Group, int Index) -> QWidget* {
            return sheet.Find<TRadioGroup>(Group)->Button(Index);
        };
        const QList<QWidget*> expected{
            sheet.Find<QWidget>("ButtonPrintOut"),  sheet.Find<QWidget>("ButtonNew"),
            sheet.Find<QWidget>("CheckBoxAnswers"), sheet.Find<QWidget>("CheckBoxPractice"),
            sheet.Find<QWidget>("ButtonPrintSet"),  sheet.Find<QWidget>("ButtonRecall"),
            item("RadioGroupKind", 1),              item("RadioGroupSparselyDensely", 1),
            item("RadioGroupShow", 0),              sheet.Find<QWidget>("RadioButtonDivision100g"),
            sheet.Find<QWidget>("SpinEditMin"),     sheet.Find<QWidget>("SpinEditMax"),
            item("RadioGroupUnit", 2),              item("RadioGroupExercise", 0),
            item("RadioGroupNumerals", 0),          sheet.Find<QWidget>("CheckBoxMixed"),
            sheet.Find<QWidget>("ButtonRadioGroupStartClose")};
        sheet.Find<QWidget>("ButtonPrinterSetup")->setFocus(Qt::TabFocusReason);
        QList<QWidget*> reached;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.append(QApplication::focusWidget());
        }
        QCOMPARE(reached, expected);

        // Escape closes the settings panel; 初期設定 opens it again, and Escape from a
        // range box closes it once more.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(sheet.Find<QWidget>("GroupBoxStart")->isHidden());
        QCOMPARE(QApplication::focusWidget(), sheet.Find<QWidget>("ButtonStart"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!sheet.Find<QWidget>("GroupBoxStart")->isHidden());
        sheet.Find<QWidget>("SpinEditMin")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(sheet.Find<QWidget>("GroupBoxStart")->isHidden());
        sheet.Click("ButtonStart");

        // At 5 kg the steps below 100 g are not offered; the step's accelerator goes to
        // the step chosen, the range's to its lower bound.
        sheet.Choose("RadioGroupKind", 2);
        QTest::keyClick(sheet.Form.get(), Qt::Key_I, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), sheet.Find<QWidget>("RadioButtonDivision100g"));
        QTest::keyClick(sheet.Form.get(), Qt::Key_R, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), sheet.Find<QWidget>("SpinEditMin"));
        QTest::keyClick(sheet.Form.get(), Qt::Key_K, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), item("RadioGroupKind", 2));
    }

    // Round the whole window and back, as the program opens it: every Tab stop is a
    // control the teacher can see, never the window around the sheet.
    void tabVisitsOnlyVisibleControls()
    {
        TMainWindow window(std::make_unique<FixedRandom>());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* start = window.Form().findChild<QWidget*>(QStringLiteral("ButtonNew"));
        start->setFocus(Qt::TabFocusReason);
        QList<QWidget*> reached;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.append(QApplication::focusWidget());
        } while (reached.back() != start && reached.size() < 50);
        QCOMPARE(reached.back(), start);
        QVERIFY(reached.contains(window.Form().findChild<QWidget*>(QStringLiteral("ButtonRecall"))));
        for (QWidget* stop : reached)
            QVERIFY2(stop && !stop->isWindow() && stop->isVisible() && !stop->visibleRegion().isEmpty(),
                     stop ? stop->metaObject()->className() : "no focus");
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
