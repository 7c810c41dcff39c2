#pragma once
// The direction of every mark of one graduation level: the sine and cosine of its
// angle, worked out once per capacity and step and then shared by every paint and by
// every dial of that capacity. In long double each sine or cosine of an angle past an
// eighth of a turn needs an exact argument reduction, which costs more than all the
// rest of a mark's arithmetic and its drawing call together.

#include <cstdint>
#include <vector>

struct TMarkDirection {
    long double Sine, Cosine;
};

// The directions of marks 0 to Last of the level with the given step (grams) on a
// dial of capacity ValueMax (grams). Valid until the next call.
const std::vector<TMarkDirection>& MarkDirections(std::uint32_t ValueMax, std::int32_t Step,
                                                  std::uint32_t Last);
