#include "Problems.h"

#include "Texts.h"

#include <cmath>

QStringList CandidateWeights(std::int32_t CapacityBound, std::int32_t Division)
{
    QStringList candidates;
    if (Division <= 0)
        return candidates;
    // The quotient is whole for every capacity and step the panel offers; rounding
    // (halves to even) only guards against a representation error.
    const double quotient =
        static_cast<double>(std::int64_t{CapacityBound} - Division) / Division;
    const auto count = static_cast<std::int64_t>(std::nearbyint(quotient));
    for (std::int64_t i = 1; i <= count; ++i)
        candidates.append(QString::number(i * Division));
    return candidates;
}

std::optional<TProblems> DrawProblems(QStringList& Candidates, TRandomSource& Random)
{
    if (Candidates.size() < ProblemCount)
        return std::nullopt;
    TProblems problems;
    for (QString& problem : problems) {
        const auto k = Random.Next(static_cast<int>(Candidates.size()));
        problem = Candidates.takeAt(k);
    }
    return problems;
}

std::optional<QString> AnswerBlank(int UnitIndex, std::uint32_t Value)
{
    switch (UnitIndex) {
    case auGrams:
        return Texts::BlankGrams;
    case auKilograms:
        return Texts::BlankKilograms;
    case auKilogramsAndGrams:
        // Below a kilogram there is nothing to write before "kg".
        return Value <= 999 ? Texts::BlankGrams : Texts::BlankKilogramsAndGrams;
    default:
        return std::nullopt;
    }
}

QString SummaryLine1(const TSummaryTexts& Parts)
{
    return Parts.StrKind + Parts.StrSparselyDensely + Parts.StrPer200 + Parts.StrDivision;
}

QString SummaryLine2(std::int32_t RangeMin, std::int32_t RangeMax, const TSummaryTexts& Parts)
{
    // The upper bound is shown in whole kilograms, truncated toward zero.
    return Texts::RangePrefix + QString::number(RangeMin) + Texts::RangeGramsTo
           + QString::number(RangeMax / 1000) + Texts::RangeKilograms + Parts.StrShow
           + Parts.StrUnit;
}
