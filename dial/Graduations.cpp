#include "dial/Graduations.h"

namespace {

using R = TMarkRule;
using Rad = TMarkRadius;

constexpr TGraduationLevel Levels1kg[] = {
    {5, true, true, R::NonZero, 0, Rad::R96, 1},
    {10, false, true, R::NotMultiple, 5, Rad::R94, 1},
    {50, false, false, R::Odd, 0, Rad::R92, 2},
    {100, false, false, R::Every, 0, Rad::R90, 3},
};
constexpr TGraduationLevel Levels2kg[] = {
    {10, false, true, R::NotMultiple, 5, Rad::R96, 1},
    {50, false, false, R::Odd, 0, Rad::R94, 2},
    {100, false, false, R::Every, 0, Rad::R92, 3},
};
constexpr TGraduationLevel Levels5kg[] = {
    {20, false, true, R::NotMultiple, 5, Rad::R96, 1},
    {100, false, false, R::Odd, 0, Rad::R94, 2},
    {200, false, false, R::Every, 0, Rad::R92, 3},
};
constexpr TGraduationLevel Levels10kg[] = {
    {50, true, true, R::NonZero, 0, Rad::R96, 1},
    {100, false, true, R::NotMultiple, 50, Rad::R94, 1},
    {500, false, false, R::Odd, 0, Rad::R92, 2},
    {1000, false, false, R::Every, 0, Rad::R90, 3},
};
constexpr TGraduationLevel Levels20kg[] = {
    {100, false, true, R::NotMultiple, 50, Rad::R96, 1},
    {500, false, false, R::NotMultiple, 20, Rad::R94, 2},
    {1000, false, false, R::Every, 0, Rad::R92, 3},
};
constexpr TGraduationLevel Levels50kg[] = {
    {200, false, true, R::NotMultiple, 50, Rad::R96, 1},
    {1000, false, false, R::NotMultiple, 20, Rad::R94, 2},
    {2000, false, false, R::Every, 0, Rad::R92, 3},
};
constexpr TGraduationLevel Levels100kg[] = {
    {500, true, true, R::NonZero, 0, Rad::R96, 1},
    {1000, false, true, R::NotMultiple, 500, Rad::R94, 1},
    {5000, false, false, R::NotMultiple, 200, Rad::R92, 2},
    {10000, false, false, R::Every, 0, Rad::R90, 3},
};

}  // namespace

bool TGraduationLevel::Accepts(std::uint32_t Index) const
{
    switch (Rule) {
    case R::Every:
        return true;
    case R::NonZero:
        return Index != 0;
    case R::Odd:
        return Index % 2 != 0;
    case R::NotMultiple:
        return Index % static_cast<std::uint32_t>(Modulus) != 0;
    }
    return false;
}

std::span<const TGraduationLevel> GraduationLevels(TTypeValueMax Capacity)
{
    switch (Capacity) {
    case vm001kg: return Levels1kg;
    case vm002kg: return Levels2kg;
    case vm005kg: return Levels5kg;
    case vm010kg: return Levels10kg;
    case vm020kg: return Levels20kg;
    case vm050kg: return Levels50kg;
    case vm100kg: return Levels100kg;
    }
    return {};
}

bool LevelDrawn(const TGraduationLevel& Level, TTypeBoardScale Board, TTypeShowScalePer200 Per200)
{
    return (!Level.NeedsShowPer200 || Per200 == ssShow) && (!Level.NeedsDensely || Board == bsDensely);
}

std::int32_t FinestGraduation(TTypeValueMax Capacity, TTypeBoardScale Board, TTypeShowScalePer200 Per200)
{
    // The levels run from the finest to the coarsest.
    for (const TGraduationLevel& level : GraduationLevels(Capacity))
        if (LevelDrawn(level, Board, Per200))
            return level.Step;
    return 0;
}
