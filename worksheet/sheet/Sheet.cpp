#include "sheet/Sheet.h"

#include "sheet/RandomSource.h"
#include "sheet/SettingsTables.h"
#include "sheet/Settling.h"
#include "Texts.h"

#include <algorithm>

std::int32_t TSheetSettings::CapacityGrams() const { return CapacityRows()[Capacity].Capacity; }

std::int32_t TSheetSettings::StepGrams() const { return StepRows()[Step].Step; }

bool TSheetSettings::IsValid() const
{
    if (Capacity < 0 || Capacity >= CapacityCount)
        return false;
    const TSettingsOffer offer = Offered(*this);
    return Step >= 0 && Step < StepCount && StepOnceOffered(*this, Step) && Per200 <= pcShow &&
           Unit >= auGrams && Unit <= auKilogramsAndGrams && RangeMin >= 0 &&
           RangeMin <= offer.RangeBound && RangeMax >= 0 && Exercise <= exDraw &&
           (offer.Enlarged || !Enlarged) && Numerals <= snEnds &&
           (!Mixed || (offer.Mixed && Step == StartingStep(*this) && RangeMin == 0 &&
                       RangeMax == offer.RangeBound));
}

int DialCapacity(const TSheet& Sheet, int Index)
{
    return Sheet.Settings.Mixed ? Sheet.Capacities[static_cast<std::size_t>(Index)] : Sheet.Settings.Capacity;
}

namespace {

// The step a mixed sheet's dial of capacity Capacity is drawn at: the one the capacity
// starts with under the sheet's density and 1/200 choice.
int MixedStep(const TSheetSettings& Settings, int Capacity)
{
    TSheetSettings own = Settings;
    own.Capacity = Capacity;
    return StartingStep(own);
}

}  // namespace

std::int32_t DialStepGrams(const TSheet& Sheet, int Index)
{
    if (!Sheet.Settings.Mixed)
        return Sheet.Settings.StepGrams();
    return StepRows()[MixedStep(Sheet.Settings, DialCapacity(Sheet, Index))].Step;
}

std::int32_t FinestGraduation(const TSheetSettings& Settings)
{
    return FinestGraduation(CapacityRows()[Settings.Capacity].Type, BoardScale(Settings),
                            ShowScalePer200(Settings));
}

bool StepOffered(const TSheetSettings& Settings, int StepIndex)
{
    return StepOffered(CapacityRows()[Settings.Capacity], StepIndex, FinestGraduation(Settings));
}

int StartingStep(const TSheetSettings& Settings)
{
    return StartingStep(CapacityRows()[Settings.Capacity], FinestGraduation(Settings));
}

bool StepOnceOffered(const TSheetSettings& Settings, int StepIndex)
{
    return StepOnceOffered(CapacityRows()[Settings.Capacity], StepIndex, FinestGraduation(Settings));
}

TSummaryTexts SummaryTexts(const TSheetSettings& Settings)
{
    TSummaryTexts texts;
    if (Settings.Capacity >= 0 && Settings.Capacity < CapacityCount)
        texts.StrKind = Texts::CapacitySummary.arg(CapacityRows()[Settings.Capacity].Item.trimmed());
    if (Settings.Step >= 0 && Settings.Step < StepCount)
        texts.StrDivision = Texts::StepSummary.arg(StepRows()[Settings.Step].Caption);
    texts.StrSparselyDensely = Settings.Dense ? Texts::DenselySummary : Texts::SparselySummary;
    if (Settings.Per200 != pcUnchosen)
        texts.StrPer200 = Settings.Per200 == pcHide ? Texts::Per200HideSummary : Texts::Per200ShowSummary;
    texts.StrShow = Settings.Enlarged ? Texts::EnlargedSummary : Texts::WholeSummary;
    switch (Settings.Unit) {
    case auGrams:
        texts.StrUnit = Texts::UnitGramsSummary;
        break;
    case auKilograms:
        texts.StrUnit = Texts::UnitKilogramsSummary;
        break;
    case auKilogramsAndGrams:
        texts.StrUnit = Texts::UnitKilogramsAndGramsSummary;
        break;
    }
    if (Settings.Exercise == exDraw)
        texts.StrExercise = Texts::DrawSummary;
    if (Settings.Numerals == snLarge)
        texts.StrNumerals = Texts::NumeralsLargeSummary;
    else if (Settings.Numerals == snEnds)
        texts.StrNumerals = Texts::NumeralsEndsSummary;
    return texts;
}

TSummaryTexts SummaryTexts(const TSheet& Sheet)
{
    const TSheetSettings& s = Sheet.Settings;
    TSummaryTexts texts = SummaryTexts(s);
    if (!s.Mixed || s.Capacity < 0 || s.Capacity >= CapacityCount)
        return texts;
    texts.StrKind = Texts::MixedCapacitySummary.arg(CapacityRows()[s.Capacity].Item.trimmed());
    // One step where every dial has it, else the steps differ from dial to dial.
    const std::int32_t first = DialStepGrams(Sheet, 0);
    bool same = true;
    for (int i = 1; i < ProblemCount; ++i)
        same = same && DialStepGrams(Sheet, i) == first;
    for (const TStepRow& row : StepRows())
        if (same && row.Step == first)
            texts.StrDivision = Texts::StepSummary.arg(row.Caption);
    if (!same)
        texts.StrDivision = Texts::MixedStepSummary;
    texts.StrRange = Texts::WholeRangeSummary;
    return texts;
}

namespace {

// Six capacities up to the chosen one, drawn again until at least two differ.
TDialCapacities DrawCapacities(int Chosen, TRandomSource& Random)
{
    TDialCapacities capacities{};
    do {
        for (int& capacity : capacities)
            capacity = Random.Next(Chosen + 1);
    } while (std::ranges::count(capacities, capacities[0]) == ProblemCount);
    return capacities;
}

bool Among(const TWeights& Weights, std::size_t Count, std::uint32_t Weight)
{
    return std::find(Weights.begin(), Weights.begin() + static_cast<std::ptrdiff_t>(Count), Weight) !=
           Weights.begin() + static_cast<std::ptrdiff_t>(Count);
}

std::optional<TWeights> DrawMixedWeights(const TSheet& Sheet, TRandomSource& Random, TCandidates& Candidates)
{
    TWeights weights{};
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const int index = static_cast<int>(i);
        TCandidates own =
            CandidateWeights(CapacityRows()[DialCapacity(Sheet, index)].Capacity, DialStepGrams(Sheet, index));
        // No weight twice on a sheet, as on any other.
        std::erase_if(own, [&](std::uint32_t w) { return Among(weights, i, w); });
        if (own.empty())
            return std::nullopt;
        weights[i] = own[static_cast<std::size_t>(Random.Next(static_cast<int>(own.size())))];
    }
    Candidates = CandidateWeights(Sheet.Settings.CapacityGrams(), Sheet.Settings.StepGrams());
    std::erase_if(Candidates, [&](std::uint32_t w) { return Among(weights, weights.size(), w); });
    return weights;
}

}  // namespace

std::optional<TWeights> DrawWeights(const TSheetSettings& Settings, TRandomSource& Random,
                                    TCandidates& Candidates, TDialCapacities& Capacities)
{
    Capacities = {};
    if (Settings.Mixed && Offered(Settings).Mixed) {
        TSheet sheet{Settings, {}, 0, DrawCapacities(Settings.Capacity, Random)};
        const std::optional<TWeights> weights = DrawMixedWeights(sheet, Random, Candidates);
        if (weights)
            Capacities = sheet.Capacities;
        return weights;
    }
    Candidates = CandidateWeights(Settings.CapacityGrams(), Settings.StepGrams(), Settings.RangeMin,
                                  Settings.RangeMax);
    return DrawProblems(Candidates, Random);
}

std::optional<TSheet> DrawSheet(const TSheetSettings& Settings, std::uint32_t Seed)
{
    if (!Settings.IsValid())
        return std::nullopt;
    TSheetSeedRandom random(Seed);
    TCandidates candidates;
    TDialCapacities capacities{};
    const std::optional<TWeights> weights = DrawWeights(Settings, random, candidates, capacities);
    if (!weights)
        return std::nullopt;
    return TSheet{Settings, *weights, random.SeedValue(), capacities};
}

namespace {

// The seed of the next sheet of a set. A full-period step through all the seeds a
// code can carry (an odd increment and a multiplier of the form 4k + 1), so a set
// never runs in a short circle however its first seed was chosen.
std::uint32_t NextSetSeed(std::uint32_t Seed)
{
    return (Seed * 1664525U + 1013904223U) % SheetSeedLimit;
}

}  // namespace

std::vector<TSheet> DrawSet(const TSheet& First, int Count)
{
    std::vector<TSheet> sheets{First};
    std::uint32_t seed = First.Seed % SheetSeedLimit;
    // Each seed is tried once at most: the walk visits every seed before it repeats.
    for (std::uint32_t tried = 0; static_cast<int>(sheets.size()) < Count && tried < SheetSeedLimit;
         ++tried) {
        seed = NextSetSeed(seed);
        const std::optional<TSheet> sheet = DrawSheet(First.Settings, seed);
        if (!sheet)
            break;
        const bool repeated = std::any_of(sheets.begin(), sheets.end(), [&](const TSheet& s) {
            return s.Weights == sheet->Weights && s.Capacities == sheet->Capacities;
        });
        if (!repeated)
            sheets.push_back(*sheet);
    }
    return sheets;
}

QString AnswerText(TAnswerUnit Unit, std::uint32_t Weight, const QString& DecimalSeparator)
{
    const QString grams = QString::number(Weight) + QStringLiteral("g");
    const std::uint32_t kilograms = Weight / 1000, rest = Weight % 1000;
    switch (BlankUnit(Unit, Weight)) {
    case auGrams:
        return grams;
    case auKilograms: {
        // Thousandths of a kilogram without trailing zeros, and no separator for a
        // whole number of kilograms.
        QString fraction = QStringLiteral("%1").arg(rest, 3, 10, QLatin1Char('0'));
        while (fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
        return QString::number(kilograms) + (fraction.isEmpty() ? QString() : DecimalSeparator + fraction) +
               QStringLiteral("kg");
    }
    case auKilogramsAndGrams:
        // A whole kilogram is written without "0g", as a pupil writes it.
        return QString::number(kilograms) + QStringLiteral("kg") +
               (rest == 0 ? QString() : QStringLiteral(" ") + QString::number(rest) + QStringLiteral("g"));
    }
    return {};
}
