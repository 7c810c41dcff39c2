#pragma once
// "ステップアップ": practice that chooses the sheets itself. A fixed ladder of levels runs
// from the easiest sheet to the hardest; the pupil climbs it by scoring well and steps
// back after a poor sheet. Each level is read, then drawn, at the same settings.
// Plain data and no widgets: the window shows Level() and asks for NextSettings().

#include "sheet/Sheet.h"

#include <QString>

#include <span>

// The ladder's levels, easiest first: each level's settings for a reading sheet, over
// the whole dial. The unit of the answers is left to the caller (the teacher's).
std::span<const TSheetSettings> LadderLevels();

class TPracticeLadder {
public:
    int Level() const { return FLevel + 1; }  // 1-based
    int LevelCount() const;
    TExercise Exercise() const { return FExercise; }
    // The settings of the next sheet: the level's, for the exercise, in the teacher's
    // answer unit.
    TSheetSettings NextSettings(TAnswerUnit Unit) const;
    // A sheet marked, with its first-try score out of 6. Moves up after two sheets in a
    // row with at least 5 right, down after one with 3 or fewer; returns whether the
    // level changed.
    bool Record(int FirstTryScore);
    // The whole state as one number, never 0, for a results file to keep.
    int Place() const;
    // The ladder at a kept place; a place no ladder has starts at the foot.
    static TPracticeLadder AtPlace(int Place);
    // "レベル 4/12", translated.
    QString LevelText() const;

private:
    int FLevel = 0;
    TExercise FExercise = exRead;
    int FGoodInRow = 0;  // sheets in a row at this level with at least 5 right
};
