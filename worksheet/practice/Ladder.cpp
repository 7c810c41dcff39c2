#include "practice/Ladder.h"

#include "sheet/SettingsTables.h"
#include "Texts.h"

#include <algorithm>
#include <vector>

namespace {

// One rung as a teacher would name it: the capacity and step in grams, and what the
// dial shows besides.
struct TRung {
    std::int32_t Capacity;
    std::int32_t Step;
    bool Dense;
    TPer200Choice Per200 = pcUnchosen;
    TTypeShowNumerals Numerals = snAll;
    bool Mixed = false;
};

constexpr bool Sparse = false, Dense = true;

// A pupil first reads weights that fall on numbered marks of a small dial, then the
// marks between them, then counts small marks; each larger capacity starts over with
// few marks where it can. Extra marks (1/200), fewer numerals and a different scale on
// every dial come last, once the pupil reads any one dial.
constexpr TRung Rungs[] = {
    {1000, 100, Sparse},   // every weight on a numbered mark
    {1000, 50, Sparse},    // the short mark half way between two numerals
    {1000, 10, Dense},     // counting the small marks in tens
    {2000, 100, Sparse},   // past one kilogram: kilograms and grams
    {2000, 20, Dense},     // small marks on a longer dial, every other one
    {5000, 200, Sparse},   // marks of 100 g, the weights on every other one
    {5000, 100, Dense},    // small marks of 20 g, not 10 g
    {10000, 500, Sparse},  // numerals in kilograms
    {10000, 100, Dense},
    {20000, 200, Dense},
    {50000, 1000, Dense},  // small marks of 200 g
    {100000, 1000, Dense},
    // Half-kilogram marks that are not to be counted as kilograms.
    {.Capacity = 100000, .Step = 1000, .Dense = Dense, .Per200 = pcShow},
    // Counting on from the numerals every 20 kg.
    {.Capacity = 100000, .Step = 1000, .Dense = Dense, .Numerals = snLarge},
    // Each dial its own capacity and step.
    {.Capacity = 100000, .Step = 1000, .Dense = Dense, .Mixed = true},
};

template <typename TRows, typename TField>
int IndexOf(const TRows& Rows, std::int32_t Grams, TField Field)
{
    return static_cast<int>(std::ranges::find(Rows, Grams, Field) - Rows.begin());
}

TSheetSettings Settings(const TRung& Rung)
{
    TSheetSettings s;
    s.Capacity = IndexOf(CapacityRows(), Rung.Capacity, &TCapacityRow::Capacity);
    s.Step = IndexOf(StepRows(), Rung.Step, &TStepRow::Step);
    s.Dense = Rung.Dense;
    s.Per200 = Rung.Per200;
    s.RangeMin = 0;
    s.RangeMax = Rung.Capacity;
    s.Numerals = Rung.Numerals;
    s.Mixed = Rung.Mixed;
    return s;
}

}  // namespace

std::span<const TSheetSettings> LadderLevels()
{
    static const std::vector<TSheetSettings> levels = [] {
        std::vector<TSheetSettings> all;
        for (const TRung& rung : Rungs)
            all.push_back(Settings(rung));
        return all;
    }();
    return levels;
}

int TPracticeLadder::LevelCount() const { return static_cast<int>(LadderLevels().size()); }

TSheetSettings TPracticeLadder::NextSettings(TAnswerUnit Unit) const
{
    TSheetSettings s = LadderLevels()[static_cast<std::size_t>(FLevel)];
    s.Unit = Unit;
    s.Exercise = FExercise;
    return s;
}

bool TPracticeLadder::Record(int FirstTryScore)
{
    const int before = FLevel;
    FGoodInRow = FirstTryScore >= 5 ? FGoodInRow + 1 : 0;
    if (FGoodInRow == 2) {
        FLevel = std::min(FLevel + 1, LevelCount() - 1);
        FGoodInRow = 0;
    } else if (FirstTryScore <= 3) {
        FLevel = std::max(FLevel - 1, 0);
    }
    // A new level starts with reading; within one, reading and drawing take turns.
    if (FLevel != before) {
        FExercise = exRead;
        return true;
    }
    FExercise = FExercise == exRead ? exDraw : exRead;
    return false;
}

int TPracticeLadder::Place() const { return 1 + (FLevel * 2 + (FExercise == exDraw ? 1 : 0)) * 2 + FGoodInRow; }

TPracticeLadder TPracticeLadder::AtPlace(int Place)
{
    TPracticeLadder ladder;
    const int state = Place - 1;
    if (state < 0 || state / 4 >= ladder.LevelCount())
        return ladder;
    ladder.FLevel = state / 4;
    ladder.FExercise = state / 2 % 2 ? exDraw : exRead;
    ladder.FGoodInRow = state % 2;
    return ladder;
}

QString TPracticeLadder::LevelText() const { return Texts::LadderLevel.arg(Level()).arg(LevelCount()); }
