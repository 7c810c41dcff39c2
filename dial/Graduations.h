#pragma once
// The graduation levels of each capacity: one pass over the dial per level, finest
// first, each with its step, which multiples of the step get a mark, how far in the
// mark reaches and which pen width it takes.

#include "dial/DialTypes.h"

#include <cstdint>
#include <span>

enum class TMarkRule : std::uint8_t {
    Every,        // every Index, 0 included
    NonZero,      // Index != 0
    Odd,          // Index odd
    NotMultiple,  // Index mod Modulus != 0
};

enum class TMarkRadius : std::uint8_t { R96, R94, R92, R90 };

struct TGraduationLevel {
    std::int32_t Step;  // grams
    bool NeedsShowPer200;
    bool NeedsDensely;
    TMarkRule Rule;
    std::int32_t Modulus;  // for TMarkRule::NotMultiple
    TMarkRadius Radius;
    std::uint8_t WidthScale;  // 1, 2 or 3: which WidthScale property is the pen width

    bool Accepts(std::uint32_t Index) const;
};

// The levels of a capacity, in drawing order; empty for a value outside the enumeration.
std::span<const TGraduationLevel> GraduationLevels(TTypeValueMax Capacity);

// Whether a dial with this density and 1/200 choice draws the level.
bool LevelDrawn(const TGraduationLevel& Level, TTypeBoardScale Board, TTypeShowScalePer200 Per200);
// The step in grams of the finest marks such a dial of the capacity draws (its first
// level drawn); 0 for a capacity outside the enumeration.
std::int32_t FinestGraduation(TTypeValueMax Capacity, TTypeBoardScale Board, TTypeShowScalePer200 Per200);
