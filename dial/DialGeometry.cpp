#include "dial/DialGeometry.h"

#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr long double Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr long double Int32Max = std::numeric_limits<std::int32_t>::max();

// Truncation toward zero into 32 bits without ever converting a value the type
// cannot hold (that conversion is undefined behaviour).
std::int32_t SaturatingTrunc(long double X)
{
    if (std::isnan(X))
        return 0;
    if (X <= Int32Min)
        return std::numeric_limits<std::int32_t>::min();
    if (X >= Int32Max)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(X);
}

enum class TShift : std::uint8_t { None, Half, Full };

// Which way each location pushes the enlarged dial, per axis.
constexpr TShift ShiftX[HandLocationCount] = {TShift::Half, TShift::Full, TShift::Full, TShift::Full,
                                              TShift::Half, TShift::None, TShift::None, TShift::None};
constexpr TShift ShiftY[HandLocationCount] = {TShift::None, TShift::None, TShift::Half, TShift::Full,
                                              TShift::Full, TShift::Full, TShift::Half, TShift::None};

double Offset(TShift shift, double rate, std::uint16_t diameter)
{
    switch (shift) {
    case TShift::Full:
        return static_cast<double>(-(1.0L - rate) * diameter);
    case TShift::Half:
        return static_cast<double>(-(1.0L - rate) / 2 * diameter);
    case TShift::None:
        break;
    }
    return 0.0;
}

TShift ShiftOf(const TShift (&table)[HandLocationCount], TTypeHandLocation location)
{
    return location < HandLocationCount ? table[location] : TShift::None;
}

}  // namespace

std::int32_t RoundOff(long double X)
{
    if (X >= 0)
        return SaturatingTrunc(X + 0.5L);
    return SaturatingTrunc(X - 0.5L);
}

std::int32_t RoundHalfEven(long double X)
{
    if (std::isnan(X))
        return 0;
    return SaturatingTrunc(std::nearbyint(X));
}

double TZoomMap::OffsetX() const { return Offset(ShiftOf(ShiftX, Location), Rate, Diameter); }
double TZoomMap::OffsetY() const { return Offset(ShiftOf(ShiftY, Location), Rate, Diameter); }

std::int32_t TZoomMap::ZoomX(double X) const
{
    return RoundOff(static_cast<long double>(Rate) * X - OffsetX());
}

std::int32_t TZoomMap::ZoomY(double Y) const
{
    return RoundOff(static_cast<long double>(Rate) * Y - OffsetY());
}

TZoomMap::TFractions TZoomMap::BoardFractions() const
{
    const long double r = Rate;
    // One axis of the board's box: aligned with the low edge, centred, or aligned
    // with the high edge of the control, exactly as the fractions are written.
    auto span = [r](TShift s) -> std::pair<double, double> {
        switch (s) {
        case TShift::Full:
            return {static_cast<double>(1.0L - r), 1.0};
        case TShift::Half:
            return {static_cast<double>((1.0L - r) / 2), static_cast<double>((1.0L + r) / 2)};
        case TShift::None:
            break;
        }
        return {0.0, static_cast<double>(r)};
    };
    const auto [left, right] = span(ShiftOf(ShiftX, Location));
    const auto [top, bottom] = span(ShiftOf(ShiftY, Location));
    return {left, top, right, bottom};
}
