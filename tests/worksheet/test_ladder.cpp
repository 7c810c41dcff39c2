// The step-up ladder: how a run of scores moves the pupil, reading and drawing in
// turn, and that every level is a sheet the panel could have made, easiest first.

#include "practice/Ladder.h"
#include "sheet/Settling.h"

#include <QtTest>

class TestLadder : public QObject {
    Q_OBJECT

private slots:
    void scoresMoveThePupil_data()
    {
        QTest::addColumn<QList<int>>("scores");
        // After each sheet: the level, and R or D for the exercise of the sheet that follows.
        QTest::addColumn<QString>("trace");
        QTest::newRow("up after 5, 6") << QList<int>{5, 6, 6} << "1D 2R 2D";
        QTest::newRow("not after 5, 4, 5") << QList<int>{5, 4, 5, 5} << "1D 1R 1D 2R";
        QTest::newRow("down after 3, not 4") << QList<int>{5, 5, 4, 3, 5} << "1D 2R 2D 1R 1D";
        QTest::newRow("stays at 1") << QList<int>{3, 0} << "1D 1R";
        // 28 good sheets climb the 14 steps to the top; the ones after stay there.
        QTest::newRow("stays at the last") << QList<int>(31, 5) << "14D 15R 15D 15R 15D";
    }

    void scoresMoveThePupil()
    {
        QFETCH(QList<int>, scores);
        QFETCH(QString, trace);
        TPracticeLadder ladder;
        QStringList steps;
        for (const int score : scores) {
            // Each sheet from the place a results file keeps, as a class taken up again would.
            ladder = TPracticeLadder::AtPlace(ladder.Place());
            const int before = ladder.Level();
            const bool changed = ladder.Record(score);
            QCOMPARE(changed, ladder.Level() != before);
            steps << QString::number(ladder.Level()) + (ladder.Exercise() == exRead ? u'R' : u'D');
        }
        QVERIFY2(steps.join(u' ').endsWith(trace), qPrintable(steps.join(u' ')));
        QCOMPARE(ladder.LevelText(), QStringLiteral("レベル %1/15").arg(ladder.Level()));
    }

    // Each level, read and drawn, is a sheet as the panel settles it, and no easier than
    // the one before: the capacity never smaller and, at one capacity, neither the step
    // larger nor the marks sparser; 1/200, fewer numerals and mixed scales come last.
    void everyLevelIsASheet()
    {
        const std::span<const TSheetSettings> levels = LadderLevels();
        QVERIFY(levels.front().Capacity == 0 && !levels.front().Dense && levels.back().Mixed);
        const auto extra = [](const TSheetSettings& S) { return S.Per200 == pcShow || S.Numerals != snAll || S.Mixed; };
        for (std::size_t i = 0; i < levels.size(); ++i) {
            const QByteArray level = QByteArray::number(static_cast<int>(i) + 1);
            TSheetSettings s = levels[i];
            const TSheetSettings& easier = levels[i == 0 ? 0 : i - 1];
            QVERIFY2(s.Capacity >= easier.Capacity && (extra(s) || !extra(easier)), level);
            QVERIFY2(s.Capacity != easier.Capacity || extra(s) ||
                         (s.StepGrams() <= easier.StepGrams() && s.Dense >= easier.Dense), level);
            for (const TExercise exercise : {exRead, exDraw}) {
                s.Exercise = exercise;
                QVERIFY2(s.IsValid() && Settled(s, s) == s && DrawSheet(s, 2026).has_value(), level);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestLadder)
#include "test_ladder.moc"
