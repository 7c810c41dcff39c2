#include "sheet/Problems.h"

#include "Texts.h"

#include <algorithm>
#include <cmath>

TCandidates CandidateWeights(std::int32_t CapacityBound, std::int32_t Division,
                             std::int32_t Lower, std::int32_t Upper)
{
    TCandidates candidates;
    if (Division <= 0)
        return candidates;
    // The quotient is whole for every capacity and step the panel offers; rounding
    // (halves to even) only guards against a representation error.
    const double quotient =
        static_cast<double>(std::int64_t{CapacityBound} - Division) / Division;
    const auto count = static_cast<std::int64_t>(std::nearbyint(quotient));
    for (std::int64_t i = 1; i <= count; ++i)
        if (const std::int64_t w = i * Division; Lower <= w && w <= Upper)
            candidates.push_back(static_cast<std::uint32_t>(w));
    return candidates;
}

std::optional<TWeights> DrawProblems(TCandidates& Candidates, TRandomSource& Random)
{
    if (Candidates.size() < ProblemCount)
        return std::nullopt;
    TWeights weights{};
    for (std::uint32_t& weight : weights) {
        const auto k = static_cast<std::size_t>(Random.Next(static_cast<int>(Candidates.size())));
        weight = Candidates[k];
        Candidates.erase(Candidates.begin() + static_cast<std::ptrdiff_t>(k));
    }
    return weights;
}

std::optional<QString> AnswerBlank(int UnitIndex, std::uint32_t Value)
{
    if (UnitIndex < auGrams || UnitIndex > auKilogramsAndGrams)
        return std::nullopt;
    switch (BlankUnit(static_cast<TAnswerUnit>(UnitIndex), Value)) {
    case auGrams:
        return Texts::BlankGrams;
    case auKilograms:
        return Texts::BlankKilograms;
    case auKilogramsAndGrams:
        return Texts::BlankKilogramsAndGrams;
    }
    return std::nullopt;
}

QString SummaryLine1(const TSummaryTexts& Parts, bool NamesPer200)
{
    // A 1/200 choice that draws nothing (hidden, or on a sparse or 2 kg dial) would
    // describe marks the sheet does not have.
    return Parts.StrKind + Parts.StrSparselyDensely + (NamesPer200 ? Parts.StrPer200 : QString())
           + Parts.StrDivision + Parts.StrNumerals + Parts.StrExercise;
}

QString SummaryLine2(std::int32_t RangeMin, std::int32_t RangeMax, const TSummaryTexts& Parts)
{
    const QString range = Parts.StrRange.isEmpty()
                              ? QString::number(RangeMin) + Texts::RangeGramsTo + RangeUpperText(RangeMax)
                              : Parts.StrRange;
    return Texts::RangePrefix + range + Texts::PartEnd + Parts.StrShow + Parts.StrUnit;
}

QString RangeUpperText(std::int32_t RangeMax)
{
    if (RangeMax % 1000 == 0)
        return QString::number(RangeMax / 1000) + Texts::Kilograms;
    return QString::number(RangeMax) + Texts::Grams;
}

int SummaryLine2Left(int DesignLeft, int Line1End, int Space)
{
    return std::max(DesignLeft, Line1End + Space);
}
