#pragma once
// The numerals of each capacity: which values carry one, its text and unit, small or
// big font, alignment in its box and the box's four extents around the anchor point
// (in multiples of the font size).

#include "dial/DialTypes.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

enum TNumeralAlign : std::uint8_t { naLeft = 0, naCentre = 1, naRight = 2 };

struct TNumeralRow {
    std::array<std::uint8_t, 8> Values{};
    std::uint8_t Count = 0;
    const char* Unit = "";  // "", "g" or "kg"
    bool Big = false;
    TNumeralAlign Align = naCentre;
    double Left = 0, Top = 0, Right = 0, Bottom = 0;

    constexpr TNumeralRow(std::initializer_list<int> values, const char* unit, bool big,
                          TNumeralAlign align, double left, double top, double right,
                          double bottom)
        : Unit(unit), Big(big), Align(align), Left(left), Top(top), Right(right), Bottom(bottom)
    {
        for (int v : values)
            Values[Count++] = static_cast<std::uint8_t>(v);
    }

    constexpr bool Matches(std::uint32_t v) const
    {
        for (std::uint8_t i = 0; i < Count; ++i)
            if (Values[i] == v)
                return true;
        return false;
    }
};

struct TNumeralTable {
    std::int32_t Divisor;  // grams per unit of a numeral's value: 100 or 1000
    bool GramsBelowTen;    // values 1..9 are written in grams (1, 2 and 5 kg dials)
    std::uint32_t LastValue;  // the value of the capacity numeral
    std::span<const TNumeralRow> Rows;

    const TNumeralRow* Find(std::uint32_t v) const;
};

// The table of a capacity, or nullptr for a value outside the enumeration.
const TNumeralTable* NumeralTable(TTypeValueMax Capacity);

// How far a numeral's box is moved down from where its row puts it (up where negative),
// in multiples of its font size: a few numerals would otherwise touch a neighbour's ink.
// 0 for every other numeral.
double NumeralShift(TTypeValueMax Capacity, std::uint32_t v);

// The number a numeral shows, without its unit: "0", grams, whole kilograms, or
// tenths of a kilogram with the given decimal separator ("1.5", "1,5").
std::string NumeralNumber(const TNumeralTable& Table, std::uint32_t v,
                          const std::string& DecimalSeparator);

// The decimal separator of the user's locale, "." where the locale gives none.
std::string LocaleDecimalSeparator();

// The values whose numerals are printed, in increasing order, of those the table has
// from 0 to Last. The large ones are 0 and the numerals in the big font; where those
// would be all of them or only the ends, every other numeral (and the last) instead,
// so that the large ones are always fewer than all and more than the ends.
std::vector<std::uint32_t> PrintedValues(const TNumeralTable& Table, std::uint32_t Last,
                                         TTypeShowNumerals Level);

// The weights in grams that a dial of the standard capacity prints as numerals, in
// increasing order. The marks (density, 1/200) never change the numerals; they are
// taken so that a caller can describe the dial whole.
std::vector<std::uint32_t> PrintedNumerals(TTypeValueMax Capacity, TTypeBoardScale Board,
                                           TTypeShowScalePer200 Per200, TTypeShowNumerals Level);
