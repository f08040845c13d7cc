#include "BatchStatistics.h"

#include <cmath>

SideStatistics sideStatistics(const SideTotals& totals, std::int64_t games)
{
    SideStatistics s;
    s.mean = static_cast<double>(totals.sum) / static_cast<double>(games);
    s.min = static_cast<int>(totals.min);
    s.max = static_cast<int>(totals.max);
    s.extinct = totals.extinct;
    s.wentExtinct = totals.wentExtinct;
    if (games > 1) {
        // n times the sum of squared deviations, exact in 128 bits (up to about 2^73 here); one
        // rounding on the way to the square root keeps the result within an ulp or so.
        __extension__ using Wide = __int128;
        const Wide spread = Wide{games} * totals.sumOfSquares - Wide{totals.sum} * totals.sum;
        const long double variance = static_cast<long double>(spread) /
                                     (static_cast<long double>(games) * static_cast<long double>(games - 1));
        s.sd = static_cast<double>(std::sqrt(variance));
    }
    if (s.wentExtinct > 0)
        s.meanFirstExtinction = static_cast<double>(totals.firstRoundSum) / static_cast<double>(s.wentExtinct);
    return s;
}
