// The settings panel, clicked as a teacher would: capacity, step, density, 1/200,
// view, and opening and closing the panel. No setting draws new weights.

#include "WorksheetDriver.h"

#include <QGroupBox>
#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void smallerCapacityLimitsTheWeightsAndResetsStepAndRange()
    {
        Sheet sheet({14, 0, 0, 0, 0, 0});  // problem 1 at 1500 g
        sheet.Choose("RadioGroupKind", 0);
        QCOMPARE(sheet.Dial(1)->Value(), 1000u);
        QCOMPARE(sheet.Dial(2)->Value(), 100u);
        QCOMPARE(sheet.Dial(1)->TypeValueMax(), vm001kg);
        QCOMPARE(sheet.Form->Division(), 10);
        QVERIFY(sheet.Find<TRadioButton>("RadioButtonDivision10g")->Checked());
        QCOMPARE(sheet.Find<TSpinEdit>("SpinEditMin")->text(), QStringLiteral("0"));
        QCOMPARE(sheet.Find<TSpinEdit>("SpinEditMax")->text(), QStringLiteral("1000"));
        QCOMPARE(sheet.Text("LabelHyoudai1"), QStringLiteral("重量:1kg, 疎密:密, 刻み:10g"));
        QVERIFY(!sheet.Find<TRadioGroup>("RadioGroupPer200")->isHidden());

        sheet.Choose("RadioGroupKind", 3);
        for (const char* off : {"RadioButtonDivision10g", "RadioButtonDivision20g",
                                "RadioButtonDivision50g", "RadioButtonDivision2kg"})
            QVERIFY(!sheet.Find<TRadioButton>(off)->isEnabled());
        QVERIFY(sheet.Find<TRadioButton>("RadioButtonDivision100g")->Checked());
        QVERIFY(sheet.Find<TRadioButton>("RadioButtonDivision1kg")->isEnabled());
        QVERIFY(!sheet.Find<TRadioButton>("RadioButtonDivision10g")->Checked());
        QCOMPARE(sheet.Dial(1)->Value(), 1000u);  // weights wait for "更新(&N)"

        // Choosing the capacity already chosen changes nothing.
        sheet.Step("RadioButtonDivision500g");
        sheet.Choose("RadioGroupKind", 3);
        QCOMPARE(sheet.Form->Division(), 500);
    }

    void stepRoundsTheRangeBoxesDownToItsMultiples()
    {
        Sheet sheet;
        sheet.Step("RadioButtonDivision50g");
        sheet.Type("SpinEditMin", QStringLiteral("150"));
        sheet.Step("RadioButtonDivision100g");
        QCOMPARE(sheet.Find<TSpinEdit>("SpinEditMin")->Value(), 0);  // above the step
        sheet.Step("RadioButtonDivision200g");
        sheet.Type("SpinEditMin", QStringLiteral("100"));
        sheet.Step("RadioButtonDivision100g");
        QCOMPARE(sheet.Find<TSpinEdit>("SpinEditMin")->Value(), 100);
        sheet.Step("RadioButtonDivision200g");
        QCOMPARE(sheet.Find<TSpinEdit>("SpinEditMin")->Value(), 0);
        QCOMPARE(sheet.Find<TSpinEdit>("SpinEditMin")->Increment(), 200);

        sheet.Choose("RadioGroupKind", 2);
        sheet.Type("SpinEditMax", QStringLiteral("4750"));
        sheet.Step("RadioButtonDivision500g");
        QCOMPARE(sheet.Find<TSpinEdit>("SpinEditMax")->text(), QStringLiteral("4500"));
        QCOMPARE(sheet.Text("LabelHyoudai1"), QStringLiteral("重量:5kg, 疎密:密, 刻み:500g"));

        // The upper box takes a number above the capacity and only shows it.
        sheet.Choose("RadioGroupKind", 4);
        sheet.Type("SpinEditMax", QStringLiteral("30000"));
        QVERIFY(sheet.Text("LabelHyoudai2").startsWith(QStringLiteral("範囲:0g ～ 30kg, ")));
    }

    void densityAndCapacityDecideWhetherTheFinestGraduationIsOffered()
    {
        Sheet sheet;
        auto* per200 = sheet.Find<TRadioGroup>("RadioGroupPer200");
        sheet.Choose("RadioGroupSparselyDensely", 0);
        QCOMPARE(sheet.Dial(6)->TypeBoardScale(), bsSparsely);
        QVERIFY(per200->isHidden());
        sheet.Choose("RadioGroupSparselyDensely", 1);
        QVERIFY(!per200->isHidden());  // though 2 kg itself does not offer it

        sheet.Choose("RadioGroupPer200", 1);
        QCOMPARE(sheet.Dial(1)->TypeShowScalePer200(), ssShow);
        QCOMPARE(sheet.Text("LabelHyoudai1"),
                 QStringLiteral("重量:2kg, 疎密:密, 1/200:表示, 刻み:100g"));
        sheet.Choose("RadioGroupKind", 6);
        QVERIFY(!per200->isHidden());
        sheet.Choose("RadioGroupSparselyDensely", 0);
        QVERIFY(per200->isHidden());
        QCOMPARE(per200->ItemIndex(), 1);  // hiding keeps the choice and the dials' setting
        QCOMPARE(sheet.Dial(1)->TypeShowScalePer200(), ssShow);
        sheet.Choose("RadioGroupKind", 5);
        QVERIFY(per200->isHidden());
        QCOMPARE(sheet.Dial(1)->TypeBoardScale(), bsDensely);  // a new capacity is dense
    }

    void enlargingChangesOnlyTheZoom()
    {
        Sheet sheet({3, 7, 11, 0, 5, 9});
        std::vector<std::uint32_t> before;
        for (int p = 1; p <= 6; ++p)
            before.push_back(sheet.Dial(p)->Value());
        sheet.Choose("RadioGroupShow", 1);
        QCOMPARE(sheet.Dial(2)->StretchRatePercent(), 150);
        QVERIFY(sheet.Text("LabelHyoudai2").contains(QStringLiteral("表示:部分, ")));
        sheet.Choose("RadioGroupShow", 0);
        QCOMPARE(sheet.Dial(2)->StretchRatePercent(), 100);
        for (int p = 1; p <= 6; ++p)
            QCOMPARE(sheet.Dial(p)->Value(), before[p - 1]);
    }

    void anEnlargedDialFollowsItsNeedleAcrossACapacityChange()
    {
        Sheet sheet({9, 0, 0, 0, 0, 0});  // problem 1 at 1000 g: the bottom of a 2 kg dial
        sheet.Choose("RadioGroupShow", 1);
        QCOMPARE(sheet.Dial(1)->TypeHandLocation(), hl4Bottom);
        // 1000 g on a 10 kg dial stands near the top; the enlarged part must show it there.
        sheet.Choose("RadioGroupKind", 3);
        QCOMPARE(sheet.Dial(1)->Value(), 1000u);
        QCOMPARE(sheet.Dial(1)->TypeHandLocation(), hl1RightTop);
        // Clamped to a full turn of 1 kg, the needle stands at the top as well.
        sheet.Choose("RadioGroupKind", 0);
        QCOMPARE(sheet.Dial(1)->TypeHandLocation(), hl0Top);
    }

    void thePanelOpensAndCloses()
    {
        Sheet sheet;
        sheet.Form->show();
        auto* panel = sheet.Find<QGroupBox>("GroupBoxStart");
        auto* start = sheet.Find<QPushButton>("ButtonStart");
        sheet.Click("ButtonRadioGroupStartClose");
        QVERIFY(!panel->isVisible());
        QVERIFY(start->isVisible());
        sheet.Click("ButtonStart");
        QVERIFY(panel->isVisible());
        QVERIFY(sheet.Find<QPushButton>("ButtonRadioGroupStartClose")->isVisible());
        QVERIFY(!start->isVisible());
        sheet.Form->ButtonStartClick(start);  // already open: nothing happens
        QVERIFY(panel->isVisible() && !start->isVisible());
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
