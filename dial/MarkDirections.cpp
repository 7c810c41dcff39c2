#include "MarkDirections.h"

#include "DialGeometry.h"

#include <cmath>
#include <map>
#include <tuple>

namespace {

// A handful of capacities, each with three or four levels, is all a session shows;
// an endless stream of odd capacities empties the table instead of growing it.
constexpr std::size_t MaxCachedLevels = 64;

// Mark Index stands Index steps round from the top; the turn holds ValueMax / Step of
// them. With no capacity there is no angle to divide out; such marks stand at 0.
long double MarkAngle(std::uint32_t ValueMax, std::int32_t Step, std::uint32_t Index)
{
    const long double turns = static_cast<long double>(ValueMax) / Step;
    return turns == 0 ? HalfPi
                      : static_cast<long double>(2 * static_cast<std::int64_t>(Index)) * Pi / turns +
                            HalfPi;
}

}  // namespace

const std::vector<TMarkDirection>& MarkDirections(std::uint32_t ValueMax, std::int32_t Step,
                                                  std::uint32_t Last)
{
    using TKey = std::tuple<std::uint32_t, std::int32_t, std::uint32_t>;
    static std::map<TKey, std::vector<TMarkDirection>> cache;
    const TKey key{ValueMax, Step, Last};
    if (const auto found = cache.find(key); found != cache.end())
        return found->second;
    if (cache.size() >= MaxCachedLevels)
        cache.clear();
    std::vector<TMarkDirection> directions;
    directions.reserve(Last + std::size_t{1});
    for (std::uint32_t index = 0; index <= Last; ++index) {
        const long double phi = MarkAngle(ValueMax, Step, index);
        directions.push_back({std::sin(phi), std::cos(phi)});
    }
    return cache.emplace(key, std::move(directions)).first->second;
}
