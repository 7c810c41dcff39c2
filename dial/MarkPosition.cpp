#include "dial/MarkPosition.h"

#include "dial/Graduations.h"

#include <cstddef>

namespace {

// How many of the indices First .. Last (inclusive) a level draws a mark for.
std::size_t AcceptedCount(const TGraduationLevel& Level, std::uint32_t First, std::uint32_t Last)
{
    std::size_t count = 0;
    for (std::uint32_t index = First; index <= Last; ++index)
        if (Level.Accepts(index))
            ++count;
    return count;
}

}  // namespace

std::optional<TScaleLayout::TMark> MarkOf(const TScaleLayout& Layout,
                                          const TScaleProperties& Properties,
                                          std::uint32_t Weight)
{
    std::optional<TScaleLayout::TMark> found;
    std::size_t drawn = 0;  // the layout's levels are the drawn ones, in the same order
    for (const TGraduationLevel& level : GraduationLevels(Properties.TypeValueMax)) {
        if (!LevelDrawn(level, Properties.TypeBoardScale, Properties.TypeShowScalePer200))
            continue;
        if (drawn >= Layout.Levels.size())
            break;
        const auto& marks = Layout.Levels[drawn++].Marks;
        const auto step = static_cast<std::uint32_t>(level.Step);
        const std::uint32_t last = Properties.ValueMax / step;
        if (Weight % step != 0 || Weight / step > last || !level.Accepts(Weight / step))
            continue;
        // A level laid as a band holds other marks than its own.
        if (marks.size() != AcceptedCount(level, 0, last))
            continue;
        const std::uint32_t index = Weight / step;
        found = marks[index == 0 ? 0 : AcceptedCount(level, 0, index - 1)];
    }
    return found;
}

const TScaleLayout::TNumeral* NumeralOf(const TScaleLayout& Layout, std::uint32_t Weight)
{
    for (std::size_t i = 0; i < Layout.NumeralWeights.size() && i < Layout.Numerals.size(); ++i)
        if (Layout.NumeralWeights[i] == Weight)
            return &Layout.Numerals[i];
    return nullptr;
}
