// The sheet's arithmetic on its own: which weights can be drawn, how six are drawn,
// and the texts written round them.

#include "sheet/Problems.h"
#include "WorksheetDriver.h"

#include <QtTest>

#include <algorithm>
#include <vector>


class TestProblems : public QObject {
    Q_OBJECT
private slots:
    // The counts for every offered step are checked through the window (test_settings);
    // here the cases the panel never offers.
    void candidatesAreTheInteriorMultiplesOfTheStep()
    {
        QCOMPARE(CandidateWeights(1000, 300), (TCandidates{300, 600}));  // (1000 - 300) / 300 rounds to 2
        QVERIFY(CandidateWeights(1000, 0).empty());
        QVERIFY(CandidateWeights(100, 500).empty());
    }

    void drawsWithoutRepetitionFromWhatIsLeft()
    {
        TCandidates candidates = CandidateWeights(2000, 100);
        FixedRandom random({4, 0, 16, 9, 9, 2});
        const auto problems = DrawProblems(candidates, random);
        QVERIFY(problems);
        QCOMPARE(*problems, (TWeights{500, 100, 1900, 1200, 1300, 400}));
        QCOMPARE(random.Counts, (std::vector<int>{19, 18, 17, 16, 15, 14}));
        QCOMPARE(candidates.size(), std::size_t{13});
    }

    // The program's own source, seeded from the clock as at every "更新(&N)".
    void clockSeededDrawsStayInRangeAndChangeWithTheMoment()
    {
        TClockRandom random;
        const auto draws = [&random] {
            random.Seed();
            std::vector<int> values;
            for (int i = 0; i < 200; ++i)
                values.push_back(random.Next(i % 2 ? 199 : 9));
            return values;
        };
        const std::vector<int> first = draws();
        for (std::size_t i = 0; i < first.size(); ++i)
            QVERIFY(first[i] >= 0 && first[i] < (i % 2 ? 199 : 9));
        QVERIFY(std::any_of(first.begin(), first.end(), [](int v) { return v == 8; }));
        QCOMPARE(random.Next(1), 0);
        QTest::qSleep(5);  // another millisecond of the day: another seed
        QVERIFY(draws() != first);
    }

    void fewerThanSixCandidatesDrawNothing()
    {
        TCandidates candidates = CandidateWeights(600, 100);
        FixedRandom random;
        QVERIFY(!DrawProblems(candidates, random));
        QCOMPARE(candidates.size(), std::size_t{5});
        QVERIFY(random.Counts.empty());
    }

    void theRangeBoundsTheCandidatesOnBothSides()
    {
        // 300 g to 800 g on a 1 kg scale in steps of 10 g: 300, 310, ..., 800.
        const TCandidates inRange = CandidateWeights(1000, 10, 300, 800);
        QCOMPARE(inRange.size(), std::size_t{51});
        QCOMPARE(inRange.front(), 300U);
        QCOMPARE(inRange.back(), 800U);
        // An upper bound past the capacity still never gives the full capacity; a
        // lower bound off the step starts at the next multiple.
        QCOMPARE(CandidateWeights(2000, 500, 0, 30000), (TCandidates{500, 1000, 1500}));
        QCOMPARE(CandidateWeights(2000, 200, 150, 600), (TCandidates{200, 400, 600}));
        QVERIFY(CandidateWeights(2000, 100, 900, 800).empty());
    }

    void theFinestMarksDrawnDecideTheStepsOffered()
    {
        // The finest marks of each capacity: dense with 1/200, dense without, sparse.
        const struct {
            TTypeValueMax Type;
            std::int32_t Show, Hide, Sparse;
        } finest[] = {{vm001kg, 5, 10, 50},     {vm002kg, 10, 10, 50},      {vm005kg, 20, 20, 100},
                      {vm010kg, 50, 100, 500},  {vm020kg, 100, 100, 500},   {vm050kg, 200, 200, 1000},
                      {vm100kg, 500, 1000, 5000}};
        for (const auto& f : finest) {
            QCOMPARE(FinestGraduation(f.Type, bsDensely, ssShow), f.Show);
            QCOMPARE(FinestGraduation(f.Type, bsDensely, ssHide), f.Hide);
            QCOMPARE(FinestGraduation(f.Type, bsSparsely, ssShow), f.Sparse);
        }
        QVERIFY(DrawsPer200(vm100kg, bsDensely, ssShow));
        QVERIFY(!DrawsPer200(vm100kg, bsDensely, ssHide));
        QVERIFY(!DrawsPer200(vm001kg, bsSparsely, ssShow));
        QVERIFY(!DrawsPer200(vm002kg, bsDensely, ssShow));

        const auto offered = [](int Capacity, std::int32_t Finest) {
            QStringList steps;
            for (int s = 0; s < StepCount; ++s)
                if (StepOffered(CapacityRows()[Capacity], s, Finest))
                    steps.append(StepRows()[s].Caption);
            return steps;
        };
        QCOMPARE(offered(0, 10), (QStringList{"10g", "20g", "50g", "100g"}));
        QCOMPARE(offered(0, 50), (QStringList{"50g", "100g"}));
        // Only whole numbers of marks: 50 g lies between the 20 g marks of 5 kg.
        QCOMPARE(offered(2, 20), (QStringList{"100g", "200g", "500g"}));
        QCOMPARE(offered(6, 5000), (QStringList{"5kg", "10kg"}));
    }

    void answerBlanksFollowTheUnitAndTheKilogramBoundary()
    {
        const QString grams = QStringLiteral("    　  g");
        const QString kilograms = QStringLiteral("    　 kg");
        const QString both = QStringLiteral(" kg 　  g");
        QCOMPARE(AnswerBlank(auGrams, 1500), grams);
        QCOMPARE(AnswerBlank(auKilograms, 500), kilograms);
        QCOMPARE(AnswerBlank(auKilogramsAndGrams, 999), grams);
        QCOMPARE(AnswerBlank(auKilogramsAndGrams, 1000), both);
        QVERIFY(!AnswerBlank(-1, 1000));
    }

    void summaryLinesJoinTheirPartsAndShowTheUpperBoundExactly()
    {
        const TSummaryTexts parts{QStringLiteral("重量:1kg, "), QStringLiteral("刻み:100g"),
                                  QStringLiteral("疎密:密, "), QStringLiteral("1/200:表示, "),
                                  QStringLiteral("表示:全体, "), QStringLiteral("単位:kg,g"), QString()};
        QCOMPARE(SummaryLine1(parts, true), QStringLiteral("重量:1kg, 疎密:密, 1/200:表示, 刻み:100g"));
        QCOMPARE(SummaryLine1(parts, false), QStringLiteral("重量:1kg, 疎密:密, 刻み:100g"));
        QCOMPARE(SummaryLine2(0, 2000, parts),
                 QStringLiteral("範囲:0g ～ 2kg, 表示:全体, 単位:kg,g"));
        QVERIFY(SummaryLine2(300, 800, parts).startsWith(QStringLiteral("範囲:300g ～ 800g, ")));
        QVERIFY(SummaryLine2(150, 1500, parts).startsWith(QStringLiteral("範囲:150g ～ 1500g, ")));
        QVERIFY(SummaryLine2(0, 30000, parts).startsWith(QStringLiteral("範囲:0g ～ 30kg, ")));
        QVERIFY(SummaryLine2(0, -1500, parts).startsWith(QStringLiteral("範囲:0g ～ -1500g, ")));
    }
};

QTEST_MAIN(TestProblems)
#include "test_problems.moc"
