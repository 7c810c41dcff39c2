#pragma once
// A sheet as plain data: its settings, its six weights and the seed they were drawn
// from. The window, the sheet code, the answer key, a class set and the command line
// all pass this value around; the window's hidden working controls only mirror it.

#include "dial/DialTypes.h"
#include "sheet/Problems.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The 1/200 choice as the sheet's summary sees it: until the teacher first picks an
// item the first summary line has no 1/200 part at all.
enum TPer200Choice : std::uint8_t { pcUnchosen, pcHide, pcShow };

// What the pupil does on the sheet: reads the weight a needle shows, or draws the
// needle for a weight written under an empty dial.
enum TExercise : std::uint8_t { exRead, exDraw };

struct TSheetSettings {
    int Capacity = 1;   // index into CapacityRows(): 2 kg
    int Step = 3;       // index into StepRows(): 100 g
    bool Dense = true;
    TPer200Choice Per200 = pcUnchosen;
    bool Enlarged = false;
    TAnswerUnit Unit = auKilogramsAndGrams;
    std::int32_t RangeMin = 0;     // the range boxes, grams
    std::int32_t RangeMax = 2000;
    // A draw sheet is always the whole dial: the enlarged part would show where the
    // needle belongs.
    TExercise Exercise = exRead;
    // Which numerals the dials print: all, the large ones only, or the two ends.
    TTypeShowNumerals Numerals = snAll;
    // Each dial its own capacity, at most the chosen one, with the step that capacity
    // starts with; the range is then the whole of every dial.
    bool Mixed = false;

    std::int32_t CapacityGrams() const;
    std::int32_t StepGrams() const;
    // Whether these are a sheet's settings: the panel offers the step with this
    // capacity, density and 1/200 choice, or offered it when the sheet may have been
    // printed (a code printed then still brings its sheet back), and every field holds
    // a value the window can show.
    bool IsValid() const;

    friend bool operator==(const TSheetSettings&, const TSheetSettings&) = default;
};

// The dial properties that the settings stand for.
inline TTypeBoardScale BoardScale(const TSheetSettings& Settings)
{
    return Settings.Dense ? bsDensely : bsSparsely;
}

// The one mapping of the 1/200 choice: the dial property each choice gives (the dials
// hide it until the teacher picks), and the panel's item that shows it ("非表示", "表示").
struct TPer200Row {
    TPer200Choice Choice;
    TTypeShowScalePer200 Dial;
    int Item;  // -1: none picked
};
inline constexpr TPer200Row Per200Rows[] = {{pcUnchosen, ssHide, -1}, {pcHide, ssHide, 0}, {pcShow, ssShow, 1}};

inline TTypeShowScalePer200 ShowScalePer200(const TSheetSettings& Settings)
{
    return Settings.Per200 <= pcShow ? Per200Rows[Settings.Per200].Dial : ssHide;
}
// The choice the panel's item stands for; none picked for an item outside the choice.
inline TPer200Choice Per200Choice(int Item)
{
    for (const TPer200Row& row : Per200Rows)
        if (row.Item == Item)
            return row.Choice;
    return pcUnchosen;
}

// The parts the settings' rule (Settled, Offered in sheet/Settling.h) is built from:
// the finest marks the dials draw, in grams; whether
// the step of StepRows()[StepIndex] is offered with the settings' capacity, density and
// 1/200 choice; the step a capacity starts with; and whether sheets with the step may
// have been printed before, so that their codes still bring them back.
std::int32_t FinestGraduation(const TSheetSettings& Settings);
bool StepOffered(const TSheetSettings& Settings, int StepIndex);
int StartingStep(const TSheetSettings& Settings);
bool StepOnceOffered(const TSheetSettings& Settings, int StepIndex);

// The parts of the summary lines that the settings give.
TSummaryTexts SummaryTexts(const TSheetSettings& Settings);

// The capacity of each dial, as indexes into CapacityRows(), problem 1 first.
using TDialCapacities = std::array<int, ProblemCount>;

struct TSheet {
    TSheetSettings Settings;
    TWeights Weights{};
    std::uint32_t Seed = 0;
    // Drawn with the weights on a mixed sheet; all zero on any other, whose dials all
    // have the settings' capacity.
    TDialCapacities Capacities{};

    friend bool operator==(const TSheet&, const TSheet&) = default;
};

// The capacity of dial Index (0 to 5) and the step its weights are drawn at.
int DialCapacity(const TSheet& Sheet, int Index);
std::int32_t DialStepGrams(const TSheet& Sheet, int Index);

// The summary parts of the sheet: those of its settings, and on a mixed sheet the
// capacities and steps its dials were given.
TSummaryTexts SummaryTexts(const TSheet& Sheet);

// The one draw of a sheet's weights: six of the settings' candidates below the
// capacity, drawn from Random without repetition. Candidates is left with the weights
// not drawn. On a mixed sheet the six capacities are drawn first, at least two of them
// different, and each dial's weight among its own capacity's candidates; Candidates is
// then left with the chosen capacity's. None when the settings leave fewer than six.
std::optional<TWeights> DrawWeights(const TSheetSettings& Settings, TRandomSource& Random,
                                    TCandidates& Candidates, TDialCapacities& Capacities);

// The six weights the settings give from Seed; none when the settings leave fewer
// than six weights to draw from.
std::optional<TSheet> DrawSheet(const TSheetSettings& Settings, std::uint32_t Seed);

// A class set: First, then Count − 1 more sheets with the same settings, each drawn
// from its own seed, which follows from the one before it, so the same first sheet
// always gives the same set. No two sheets have the same six weights in the same
// order. Shorter than Count only when the settings cannot give that many.
std::vector<TSheet> DrawSet(const TSheet& First, int Count);

// The answer a pupil writes in the blank of a dial at Weight, in the blank's form:
// "1250g"; "1.25kg", "1kg", "0.05kg"; "1kg 250g", "2kg", and "250g" below a
// kilogram. DecimalSeparator is the one the dial numerals use.
QString AnswerText(TAnswerUnit Unit, std::uint32_t Weight, const QString& DecimalSeparator);
