#include "dial/Numerals.h"

#include <QLocale>

#include <algorithm>
#include <charconv>

namespace {

// The columns of a row: values, unit, font, alignment, then the box's reach left of,
// above, right of and below the anchor, in multiples of the font size.
constexpr bool Small = false, Big = true;  // BoardFontSizeSmall or BoardFontSizeBig
constexpr TNumeralAlign Left = naLeft, Centre = naCentre, Right = naRight;
constexpr double Third = 1.0 / 3.0, TwoThirds = 2.0 / 3.0, FourThirds = 4.0 / 3.0,
                 FiveThirds = 5.0 / 3.0;

constexpr TNumeralRow Rows1kg[] = {
    {{0}, "", Small, Centre, 0.5, TwoThirds, 0.5, 1},
    {{1}, "g", Small, Right, 2, TwoThirds, 1, 1},
    {{2}, "g", Big, Right, 5.0 / 2.0, TwoThirds, 0.5, TwoThirds},
    {{3}, "", Small, Right, 7.0 / 4.0, TwoThirds, 0.5, TwoThirds},
    {{4}, "g", Big, Right, 2, 1, 1, Third},
    {{5}, "", Small, Centre, 1.5, TwoThirds, 1.5, TwoThirds},
    {{6}, "g", Big, Left, 1, TwoThirds, 2, TwoThirds},
    {{7, 9}, "", Small, Left, 0.5, TwoThirds, 2, TwoThirds},
    {{8}, "g", Big, Left, 0.5, TwoThirds, 5.0 / 2.0, TwoThirds},
    {{10}, "kg", Big, Centre, 1, 0, 1, FourThirds},
};

constexpr TNumeralRow Rows2kg[] = {
    {{0}, "", Small, Centre, 0.5, TwoThirds, 0.5, 1},
    {{1}, "g", Small, Right, 1.5, TwoThirds, 1.5, 1},
    {{2, 3, 4}, "", Small, Right, 2, TwoThirds, 5.0 / 6.0, 1},
    {{5}, "g", Big, Right, 9.0 / 4.0, TwoThirds, 3.0 / 4.0, 1},
    {{6, 7, 8, 9}, "", Small, Right, 1.5, TwoThirds, 5.0 / 6.0, TwoThirds},
    {{10}, "kg", Big, Centre, 5.0 / 3.0, FourThirds, FourThirds, Third},
    {{11, 12, 13, 14}, "", Small, Left, 3.0 / 4.0, TwoThirds, 5.0 / 4.0, TwoThirds},
    {{15}, "kg", Big, Left, 1, TwoThirds, 2, 1},
    {{16, 17, 18, 19}, "", Small, Left, 3.0 / 4.0, TwoThirds, 5.0 / 4.0, TwoThirds},
    {{20}, "kg", Big, Centre, 23.0 / 24.0, 0, 25.0 / 24.0, FourThirds},
};

constexpr TNumeralRow Rows5kg[] = {
    {{0}, "", Small, Centre, 0.5, TwoThirds, 0.5, 1},
    {{2}, "g", Small, Right, 1.5, TwoThirds, 1.5, FiveThirds},
    {{4, 6, 8}, "", Small, Right, 2, TwoThirds, 1, TwoThirds},
    {{10, 20}, "kg", Big, Right, 1.5, TwoThirds, 0.5, TwoThirds},
    {{12, 14, 16, 18, 22, 24, 26, 28}, "", Small, Centre, 1, TwoThirds, 1, TwoThirds},
    {{30, 40}, "kg", Big, Left, 0.5, TwoThirds, 1.5, TwoThirds},
    {{32, 34, 36, 38, 42, 44, 46, 48}, "", Small, Left, 0.5, TwoThirds, 1.5, TwoThirds},
    {{50}, "kg", Big, Centre, 23.0 / 24.0, 0, 25.0 / 24.0, FourThirds},
};

constexpr TNumeralRow Rows10kg[] = {
    {{0}, "", Small, Centre, 0.5, TwoThirds, 0.5, TwoThirds},
    {{5}, "kg", Small, Right, 1.5, TwoThirds, 1.5, FiveThirds},
    {{10, 15, 25, 30, 35, 45}, "", Small, Right, 9.0 / 4.0, TwoThirds, 0.5, TwoThirds},
    {{20}, "kg", Big, Right, 9.0 / 4.0, TwoThirds, 0.5, TwoThirds},
    {{40}, "kg", Big, Right, 9.0 / 4.0, 1, 0.5, Third},
    {{50}, "", Small, Centre, 1.5, 1, 1.5, Third},
    {{55, 65, 70, 75, 85, 90, 95}, "", Small, Left, 0.5, TwoThirds, 1.5, 1},
    {{60, 80}, "kg", Big, Left, 0.5, TwoThirds, 1.5, 1},
    {{100}, "kg", Big, Centre, 1.5, 0, 1.5, FourThirds},
};

constexpr TNumeralRow Rows20kg[] = {
    {{0}, "", Small, Centre, 0.5, TwoThirds, 0.5, 1},
    {{1}, "kg", Small, Right, 1, TwoThirds, 1, 1},
    {{2, 3, 4, 6, 7, 8, 9}, "", Small, Right, 0.5, TwoThirds, 0.5, TwoThirds},
    {{5}, "kg", Big, Right, 1.5, TwoThirds, 0.5, 1},
    {{10}, "kg", Big, Centre, 1.5, FourThirds, 1.5, Third},
    {{11, 12, 13, 14, 16, 17, 18, 19}, "", Small, Left, 0.5, TwoThirds, 1, TwoThirds},
    {{15}, "kg", Big, Left, 0.5, TwoThirds, 5.0 / 2.0, 1},
    {{20}, "kg", Big, Centre, 5.0 / 4.0, 0, 7.0 / 4.0, FourThirds},
};

constexpr TNumeralRow Rows50kg[] = {
    {{0}, "", Small, Centre, 0.5, TwoThirds, 0.5, TwoThirds},
    {{2}, "kg", Small, Right, 1, TwoThirds, 1, 1},
    {{4, 6, 8}, "", Small, Right, 0.5, TwoThirds, 0.5, TwoThirds},
    {{10}, "kg", Big, Right, 5.0 / 2.0, TwoThirds, 0.5, 1},
    {{20}, "kg", Big, Right, 2, TwoThirds, 1, TwoThirds},
    {{12, 14, 16, 18, 22, 24, 26, 28}, "", Small, Centre, 1, TwoThirds, 1, TwoThirds},
    {{30, 40}, "kg", Big, Left, 0.5, TwoThirds, 5.0 / 2.0, 1},
    {{32, 34, 36, 38, 42, 44, 46, 48}, "", Small, Left, 0.5, TwoThirds, 1, TwoThirds},
    {{50}, "kg", Big, Centre, 5.0 / 4.0, 0, 7.0 / 4.0, FourThirds},
};

constexpr TNumeralRow Rows100kg[] = {
    {{0}, "", Small, Centre, 0.5, TwoThirds, 0.5, TwoThirds},
    {{5}, "kg", Small, Right, 1.5, TwoThirds, 1.5, 1},
    {{10, 15, 25, 30, 35, 45}, "", Small, Right, 1, TwoThirds, 0.5, TwoThirds},
    {{20, 40}, "kg", Big, Right, 9.0 / 4.0, 1, 3.0 / 4.0, TwoThirds},
    {{50}, "", Small, Centre, 19.0 / 12.0, 1, 17.0 / 12.0, Third},
    {{55, 65, 70, 75, 85, 90, 95}, "", Small, Left, 0.5, TwoThirds, 5.0 / 2.0, TwoThirds},
    {{60, 80}, "kg", Big, Left, 0.5, TwoThirds, 5.0 / 2.0, 1},
    {{100}, "kg", Big, Centre, 1.5, 0, 2, FiveThirds},
};

const TNumeralTable Tables[TypeValueMaxCount] = {
    {100, true, 10, Rows1kg},   {100, true, 20, Rows2kg},    {100, true, 50, Rows5kg},
    {100, false, 100, Rows10kg}, {1000, false, 20, Rows20kg}, {1000, false, 50, Rows50kg},
    {1000, false, 100, Rows100kg},
};

struct TShiftedNumeral {
    TTypeValueMax Capacity;
    std::uint32_t Value;
    double Shift;
};

// The numerals whose ink met a neighbour's on the printed page. "400" met the
// descender of "200g" above it, and the capacity numerals the last small numeral
// before them: these move down. On the enlarged 50 kg dial "18" met the "g" of "20kg"
// below it and moves up. Each moves clear of the marks as well.
constexpr TShiftedNumeral Shifts[] = {
    {vm005kg, 4, 0.15},   {vm005kg, 50, 0.1}, {vm010kg, 100, 0.1},
    {vm050kg, 18, -0.3}, {vm050kg, 50, 0.1},
};

}  // namespace

double NumeralShift(TTypeValueMax Capacity, std::uint32_t v)
{
    for (const TShiftedNumeral& numeral : Shifts)
        if (numeral.Capacity == Capacity && numeral.Value == v)
            return numeral.Shift;
    return 0;
}

const TNumeralRow* TNumeralTable::Find(std::uint32_t v) const
{
    for (const TNumeralRow& row : Rows)
        if (row.Matches(v))
            return &row;
    return nullptr;
}

const TNumeralTable* NumeralTable(TTypeValueMax Capacity)
{
    return Capacity < TypeValueMaxCount ? &Tables[Capacity] : nullptr;
}

std::string LocaleDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? std::string(".") : point.toStdString();
}

std::string NumeralNumber(const TNumeralTable& Table, std::uint32_t v,
                          const std::string& DecimalSeparator)
{
    if (v == 0)
        return "0";
    if (Table.Divisor == 1000)
        return std::to_string(v);
    if (Table.GramsBelowTen && v < 10)
        return std::to_string(v * 100);
    // Tenths of a kilogram in the general format: no exponent, no trailing zeros,
    // no separator for a whole number.
    // to_chars ignores the C library's locale, so the separator comes only from ours.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long double>(v) / 10,
                                      std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    if (const auto dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, DecimalSeparator);
    return text;
}

std::vector<std::uint32_t> PrintedValues(const TNumeralTable& Table, std::uint32_t Last,
                                         TTypeShowNumerals Level)
{
    std::vector<std::uint32_t> all, large;
    for (std::uint32_t v = 0; v <= Last; ++v) {
        const TNumeralRow* row = Table.Find(v);
        if (row == nullptr)
            continue;
        all.push_back(v);
        if (v == 0 || row->Big)
            large.push_back(v);
    }
    if (Level == snAll || all.size() <= 2)
        return all;
    if (Level == snEnds)
        return {all.front(), all.back()};
    if (large.size() > 2 && large.size() < all.size() && large.back() == all.back())
        return large;
    std::vector<std::uint32_t> everyOther;
    for (std::size_t i = 0; i < all.size(); i += 2)
        everyOther.push_back(all[i]);
    if (everyOther.back() != all.back())
        everyOther.push_back(all.back());
    return everyOther;
}

std::vector<std::uint32_t> PrintedNumerals(TTypeValueMax Capacity, TTypeBoardScale,
                                           TTypeShowScalePer200, TTypeShowNumerals Level)
{
    const TNumeralTable* table = NumeralTable(Capacity);
    if (table == nullptr)
        return {};
    std::vector<std::uint32_t> grams = PrintedValues(*table, table->LastValue, Level);
    for (std::uint32_t& v : grams)
        v *= static_cast<std::uint32_t>(table->Divisor);
    return grams;
}
