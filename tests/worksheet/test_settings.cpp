// The settings panel, clicked as a teacher would: capacity, step, density, 1/200,
// view, and opening and closing the panel. Capacity and step draw a new sheet; the
// other settings keep its weights.

#include "WorksheetDriver.h"
#include "sheet/Settling.h"

#include <QGroupBox>
#include <QtTest>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace {

const char* const StepButtons[] = {
    "RadioButtonDivision10g",  "RadioButtonDivision20g", "RadioButtonDivision50g",
    "RadioButtonDivision100g", "RadioButtonDivision200g", "RadioButtonDivision500g",
    "RadioButtonDivision1kg",  "RadioButtonDivision2kg", "RadioButtonDivision5kg",
    "RadioButtonDivision10kg"};
constexpr int StepGrams[] = {10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000};

// One capacity as the teacher sees it after choosing it: which steps are offered and
// how many weights each leaves to draw from (the first step listed is the default).
struct TCapacityCase {
    TTypeValueMax Type;
    std::uint32_t Capacity;
    std::vector<std::pair<int, int>> StepsAndCandidates;  // step in grams, candidates
    bool Per200Offered;
    const char* Kind;  // its part of the first summary line
};

const TCapacityCase CapacityCases[] = {
    {vm001kg, 1000, {{10, 99}, {20, 49}, {50, 19}, {100, 9}}, true, "重量:1kg, "},
    {vm002kg, 2000, {{20, 99}, {10, 199}, {50, 39}, {100, 19}, {200, 9}}, false, "重量:2kg, "},
    {vm005kg, 5000, {{100, 49}, {200, 24}, {500, 9}}, false, "重量:5kg, "},
    {vm010kg, 10000, {{100, 99}, {200, 49}, {500, 19}, {1000, 9}}, true, "重量:10kg, "},
    {vm020kg, 20000, {{200, 99}, {500, 39}, {1000, 19}, {2000, 9}}, false, "重量:20kg, "},
    {vm050kg, 50000, {{1000, 49}, {2000, 24}, {5000, 9}}, false, "重量:50kg, "},
    {vm100kg, 100000, {{1000, 99}, {2000, 49}, {5000, 19}, {10000, 9}}, true, "重量:100kg, "},
};

QString StepText(int Grams)
{
    return Grams < 1000 ? QStringLiteral("%1g").arg(Grams) : QStringLiteral("%1kg").arg(Grams / 1000);
}

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    // A capacity chosen after another one (or kept from start-up), then the marks: the
    // steps offered, the step the sheet stands at, whether 1/200 is offered. A draw
    // sheet asked for enlarged is no sheet, and settles whole.
    void settlingFollowsTheMarksTheDialsDraw_data()
    {
        QTest::addColumn<int>("from");   // the capacity before; -1: start-up's settings
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("marks");  // 0 sparse, 1 dense, 2 dense with 1/200 shown
        QTest::addColumn<QList<int>>("steps");
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("per200");
        const auto row = [](const char* Name, int From, int Capacity, int Marks, QList<int> Steps, int Step,
                            bool Per200) { QTest::newRow(Name) << From << Capacity << Marks << Steps << Step << Per200; };
        row("1kg dense", 1, 0, 1, {10, 20, 50, 100}, 10, true);
        row("1kg 1/200", 1, 0, 2, {10, 20, 50, 100}, 10, true);
        row("1kg sparse", 1, 0, 0, {50, 100}, 50, false);
        row("2kg kept from start-up", -1, 1, 1, {10, 20, 50, 100, 200}, 100, false);
        row("2kg sparse kept from start-up", -1, 1, 0, {50, 100, 200}, 100, false);
        row("2kg from 1kg", 0, 1, 2, {10, 20, 50, 100, 200}, 20, false);
        row("2kg sparse from 1kg", 0, 1, 0, {50, 100, 200}, 50, false);
        row("5kg dense loses 50g", -1, 2, 1, {100, 200, 500}, 100, false);
        row("5kg sparse", -1, 2, 0, {100, 200, 500}, 100, false);
        row("10kg dense", -1, 3, 1, {100, 200, 500, 1000}, 100, true);
        row("10kg 1/200", -1, 3, 2, {100, 200, 500, 1000}, 100, true);
        row("10kg sparse", -1, 3, 0, {500, 1000}, 500, false);
        row("20kg dense", -1, 4, 1, {200, 500, 1000, 2000}, 200, false);
        row("20kg sparse", -1, 4, 0, {500, 1000, 2000}, 500, false);
        row("50kg dense loses 500g", -1, 5, 2, {1000, 2000, 5000}, 1000, false);
        row("50kg sparse", -1, 5, 0, {1000, 2000, 5000}, 1000, false);
        row("100kg dense", -1, 6, 1, {1000, 2000, 5000, 10000}, 1000, true);
        row("100kg 1/200", -1, 6, 2, {1000, 2000, 5000, 10000}, 1000, true);
        row("100kg sparse", -1, 6, 0, {5000, 10000}, 5000, false);
    }

    void settlingFollowsTheMarksTheDialsDraw()
    {
        QFETCH(int, from);
        QFETCH(int, capacity);
        QFETCH(int, marks);
        QFETCH(QList<int>, steps);
        QFETCH(int, step);
        QFETCH(bool, per200);
        TSheetSettings before;
        before.Capacity = from < 0 ? before.Capacity : from;
        before = Settled(before);
        TSheetSettings chosen = before;
        chosen.Capacity = capacity;
        chosen = Settled(chosen, before);
        QCOMPARE(std::pair(chosen.RangeMin, chosen.RangeMax), std::pair(0, chosen.CapacityGrams()));
        QVERIFY(Offered(chosen).Steps[chosen.Step]);  // a new capacity starts at a step its marks show
        TSheetSettings s = chosen;
        s.Dense = marks > 0;
        s.Per200 = marks == 2 ? pcShow : pcHide;
        s.Exercise = exDraw;
        s.Enlarged = true;
        QVERIFY(!s.IsValid());
        s = Settled(s, chosen);
        const TSettingsOffer offer = Offered(s);
        QList<int> offered;
        for (int i = 0; i < 10; ++i)
            if (offer.Steps[i])
                offered << StepGrams[i];
        QCOMPARE(offered, steps);
        QCOMPARE(s.StepGrams(), step);
        QCOMPARE(offer.Per200, per200);
        QVERIFY(!s.Enlarged && !offer.Enlarged && s.IsValid());
    }

    // Choosing each capacity in turn gives exactly its row: the dials, the range boxes,
    // the enabled steps and the default one, the 1/200 choice and the summary; then
    // every offered step draws from exactly its number of candidates.
    void eachCapacityGivesItsRow()
    {
        Sheet sheet;
        // 2 kg is chosen at start-up: 1 kg first, so that each choice is a real change.
        for (int c = 0; c < 7; ++c) {
            const TCapacityCase& row = CapacityCases[c];
            const QString where = QString::fromUtf8(row.Kind);
            const int defaultStep = row.StepsAndCandidates.front().first;
            // A lower bound that the new default step alone would keep: the capacity empties it.
            sheet.Type("SpinEditMin", QString::number(defaultStep));
            sheet.Choose("RadioGroupKind", c);
            for (int p = 1; p <= 6; ++p) {
                QCOMPARE(sheet.Dial(p)->TypeValueMax(), row.Type);
                QCOMPARE(sheet.Dial(p)->ValueMax(), row.Capacity);
            }
            const auto* low = sheet.Find<TSpinEdit>("SpinEditMin");
            const auto* high = sheet.Find<TSpinEdit>("SpinEditMax");
            const QList<int> range{low->Value(), low->MaxValue(), high->Value()};
            const int grams = static_cast<int>(row.Capacity);
            QVERIFY2(range == (QList<int>{0, grams, grams}),
                     qPrintable(where + QStringLiteral("range boxes %1 (of %2) to %3")
                                            .arg(range[0]).arg(range[1]).arg(range[2])));
            for (int b = 0; b < 10; ++b) {
                auto* button = sheet.Find<TRadioButton>(StepButtons[b]);
                const bool offered = std::any_of(row.StepsAndCandidates.begin(), row.StepsAndCandidates.end(),
                                                 [&](const auto& s) { return s.first == StepGrams[b]; });
                QVERIFY2(button->isEnabled() == offered,
                         qPrintable(where + StepButtons[b] + (offered ? " not offered" : " offered")));
                QVERIFY2(button->Checked() == (StepGrams[b] == defaultStep),
                         qPrintable(where + StepButtons[b] + (button->Checked() ? " checked" : " not checked")));
            }
            QCOMPARE(sheet.Form->Division(), defaultStep);
            QVERIFY2(sheet.Find<TRadioGroup>("RadioGroupPer200")->isHidden() != row.Per200Offered,
                     qPrintable(where + (row.Per200Offered ? "1/200 not offered" : "1/200 offered")));
            QCOMPARE(sheet.Find<TRadioGroup>("RadioGroupSparselyDensely")->ItemIndex(), 1);
            QCOMPARE(sheet.Text("LabelHyoudai1"),
                     where + QStringLiteral("疎密:密, 刻み:") + StepText(defaultStep));

            for (const auto& [step, candidates] : row.StepsAndCandidates) {
                sheet.Step(StepButtons[std::find(std::begin(StepGrams), std::end(StepGrams), step) -
                                       std::begin(StepGrams)]);
                QCOMPARE(sheet.Form->Division(), step);
                // Reach both ends of the candidates: the top one and the bottom one.
                sheet.Random->Queue({candidates - 1, 0, candidates - 3, 1, 2, 0});
                sheet.Random->Counts.clear();
                sheet.Click("ButtonNew");
                QCOMPARE(sheet.Random->Counts.front(), candidates);
                std::set<std::uint32_t> seen;
                for (int p = 1; p <= 6; ++p) {
                    QCOMPARE(sheet.Dial(p)->Value() % static_cast<std::uint32_t>(step), 0u);
                    seen.insert(sheet.Dial(p)->Value());
                }
                QCOMPARE(seen.size(), 6u);
                QCOMPARE(*seen.begin(), static_cast<std::uint32_t>(step));
                QCOMPARE(*seen.rbegin(), row.Capacity - static_cast<std::uint32_t>(step));
            }
        }
    }

    void capacityAndStepDrawANewSheetTheOtherSettingsKeepIt()
    {
        Sheet sheet({14, 0, 0, 0, 0, 0});  // problem 1 at 1500 g
        const auto drawn = [&] {
            std::vector<std::uint32_t> weights;
            for (int p = 1; p <= 6; ++p)
                weights.push_back(sheet.Dial(p)->Value());
            return weights;
        };
        const auto seeds = sheet.Random->Seeds;
        // 1 kg in steps of 10 g: 99 weights, the last of them 990 g. Drawn as by
        // "更新(&N)", which seeds once; no weight is left clamped at 1000 g.
        sheet.Random->Queue({98});
        sheet.Choose("RadioGroupKind", 0);
        QCOMPARE(sheet.Random->Seeds, seeds + 1);
        QCOMPARE(sheet.Random->Counts.size(), 12u);
        QCOMPARE(sheet.Random->Counts[6], 99);
        QCOMPARE(drawn(), (std::vector<std::uint32_t>{990, 10, 20, 30, 40, 50}));
        QCOMPARE(sheet.Dial(1)->TypeValueMax(), vm001kg);
        QVERIFY(sheet.Find<TRadioButton>("RadioButtonDivision10g")->Checked());
        QCOMPARE(sheet.Find<TSpinEdit>("SpinEditMin")->text(), QStringLiteral("0"));
        QCOMPARE(sheet.Find<TSpinEdit>("SpinEditMax")->text(), QStringLiteral("1000"));
        QCOMPARE(sheet.Text("LabelHyoudai1"), QStringLiteral("重量:1kg, 疎密:密, 刻み:10g"));

        // A larger capacity reaches past the old one: 5 kg in steps of 100 g.
        sheet.Random->Queue({48});
        sheet.Choose("RadioGroupKind", 2);
        QCOMPARE(sheet.Dial(1)->Value(), 4900u);
        // 500 g: nine weights, every one a multiple of the new step.
        sheet.Random->Queue({8});
        sheet.Step("RadioButtonDivision500g");
        QCOMPARE(sheet.Random->Counts[sheet.Random->Counts.size() - 6], 9);
        QCOMPARE(drawn(), (std::vector<std::uint32_t>{4500, 500, 1000, 1500, 2000, 2500}));
        QCOMPARE(sheet.Text("LabelHyoudai1"), QStringLiteral("重量:5kg, 疎密:密, 刻み:500g"));

        // Density, view and unit keep the sheet; so does the capacity already chosen.
        const auto sheetBefore = drawn();
        const auto seedsBefore = sheet.Random->Seeds;
        sheet.Choose("RadioGroupSparselyDensely", 0);
        sheet.Choose("RadioGroupShow", 1);
        sheet.Choose("RadioGroupUnit", 0);
        sheet.Choose("RadioGroupKind", 2);
        QCOMPARE(drawn(), sheetBefore);
        QCOMPARE(sheet.Random->Seeds, seedsBefore);
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

    void onlyStepsAndTheFinestGraduationTheDialsCanShowAreOffered()
    {
        Sheet sheet;
        auto* per200 = sheet.Find<TRadioGroup>("RadioGroupPer200");
        auto* step10g = sheet.Find<TRadioButton>("RadioButtonDivision10g");
        sheet.Choose("RadioGroupSparselyDensely", 0);
        QCOMPARE(sheet.Dial(6)->TypeBoardScale(), bsSparsely);
        QVERIFY(per200->isHidden());
        sheet.Choose("RadioGroupSparselyDensely", 1);
        QVERIFY(per200->isHidden());  // 2 kg has no 1/200 graduation

        sheet.Choose("RadioGroupKind", 0);
        QVERIFY(!per200->isHidden());
        sheet.Choose("RadioGroupPer200", 1);
        QCOMPARE(sheet.Dial(1)->TypeShowScalePer200(), ssShow);
        QCOMPARE(sheet.Text("LabelHyoudai1"),
                 QStringLiteral("重量:1kg, 疎密:密, 1/200:表示, 刻み:10g"));
        // The long first line pushes the second one along rather than under it.
        const QLabel* line1 = sheet.Find<QLabel>("LabelHyoudai1");
        const QLabel* line2 = sheet.Find<QLabel>("LabelHyoudai2");
        QVERIFY(line2->x() > line1->geometry().right());

        // Sparse marks stand 50 g apart on 1 kg: 10 g and 20 g cannot be read off, so
        // 50 g takes over and draws a sheet of its own.
        const auto seeds = sheet.Random->Seeds;
        sheet.Random->Queue({18});
        sheet.Choose("RadioGroupSparselyDensely", 0);
        QVERIFY(!step10g->isEnabled());
        QVERIFY(!sheet.Find<TRadioButton>("RadioButtonDivision20g")->isEnabled());
        QVERIFY(sheet.Find<TRadioButton>("RadioButtonDivision50g")->Checked());
        QCOMPARE(sheet.Form->Division(), 50);
        QCOMPARE(sheet.Random->Seeds, seeds + 1);
        QCOMPARE(sheet.Dial(1)->Value(), 950u);
        QVERIFY(per200->isHidden());
        QCOMPARE(per200->ItemIndex(), 1);  // hiding keeps the choice and the dials' setting
        QCOMPARE(sheet.Dial(1)->TypeShowScalePer200(), ssShow);
        QCOMPARE(sheet.Text("LabelHyoudai1"), QStringLiteral("重量:1kg, 疎密:疎, 刻み:50g"));
        QCOMPARE(line2->x(), 328);

        sheet.Choose("RadioGroupSparselyDensely", 1);
        QVERIFY(step10g->isEnabled());
        QVERIFY(!per200->isHidden());
        // 2 kg draws no 1/200 marks, so the sheet does not name them.
        sheet.Choose("RadioGroupKind", 1);
        QVERIFY(per200->isHidden());
        QCOMPARE(sheet.Text("LabelHyoudai1"), QStringLiteral("重量:2kg, 疎密:密, 刻み:20g"));
        // At 100 kg sparse marks stand 5 kg apart.
        sheet.Choose("RadioGroupKind", 6);
        sheet.Choose("RadioGroupSparselyDensely", 0);
        QVERIFY(sheet.Find<TRadioButton>("RadioButtonDivision5kg")->Checked());
        QVERIFY(!sheet.Find<TRadioButton>("RadioButtonDivision2kg")->isEnabled());
        // 50 kg's dense marks stand 200 g apart: 500 g is not offered, and 1 kg is the start.
        sheet.Choose("RadioGroupKind", 5);
        QCOMPARE(sheet.Dial(1)->TypeBoardScale(), bsDensely);  // a new capacity is dense
        QVERIFY(!sheet.Find<TRadioButton>("RadioButtonDivision500g")->isEnabled());
        QVERIFY(sheet.Find<TRadioButton>("RadioButtonDivision1kg")->Checked());
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
        sheet.Random->Queue({9});
        sheet.Choose("RadioGroupKind", 3);
        QCOMPARE(sheet.Dial(1)->Value(), 1000u);
        QCOMPARE(sheet.Dial(1)->TypeHandLocation(), hl1RightTop);
        QCOMPARE(sheet.Dial(1)->StretchRatePercent(), 150);
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
        QVERIFY(!start->isVisible());  // while open it cannot be clicked at all
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
