// The sheet's arithmetic on its own: which weights can be drawn, how six are drawn,
// and the texts written round them.

#include "Problems.h"
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
        QCOMPARE(CandidateWeights(1000, 300), (QStringList{"300", "600"}));  // (1000 - 300) / 300 rounds to 2
        QVERIFY(CandidateWeights(1000, 0).isEmpty());
        QVERIFY(CandidateWeights(100, 500).isEmpty());
    }

    void drawsWithoutRepetitionFromWhatIsLeft()
    {
        QStringList candidates = CandidateWeights(2000, 100);
        FixedRandom random({4, 0, 16, 9, 9, 2});
        const auto problems = DrawProblems(candidates, random);
        QVERIFY(problems);
        QCOMPARE(*problems, (TProblems{"500", "100", "1900", "1200", "1300", "400"}));
        QCOMPARE(random.Counts, (std::vector<int>{19, 18, 17, 16, 15, 14}));
        QCOMPARE(candidates.size(), 13);
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
        QStringList candidates = CandidateWeights(600, 100);
        FixedRandom random;
        QVERIFY(!DrawProblems(candidates, random));
        QCOMPARE(candidates.size(), 5);
        QVERIFY(random.Counts.empty());
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

    void summaryLinesJoinTheirPartsAndShowTheUpperBoundInWholeKilograms()
    {
        const TSummaryTexts parts{QStringLiteral("重量:2kg, "), QStringLiteral("刻み:100g"),
                                  QStringLiteral("疎密:密, "), QString(),
                                  QStringLiteral("表示:全体, "), QStringLiteral("単位:kg,g")};
        QCOMPARE(SummaryLine1(parts), QStringLiteral("重量:2kg, 疎密:密, 刻み:100g"));
        QCOMPARE(SummaryLine2(0, 2000, parts),
                 QStringLiteral("範囲:0g ～ 2kg, 表示:全体, 単位:kg,g"));
        QVERIFY(SummaryLine2(150, 1500, parts).startsWith(QStringLiteral("範囲:150g ～ 1kg, ")));
        QVERIFY(SummaryLine2(0, -1500, parts).startsWith(QStringLiteral("範囲:0g ～ -1kg, ")));
    }
};

QTEST_MAIN(TestProblems)
#include "test_problems.moc"
