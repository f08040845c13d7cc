#pragma once

#include <cmath>

// The arithmetic the chart lays itself out with. Pixel positions round halves to the even
// neighbour; percentages of a size (margins) go through mulDiv() and round halves away from zero.
namespace chartmath {

// The nearest whole number to v; a value exactly halfway goes to the even neighbour.
inline double roundHalfEven(double v)
{
    const double down = std::floor(v);
    const double diff = v - down;
    if (diff > 0.5)
        return down + 1.0;
    if (diff < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

// Largest mapped offset that still counts as a position; anything at or beyond it maps to
// the axis centre instead of overflowing an int.
inline constexpr double maxOffset = 2147483647.0;

}  // namespace chartmath
