#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// The integer arithmetic the chart lays itself out with. Pixel positions round halves to the even
// neighbour; percentages of a size (margins) are multiplied before they are divided and round
// halves away from zero.
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

// a × b / c rounded to the nearest integer, halves away from zero, with a 64-bit product.
// c must not be 0.
inline int mulDiv(int a, int b, int c)
{
    const std::int64_t num = static_cast<std::int64_t>(a) * b;
    const std::int64_t den = c;
    const std::int64_t absNum = num < 0 ? -num : num;
    const std::int64_t absDen = den < 0 ? -den : den;
    const std::int64_t q = (2 * absNum + absDen) / (2 * absDen);
    return static_cast<int>(((num < 0) != (den < 0)) ? -q : q);
}

// Largest mapped offset that still counts as a position; anything at or beyond it maps to
// the axis centre instead of overflowing an int.
inline constexpr double maxOffset = 2147483647.0;

}  // namespace chartmath
