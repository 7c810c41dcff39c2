#pragma once
// Where a layout has drawn the mark and the numeral of a weight, for whatever is laid
// over a dial to stand exactly on them, whole or enlarged.

#include "dial/ScalePainter.h"

#include <cstdint>
#include <optional>

// The mark drawn at Weight grams, in control pixels: of the levels that mark it, the
// last (the longest mark, the one seen). None where no drawn level marks the weight or
// its level was laid as a band of evenly spread marks.
std::optional<TScaleLayout::TMark> MarkOf(const TScaleLayout& Layout,
                                          const TScaleProperties& Properties,
                                          std::uint32_t Weight);

// The numeral drawn for Weight grams; none where it is not printed or the enlarged
// view leaves it out.
const TScaleLayout::TNumeral* NumeralOf(const TScaleLayout& Layout, std::uint32_t Weight);
