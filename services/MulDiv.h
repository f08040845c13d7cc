#pragma once

#include <cstdint>
#include <cstdlib>

// number × numerator / denominator with a 64-bit product, rounded to the nearest whole number,
// halves away from zero; the result must fit an int. A denominator of 0 gives 0: no caller
// divides by zero (dialog units by 4 and 8, the chart's margins by 100, its print by a page
// width and height it has checked to be positive), and should one ever do, an empty length
// lays nothing out where -1 or a crash would.
inline int mulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return 0;
    const std::int64_t product = std::int64_t{number} * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = std::llabs(product);
    const std::int64_t divisor = std::llabs(std::int64_t{denominator});
    const std::int64_t rounded = (magnitude + divisor / 2) / divisor;
    return static_cast<int>(negative ? -rounded : rounded);
}
