#include "sheet/SheetCode.h"

#include "sheet/RandomSource.h"
#include "sheet/SettingsTables.h"
#include "sheet/Settling.h"
#include "Texts.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace {

// 32 characters without look-alikes: the digits 2 to 9 and the capitals except I, O.
constexpr auto& Alphabet = SheetCodeAlphabet;
constexpr int Base = 32;
constexpr int DataLength = 13;
constexpr int CodeLength = DataLength + 1;
constexpr int GroupLengths[] = {5, 5, 4};
// A long code: one character of the newer settings before a short code's.
constexpr int LongCodeLength = CodeLength + 1;
constexpr int LongGroupLengths[] = {5, 5, 5};
constexpr int NumeralsCount = 3;

// The settings as one number in mixed radix, and the range and seed after it:
// ((settings × 100001 + lower) × 131072 + upper) × 2^20 + seed, which stays below
// 2^64 (1260 × 100001 × 131072 × 2^20 ≈ 1.73 × 10^19).
constexpr int StepsPerCapacity = 5;
constexpr std::uint64_t SettingsCount = std::uint64_t{CapacityCount} * StepsPerCapacity * 2 * 3 * 2 * 3;
constexpr std::uint64_t LowerCount = 100001;
constexpr std::uint64_t UpperCount = SheetCodeRangeLimit + 1;
static_assert(SettingsCount * LowerCount * UpperCount <= ~std::uint64_t{0} / SheetSeedLimit);
// Thirteen characters hold 65 bits and the number above fills at most 64, so codes
// written before there were draw sheets all leave the top bit clear. That bit marks a
// draw sheet: every older code still reads as the reading sheet it always gave. It is
// the top bit of the first character.
constexpr int DrawBitInFirstDigit = Base / 2;

// Multiplication by x in GF(32) modulo x^5 + x^2 + 1.
int TimesX(int Value)
{
    const int shifted = Value << 1;
    return (shifted & Base) ? (shifted ^ 0x25) : shifted;
}

// The check: a Damm quasigroup over GF(32), a ∘ b = x·a + b. Since x ≠ 1 it is
// totally anti-symmetric, which is what catches every swap of neighbours as well
// as every single wrong character.
int CheckOf(const int* Digits, int Count)
{
    int interim = 0;
    for (int i = 0; i < Count; ++i)
        interim = TimesX(interim) ^ Digits[i];
    return TimesX(interim);
}

// What may stand between the groups: the hyphen, and the dashes and the long-vowel
// mark that Japanese input methods and fonts give for it ("ー" U+30FC, "ｰ", "−",
// "‐", "–", "—", "―").
bool IsGroupSeparator(QChar Character)
{
    static constexpr char16_t Separators[] = {u'-',      u'\u2010', u'\u2011', u'\u2012',
                                              u'\u2013', u'\u2014', u'\u2015', u'\u2212',
                                              u'\u30FC', u'\uFF0D', u'\uFF70'};
    return std::find(std::begin(Separators), std::end(Separators), Character.unicode()) !=
           std::end(Separators);
}

int DigitOf(QChar Character)
{
    const char* const end = Alphabet + Base;
    const char* found = std::find(Alphabet, end, Character.toLatin1());
    return Character.unicode() < 128 && found != end ? static_cast<int>(found - Alphabet) : -1;
}

}  // namespace

QString SheetCode(const TSheet& Sheet)
{
    const TSheetSettings& s = Sheet.Settings;
    // Half-way through start-up the unit has no item yet: no sheet, no code.
    if (!s.IsValid())
        return {};
    const int stepInCapacity = s.Step - CapacityRows()[s.Capacity].FirstStep;
    std::uint64_t settings = static_cast<std::uint64_t>(s.Capacity);
    settings = settings * StepsPerCapacity + static_cast<std::uint64_t>(stepInCapacity);
    settings = settings * 2 + (s.Dense ? 1 : 0);
    settings = settings * 3 + s.Per200;
    settings = settings * 2 + (s.Enlarged ? 1 : 0);
    settings = settings * 3 + static_cast<std::uint64_t>(s.Unit);
    const auto lower = static_cast<std::uint64_t>(std::clamp<std::int32_t>(s.RangeMin, 0, LowerCount - 1));
    const auto upper = static_cast<std::uint64_t>(std::clamp<std::int32_t>(s.RangeMax, 0, SheetCodeRangeLimit));
    std::uint64_t payload = ((settings * LowerCount + lower) * UpperCount + upper) * SheetSeedLimit +
                            Sheet.Seed % SheetSeedLimit;

    // The newer settings first, where a long code has them.
    const int extra = static_cast<int>(s.Numerals) * 2 + (s.Mixed ? 1 : 0);
    const int offset = extra == 0 ? 0 : 1;
    int digits[LongCodeLength];
    digits[0] = extra;
    for (int i = DataLength - 1; i >= 0; --i) {
        digits[offset + i] = static_cast<int>(payload % Base);
        payload /= Base;
    }
    if (s.Exercise == exDraw)
        digits[offset] |= DrawBitInFirstDigit;
    digits[offset + DataLength] = CheckOf(digits, offset + DataLength);

    QString code;
    int next = 0;
    const std::span<const int> groups = offset == 0 ? std::span<const int>(GroupLengths) : LongGroupLengths;
    for (const int group : groups) {
        if (!code.isEmpty())
            code += QLatin1Char('-');
        for (int i = 0; i < group; ++i)
            code += QLatin1Char(Alphabet[digits[next++]]);
    }
    return code;
}

QString IssuedCode(const TSheet& Sheet)
{
    const std::optional<TSheet> drawn = DrawSheet(Sheet.Settings, Sheet.Seed);
    return drawn && drawn->Weights == Sheet.Weights ? SheetCode(Sheet) : QString();
}

namespace {

// The settings and seed that a short code's thirteen data characters carry; none
// when they name settings no sheet has.
std::optional<std::pair<TSheetSettings, std::uint32_t>> Decoded(const int* Digits)
{
    const bool draw = (Digits[0] & DrawBitInFirstDigit) != 0;
    std::uint64_t payload = 0;
    for (int i = 0; i < DataLength; ++i)
        payload = payload * Base + static_cast<std::uint64_t>(i == 0 ? Digits[i] & ~DrawBitInFirstDigit : Digits[i]);

    const auto seed = static_cast<std::uint32_t>(payload % SheetSeedLimit);
    payload /= SheetSeedLimit;
    const auto upper = static_cast<std::int32_t>(payload % UpperCount);
    payload /= UpperCount;
    const auto lower = static_cast<std::int32_t>(payload % LowerCount);
    std::uint64_t settings = payload / LowerCount;
    if (settings >= SettingsCount)
        return std::nullopt;
    TSheetSettings s;
    s.Unit = static_cast<TAnswerUnit>(settings % 3);
    settings /= 3;
    s.Enlarged = settings % 2 == 1;
    settings /= 2;
    s.Per200 = static_cast<TPer200Choice>(settings % 3);
    settings /= 3;
    s.Dense = settings % 2 == 1;
    settings /= 2;
    const int stepInCapacity = static_cast<int>(settings % StepsPerCapacity);
    s.Capacity = static_cast<int>(settings / StepsPerCapacity);
    s.Step = CapacityRows()[s.Capacity].FirstStep + stepInCapacity;
    s.RangeMin = lower;
    s.RangeMax = upper;
    s.Exercise = draw ? exDraw : exRead;
    return std::pair(s, seed);
}

}  // namespace

TSheetCodeReading ReadSheetCode(const QString& Text)
{
    TSheetCodeReading reading;
    // Full-width letters and digits, as a Japanese input method types them, become
    // their plain forms; separators and spaces may be typed or left out.
    QString plain;
    for (const QChar c : Text.normalized(QString::NormalizationForm_KC).toUpper())
        if (!c.isSpace() && !IsGroupSeparator(c))
            plain += c;
    if (plain.size() != CodeLength && plain.size() != LongCodeLength) {
        reading.Error = ceLength;
        return reading;
    }
    const int length = static_cast<int>(plain.size());
    int digits[LongCodeLength];
    for (int i = 0; i < length; ++i) {
        digits[i] = DigitOf(plain[i]);
        if (digits[i] < 0) {
            reading.Error = ceCharacter;
            reading.Character = plain[i];
            return reading;
        }
    }
    if (CheckOf(digits, length - 1) != digits[length - 1]) {
        reading.Error = ceCheck;
        return reading;
    }
    const int offset = length - CodeLength;
    const int extra = offset == 0 ? 0 : digits[0];
    auto decoded = Decoded(digits + offset);
    if (decoded && extra < NumeralsCount * 2) {
        decoded->first.Numerals = static_cast<TTypeShowNumerals>(extra / 2);
        decoded->first.Mixed = extra % 2 == 1;
        reading.Sheet = DrawSheet(decoded->first, decoded->second);
    }
    // Only what the program itself writes is taken: a step the capacity does not
    // offer, a lower bound above the capacity or a long code for a sheet that has a
    // short one is no sheet, and the code of what was read must be the very code typed.
    if (!reading.Sheet || SheetCode(*reading.Sheet).remove(QLatin1Char('-')) != plain) {
        reading.Sheet.reset();
        reading.Error = ceNotASheet;
        return reading;
    }
    // A larger upper bound than a code holds was written as the limit, which lies above
    // every capacity and so draws as the capacity does: the sheet shows the capacity.
    if (reading.Sheet->Settings.RangeMax >= SheetCodeRangeLimit)
        reading.Sheet->Settings.RangeMax = Offered(reading.Sheet->Settings).RangeBound;
    return reading;
}

QString SheetCodeErrorText(const TSheetCodeReading& Reading)
{
    switch (Reading.Error) {
    case ceNone:
        return {};
    case ceLength:
        return Texts::CodeWrongLengths.arg(CodeLength).arg(LongCodeLength);
    case ceCharacter:
        return Texts::CodeWrongCharacter.arg(Reading.Character);
    case ceCheck:
    case ceNotASheet:
        break;
    }
    return Texts::CodeNoSheet;
}
