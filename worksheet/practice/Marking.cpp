#include "practice/Marking.h"

#include <limits>

namespace {

std::optional<std::uint32_t> Grams(std::uint64_t Value)
{
    if (Value > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<std::uint32_t>(Value);
}

// "1.25" kilograms as 1250 grams, exactly: the fraction's digits past the third must be
// zeros, or the answer is no whole number of grams.
std::optional<std::uint32_t> DecimalKilograms(const QString& Text)
{
    const qsizetype point = Text.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? Text : Text.left(point);
    QString fraction = point < 0 ? QString() : Text.mid(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    while (fraction.size() > 3 && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (fraction.size() > 3)
        return std::nullopt;
    const std::optional<std::uint64_t> kilograms = whole.isEmpty() ? std::uint64_t{0} : DigitsValue(whole);
    const std::optional<std::uint64_t> thousandths =
        fraction.isEmpty() ? std::uint64_t{0}
                           : DigitsValue(fraction.leftJustified(3, QLatin1Char('0')));
    if (!kilograms || !thousandths)
        return std::nullopt;
    return Grams(*kilograms * 1000 + *thousandths);
}

}  // namespace

std::optional<std::uint64_t> DigitsValue(const QString& Digits, int MaxDigits)
{
    if (Digits.isEmpty() || Digits.size() > MaxDigits)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : Digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c.unicode() - u'0');
    }
    return value;
}

TBlankForm BlankForm(TAnswerUnit Unit, std::uint32_t Weight)
{
    switch (BlankUnit(Unit, Weight)) {
    case auKilograms:
        return bfKilograms;
    case auKilogramsAndGrams:
        return bfKilogramsAndGrams;
    case auGrams:
        break;
    }
    return bfGrams;
}

QString HalfWidthDigits(const QString& Text)
{
    QString half = Text;
    for (QChar& c : half) {
        if (c >= QChar(0xFF10) && c <= QChar(0xFF19))
            c = QChar(u'0' + (c.unicode() - 0xFF10));
        else if (c == QChar(0xFF0E))
            c = QLatin1Char('.');
    }
    return half;
}

std::optional<std::uint32_t> AnswerGrams(TBlankForm Form, const TTypedAnswer& Answer)
{
    switch (Form) {
    case bfGrams:
        if (const auto grams = DigitsValue(HalfWidthDigits(Answer.Grams)))
            return Grams(*grams);
        return std::nullopt;
    case bfKilograms:
        return DecimalKilograms(HalfWidthDigits(Answer.Kilograms));
    case bfKilogramsAndGrams: {
        // "1" kg with the grams left empty is 1 kg 0 g, as a pupil writes a whole kilogram.
        const auto kilograms = DigitsValue(HalfWidthDigits(Answer.Kilograms));
        const auto grams = Answer.Grams.isEmpty() ? std::uint64_t{0} : DigitsValue(HalfWidthDigits(Answer.Grams));
        if (!kilograms || !grams || *grams >= 1000)
            return std::nullopt;
        return Grams(*kilograms * 1000 + *grams);
    }
    }
    return std::nullopt;
}

TMarking MarkAnswers(TAnswerUnit Unit, const TWeights& Weights,
                     const std::array<TTypedAnswer, ProblemCount>& Answers)
{
    TMarking marking;
    for (int i = 0; i < ProblemCount; ++i) {
        const std::optional<std::uint32_t> grams = AnswerGrams(BlankForm(Unit, Weights[i]), Answers[i]);
        marking.Right[i] = grams && *grams == Weights[i];
        marking.Score += marking.Right[i] ? 1 : 0;
    }
    return marking;
}

TMarking MarkNeedles(const TWeights& Weights, const TWeights& Needles)
{
    TMarking marking;
    for (int i = 0; i < ProblemCount; ++i) {
        marking.Right[i] = Needles[i] == Weights[i];
        marking.Score += marking.Right[i] ? 1 : 0;
    }
    return marking;
}
