#include "printing/PageFit.h"

#include <algorithm>
#include <cstdint>

namespace {

// A × B / C rounded to the nearest whole number, halves up, for positive operands.
// The product of two sides of a 1200 dpi page would overflow 32 bits; in 64 bits
// even two int-sized sides cannot.
std::int64_t MulDivRound(std::int64_t A, std::int64_t B, std::int64_t C)
{
    return (A * B + C / 2) / C;
}

}  // namespace

QSize FitSheetToPage(QSize Sheet, QSize Page)
{
    if (Sheet.isEmpty() || Page.isEmpty())
        return {};
    const std::int64_t W = Sheet.width(), H = Sheet.height();
    const std::int64_t PW = Page.width(), PH = Page.height();

    const std::int64_t w = MulDivRound(W, PH, H);
    if (w < PW)
        // A sliver of a sheet still prints as a line rather than vanishing.
        return {static_cast<int>(std::max<std::int64_t>(w, 1)), Page.height()};
    // Rounding w up to PW can leave the exact height a fraction over PH, which would
    // round to one row below the printable area.
    const std::int64_t h = std::clamp<std::int64_t>(MulDivRound(H, PW, W), 1, PH);
    return {Page.width(), static_cast<int>(h)};
}
