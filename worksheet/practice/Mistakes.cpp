#include "practice/Mistakes.h"

#include "Texts.h"
#include "dial/Graduations.h"
#include "dial/Numerals.h"
#include "dial/PlatformScale.h"
#include "sheet/Sheet.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

// The mark sizes a pupil may take a small mark for.
constexpr std::uint32_t MarkSizes[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};

// The printed numerals round the right weight: a at or below it, b above it.
struct TNeighbours {
    std::optional<std::uint32_t> Below;
    std::optional<std::uint32_t> Above;
};

TNeighbours Neighbours(const TDialDrawing& Dial, std::uint32_t Right)
{
    const auto above = std::upper_bound(Dial.Numerals.begin(), Dial.Numerals.end(), Right);
    TNeighbours n;
    if (above != Dial.Numerals.end())
        n.Above = *above;
    if (above != Dial.Numerals.begin())
        n.Below = *(above - 1);
    return n;
}

// The slips of reading the dial itself, which a typed answer and a needle share.
TMistake ReadingSlip(const TDialDrawing& Dial, std::uint32_t Right, std::uint32_t Answer)
{
    const std::uint32_t m = Dial.FinestMark;
    const TNeighbours n = Neighbours(Dial, Right);
    if (m == 0 || !n.Below)
        return TMistake::None;
    const std::uint32_t a = *n.Below;
    const bool onNumeral = a == Right;
    // The marks past a counted right, each taken for another size (the right size
    // would be the right answer).
    const std::uint32_t marks = (Right - a) / m;
    if (marks >= 1 && (Right - a) % m == 0 && Answer > a && (Answer - a) % marks == 0) {
        const std::uint32_t size = (Answer - a) / marks;
        if (std::find(std::begin(MarkSizes), std::end(MarkSizes), size) != std::end(MarkSizes))
            return TMistake::MarkSize;
    }
    if (!onNumeral && (Answer == a || (n.Above && Answer == *n.Above)))
        return TMistake::Numeral;
    // A needle on a numeral is read without counting, so it has no side to count from.
    if (!onNumeral && n.Above && std::uint64_t{Answer} + Right == std::uint64_t{a} + *n.Above)
        return TMistake::WrongSide;
    return TMistake::None;
}

bool OneMarkOff(const TDialDrawing& Dial, std::uint32_t Right, std::uint32_t Answer)
{
    return Dial.FinestMark != 0 &&
           std::llabs(static_cast<long long>(Answer) - static_cast<long long>(Right)) == Dial.FinestMark;
}

// A number as its significant digits and a power of ten, in grams: "1.26" kilograms
// is 126 × 10^1, "1260" grams the same. Zero has no digits to compare.
struct TDigits {
    std::uint64_t Mantissa = 0;
    int Exponent = 0;
};

// Digits and at most one point, read in a unit of 10^UnitExponent grams.
std::optional<TDigits> Digits(const QString& Typed, int UnitExponent)
{
    const QString text = HalfWidthDigits(Typed);
    TDigits d{0, UnitExponent};
    bool point = false, digit = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('.') && !point) {
            point = true;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9') || d.Mantissa > 99'999'999'999'999ULL)
            return std::nullopt;
        digit = true;
        d.Mantissa = d.Mantissa * 10 + static_cast<std::uint64_t>(c.unicode() - u'0');
        d.Exponent -= point ? 1 : 0;
    }
    if (!digit || d.Mantissa == 0)
        return std::nullopt;
    for (; d.Mantissa % 10 == 0; d.Mantissa /= 10)
        ++d.Exponent;
    return d;
}

std::optional<TDigits> Digits(std::uint32_t Grams)
{
    return Digits(QString::number(Grams), 0);
}

// The same digits with the point moved, by at most the thousand between g and kg.
bool PointMoved(const std::optional<TDigits>& Typed, const std::optional<TDigits>& Right)
{
    if (!Typed || !Right || Typed->Mantissa != Right->Mantissa)
        return false;
    const int shift = std::abs(Typed->Exponent - Right->Exponent);
    return shift >= 1 && shift <= 3;
}

// A box of digits alone read as a whole number; an empty box is none.
std::optional<std::uint64_t> Whole(const QString& Typed) { return DigitsValue(HalfWidthDigits(Typed), 18); }

// "1.5" or "1.50" for 1.05 kg, "1.026" for 1.26 kg: the right kilograms, and the digits
// after the point right but for zeros at either end.
bool FractionZerosWrong(const QString& Typed, std::uint32_t Right)
{
    const QString text = HalfWidthDigits(Typed);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point < 0 || Right % 1000 == 0)
        return false;
    const std::optional<std::uint64_t> kilograms = point == 0 ? std::optional<std::uint64_t>(0) : Whole(text.left(point));
    const QString fraction = text.mid(point + 1);
    if (kilograms != Right / 1000 || fraction.contains(QLatin1Char('.')))
        return false;
    const std::optional<TDigits> digits = Digits(fraction, 0);
    return digits && digits->Mantissa == Digits(Right % 1000)->Mantissa;
}

bool UnitsMixedUp(std::uint32_t Right, TBlankForm Form, const TTypedAnswer& Typed)
{
    switch (Form) {
    case bfGrams:
        return PointMoved(Digits(Typed.Grams, 0), Digits(Right));
    case bfKilograms:
        return PointMoved(Digits(Typed.Kilograms, 3), Digits(Right)) ||
               FractionZerosWrong(Typed.Kilograms, Right);
    case bfKilogramsAndGrams: {
        const std::optional<std::uint64_t> kilograms = Whole(Typed.Kilograms), grams = Whole(Typed.Grams);
        const bool noKilograms = Typed.Kilograms.isEmpty() || kilograms == 0u;
        const bool noGrams = Typed.Grams.isEmpty() || grams == 0u;
        // The whole weight in grams in one box, or in kilograms with the point left out.
        if (grams == Right && (noKilograms || kilograms == Right / 1000))
            return true;
        if (noGrams && PointMoved(Digits(Typed.Kilograms, 3), Digits(Right)))
            return true;
        // The grams a tenth or ten times what they are beside the right kilograms.
        return kilograms == Right / 1000 && Right % 1000 != 0 &&
               PointMoved(Digits(Typed.Grams, 0), Digits(Right % 1000));
    }
    }
    return false;
}

}  // namespace

TDialDrawing DialDrawing(TTypeValueMax Capacity, TTypeBoardScale Board, TTypeShowScalePer200 Per200,
                         TTypeShowNumerals Level)
{
    const std::int32_t finest = FinestGraduation(Capacity, Board, Per200);
    return {Capacity, static_cast<std::uint32_t>(std::max(finest, 0)),
            PrintedNumerals(Capacity, Board, Per200, Level)};
}

TDialDrawing DialDrawing(const TPlatformScale& Dial)
{
    return DialDrawing(Dial.TypeValueMax(), Dial.TypeBoardScale(), Dial.TypeShowScalePer200(),
                       Dial.TypeShowNumerals());
}

TMistake NameMistake(const TDialDrawing& Dial, std::uint32_t Right, std::uint32_t Answer)
{
    if (Answer == Right)
        return TMistake::None;
    if (OneMarkOff(Dial, Right, Answer))
        return TMistake::OneMarkOff;
    return ReadingSlip(Dial, Right, Answer);
}

TMistake NameMistake(const TDialDrawing& Dial, std::uint32_t Right, TBlankForm Form,
                     const TTypedAnswer& Typed)
{
    const std::optional<std::uint32_t> answer = AnswerGrams(Form, Typed);
    if (answer == Right)
        return TMistake::None;
    if (answer && OneMarkOff(Dial, Right, *answer))
        return TMistake::OneMarkOff;
    if (UnitsMixedUp(Right, Form, Typed))
        return TMistake::KilogramsAndGrams;
    return answer ? ReadingSlip(Dial, Right, *answer) : TMistake::None;
}

QString MistakeWords(TMistake Mistake, std::uint32_t FinestMark)
{
    switch (Mistake) {
    case TMistake::None:
        break;
    case TMistake::OneMarkOff:
        return Texts::MistakeOneMarkOff;
    case TMistake::KilogramsAndGrams:
        return Texts::MistakeUnits;
    case TMistake::MarkSize:
        return Texts::MistakeMarkSize.arg(FinestMark);
    case TMistake::Numeral:
        return Texts::MistakeNumeral;
    case TMistake::WrongSide:
        return Texts::MistakeWrongSide;
    }
    return {};
}

QString MistakeName(TMistake Mistake)
{
    switch (Mistake) {
    case TMistake::None:
        break;
    case TMistake::OneMarkOff:
        return Texts::NameOneMarkOff;
    case TMistake::KilogramsAndGrams:
        return Texts::NameUnits;
    case TMistake::MarkSize:
        return Texts::NameMarkSize;
    case TMistake::Numeral:
        return Texts::NameNumeral;
    case TMistake::WrongSide:
        return Texts::NameWrongSide;
    }
    return {};
}

TReadingWay ReadingWay(const TDialDrawing& Dial, std::uint32_t Right)
{
    const std::uint32_t from = Neighbours(Dial, Right).Below.value_or(0);
    const std::uint32_t marks = Dial.FinestMark == 0 ? 0 : (Right - from) / Dial.FinestMark;
    return {Dial.Capacity, from, marks, Dial.FinestMark};
}

QString ReadingWayText(const TReadingWay& Way, TAnswerUnit Unit, std::uint32_t Right,
                       const QString& DecimalSeparator)
{
    const QString answer = AnswerText(Unit, Right, DecimalSeparator);
    const TNumeralTable* table = NumeralTable(Way.Capacity);
    if (table == nullptr)
        return answer;
    // The number as the dial prints it, with the unit it stands in: grams where the dial
    // writes grams below a kilogram ("0" and "300" on a 2 kg dial), kilograms elsewhere.
    const std::uint32_t v = Way.From / static_cast<std::uint32_t>(table->Divisor);
    const bool grams = table->GramsBelowTen && v < 10;
    const QString numeral = QString::fromStdString(NumeralNumber(*table, v, DecimalSeparator.toStdString())) +
                            (grams ? QStringLiteral("g") : QStringLiteral("kg"));
    if (Way.Marks == 0)
        return Texts::ReadingWayNumeral.arg(numeral, answer);
    if (Way.Marks == 1)
        return Texts::ReadingWayOneMark.arg(numeral, QString::number(Way.Mark), answer);
    return Texts::ReadingWayMarks.arg(numeral, QString::number(Way.Marks), QString::number(Way.Mark), answer);
}
