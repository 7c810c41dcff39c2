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
           (offer.Enlarged || !Enlarged);
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
    return texts;
}

std::optional<TWeights> DrawWeights(const TSheetSettings& Settings, TRandomSource& Random,
                                    TCandidates& Candidates)
{
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
    const std::optional<TWeights> weights = DrawWeights(Settings, random, candidates);
    if (!weights)
        return std::nullopt;
    return TSheet{Settings, *weights, random.SeedValue()};
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
            return s.Weights == sheet->Weights;
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
        return QString::number(kilograms) + QStringLiteral("kg ") + QString::number(rest) +
               QStringLiteral("g");
    }
    return {};
}
