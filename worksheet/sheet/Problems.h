#pragma once
// The six problems of a sheet and the texts written round them: the candidate
// weights, the drawing without repetition, the answer blanks and the two summary
// lines. Plain functions over plain data; the window only calls them.

#include "sheet/RandomSource.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

constexpr int ProblemCount = 6;

// The problems in the order a pupil reads the sheet, which the answers list and the
// practice boxes follow. The dials stand in three columns of two, problem i in column
// i / 2 and row i % 2; a pupil reads the top row left to right, then the bottom row.
constexpr std::array<int, ProblemCount> ReadingOrder = {0, 2, 4, 1, 3, 5};

// The six weights of a sheet in grams, problem 1 first.
using TWeights = std::array<std::uint32_t, ProblemCount>;
// The weights a sheet may be drawn from, in grams, ascending.
using TCandidates = std::vector<std::uint32_t>;

// The parts of the summary lines, each set by the handler of its settings control.
struct TSummaryTexts {
    QString StrKind;
    QString StrDivision;
    QString StrSparselyDensely;
    QString StrPer200;
    QString StrShow;
    QString StrUnit;
    QString StrExercise;  // ends the first line; empty on a reading sheet
    QString StrNumerals{};  // after the step; empty while every numeral is printed
    QString StrRange{};     // the range in words; empty: its two bounds
};

// Items of the answer-unit choice.
enum TAnswerUnit : int { auGrams = 0, auKilograms = 1, auKilogramsAndGrams = 2 };

// The unit the blank of a dial at Weight is written in: below a kilogram a
// kilograms-and-grams blank has nothing to write before "kg", so it holds grams alone.
constexpr TAnswerUnit BlankUnit(TAnswerUnit Unit, std::uint32_t Weight)
{
    return Unit == auKilogramsAndGrams && Weight < 1000 ? auGrams : Unit;
}

// Division, 2 × Division, … up to the last multiple below CapacityBound: neither 0
// nor the full capacity is ever a candidate. Of these, only the weights from Lower to
// Upper (both included) are kept: the range the teacher set.
TCandidates CandidateWeights(std::int32_t CapacityBound, std::int32_t Division,
                             std::int32_t Lower = 0,
                             std::int32_t Upper = std::numeric_limits<std::int32_t>::max());

// Draws six candidates without repetition, removing each from the list as it is
// drawn. With fewer than six candidates nothing is drawn and the list stays as it is.
std::optional<TWeights> DrawProblems(TCandidates& Candidates, TRandomSource& Random);

// The blank under a dial standing at Value, for the selected unit item; none for no
// selection, which leaves the blank as it was.
std::optional<QString> AnswerBlank(int UnitIndex, std::uint32_t Value);

// The 1/200 part is named only when the dials draw that graduation (NamesPer200).
QString SummaryLine1(const TSummaryTexts& Parts, bool NamesPer200);
QString SummaryLine2(std::int32_t RangeMin, std::int32_t RangeMax, const TSummaryTexts& Parts);
// The range's upper bound as the sheet shows it, exactly: "2kg" for whole
// kilograms, otherwise grams ("800g").
QString RangeUpperText(std::int32_t RangeMax);

// Where the second summary line starts: at its designed place, unless the first line
// reaches that far; then one Space after the first line's end, so that neither line
// covers the other.
int SummaryLine2Left(int DesignLeft, int Line1End, int Space);
