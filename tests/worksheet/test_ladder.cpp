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
        QTest::addColumn<QString>("text");  // the level as shown after the last sheet
        QTest::newRow("up after 5, 5") << QList<int>{5, 5} << "1D 2R" << "レベル 2/15";
        QTest::newRow("up after 6, 5") << QList<int>{6, 5, 6} << "1D 2R 2D" << "レベル 2/15";
        QTest::newRow("not after 5, 4, 5") << QList<int>{5, 4, 5, 5} << "1D 1R 1D 2R" << "レベル 2/15";
        QTest::newRow("down after 3") << QList<int>{5, 5, 3} << "1D 2R 1R" << "レベル 1/15";
        QTest::newRow("4 keeps the level") << QList<int>{6, 6, 4, 4, 5} << "1D 2R 2D 2R 2D" << "レベル 2/15";
        QTest::newRow("down clears the run") << QList<int>{5, 5, 5, 0, 5, 5} << "1D 2R 2D 1R 1D 2R"
                                             << "レベル 2/15";
        QTest::newRow("stays at 1") << QList<int>{3, 0, 5} << "1D 1R 1D" << "レベル 1/15";
        // 28 good sheets climb the 14 steps to the top; the ones after stay there.
        QTest::newRow("stays at the last")
            << QList<int>(32, 5) << "1D 2R 2D 3R 3D 4R 4D 5R 5D 6R 6D 7R 7D 8R 8D 9R 9D 10R 10D 11R 11D "
                                    "12R 12D 13R 13D 14R 14D 15R 15D 15R 15D 15R"
            << "レベル 15/15";
    }

    void scoresMoveThePupil()
    {
        QFETCH(QList<int>, scores);
        QFETCH(QString, trace);
        QFETCH(QString, text);
        TPracticeLadder ladder;
        QCOMPARE(ladder.Level(), 1);
        QCOMPARE(ladder.Exercise(), exRead);
        QStringList steps;
        for (const int score : scores) {
            const int before = ladder.Level();
            const bool changed = ladder.Record(score);
            QCOMPARE(changed, ladder.Level() != before);
            steps << QString::number(ladder.Level()) + (ladder.Exercise() == exRead ? u'R' : u'D');
        }
        QCOMPARE(steps.join(u' '), trace);
        QCOMPARE(ladder.LevelText(), text);
        TSheetSettings next = LadderLevels()[static_cast<std::size_t>(ladder.Level() - 1)];
        next.Exercise = ladder.Exercise();
        next.Unit = auGrams;
        QVERIFY(ladder.NextSettings(auGrams) == next);
    }

    // Each level, read and drawn, is a sheet as the panel settles it, and harder than the
    // one before: a capacity never gets smaller; at one capacity the step never gets
    // larger nor the marks sparser; 1/200, fewer numerals and mixed scales come last.
    void everyLevelIsASheetHarderThanTheLast()
    {
        const std::span<const TSheetSettings> levels = LadderLevels();
        QVERIFY(levels.size() >= 10 && levels.size() <= 16);
        QCOMPARE(levels.front().CapacityGrams(), 1000);
        QVERIFY(!levels.front().Dense);
        QVERIFY(levels.back().Mixed);
        bool extrasBegun = false;
        for (std::size_t i = 0; i < levels.size(); ++i) {
            const TSheetSettings& level = levels[i];
            for (const TExercise exercise : {exRead, exDraw}) {
                TSheetSettings s = level;
                s.Exercise = exercise;
                s.Unit = auKilograms;
                QVERIFY2(s.IsValid(), qPrintable(QString::number(i + 1)));
                QVERIFY2(Settled(s, s) == s, qPrintable(QString::number(i + 1)));
                QVERIFY2(DrawSheet(s, 2026).has_value(), qPrintable(QString::number(i + 1)));
                QVERIFY(!s.Enlarged);
            }
            const bool extra = level.Per200 == pcShow || level.Numerals != snAll || level.Mixed;
            QVERIFY2(extra || !extrasBegun, qPrintable(QString::number(i + 1)));
            extrasBegun = extrasBegun || extra;
            if (i == 0)
                continue;
            const TSheetSettings& easier = levels[i - 1];
            QVERIFY2(level.CapacityGrams() >= easier.CapacityGrams(), qPrintable(QString::number(i + 1)));
            if (level.Capacity == easier.Capacity && !level.Mixed)
                QVERIFY2(level.StepGrams() <= easier.StepGrams() && level.Dense >= easier.Dense &&
                             !(level == easier),
                         qPrintable(QString::number(i + 1)));
        }
    }
};

QTEST_GUILESS_MAIN(TestLadder)
#include "test_ladder.moc"
