#pragma once
// Rounding and the enlarged-view map of the dial. All of it is exact arithmetic on
// long double (the 80-bit format on x86-64), in the order the dial's drawing expects:
// a different order or a double in between moves a pixel.

#include "dial/DialTypes.h"

#include <cstdint>

// Halves away from zero (22.5 -> 23, -141.5 -> -142). NaN gives 0; values beyond the
// 32-bit range saturate instead of overflowing the conversion.
std::int32_t RoundOff(long double X);

// The processor's rounding, halves to the even neighbour (2.5 -> 2, 1.5 -> 2), with the
// same guards as RoundOff. Only the needle outline uses it.
std::int32_t RoundHalfEven(long double X);

// pi and pi/2 to the full precision of long double.
inline constexpr long double Pi = 3.141592653589793238462643383279502884L;
inline constexpr long double HalfPi = Pi / 2;

// The enlarged view: the dial scaled by Rate about a fixed point chosen by the hand
// location, so that the part of the dial where the needle stands stays in the control.
struct TZoomMap {
    double Rate;             // 1.0 .. 2.0
    std::uint16_t Diameter;  // the unenlarged dial's side
    TTypeHandLocation Location;

    double OffsetX() const;
    double OffsetY() const;
    std::int32_t ZoomX(double X) const;
    std::int32_t ZoomY(double Y) const;

    // The board's box as fractions of Diameter: the unrounded image of the dial
    // square under the map.
    struct TFractions { double Left, Top, Right, Bottom; };
    TFractions BoardFractions() const;
};
