#include "BatchStatistics.h"

#include <algorithm>
#include <cmath>

int percentile(const CountHistogram& gamesWith, int p)
{
    std::int64_t games = 0;
    for (const std::int32_t n : gamesWith)
        games += n;
    std::int64_t upToHere = 0;
    for (int c = 0; c < maxCount; ++c) {
        upToHere += gamesWith[static_cast<std::size_t>(c)];
        if (upToHere * 100 >= std::int64_t{p} * games)
            return c;
    }
    return maxCount;
}

SideStatistics sideStatistics(const SideTotals& totals)
{
    SideStatistics s;
    std::int64_t sum = 0;
    std::int64_t sumOfSquares = 0;
    for (int c = 0; c <= maxCount; ++c) {
        const std::int64_t n = totals.gamesWith[static_cast<std::size_t>(c)];
        if (n == 0)
            continue;
        s.min = s.games == 0 ? c : s.min;
        s.max = c;
        s.games += n;
        sum += n * c;
        sumOfSquares += n * c * c;
    }
    if (s.games == 0)
        return s;
    s.mean = static_cast<double>(sum) / static_cast<double>(s.games);
    s.p10 = percentile(totals.gamesWith, 10);
    s.p90 = percentile(totals.gamesWith, 90);
    s.extinct = totals.gamesWith[0];
    s.wentExtinct = totals.wentExtinct;
    if (s.games > 1) {
        // n times the sum of squared deviations, exact in 128 bits (up to about 2^73 here); one
        // rounding on the way to the square root keeps the result within an ulp or so.
        __extension__ using Wide = __int128;
        const Wide spread = Wide{s.games} * sumOfSquares - Wide{sum} * sum;
        const long double variance = static_cast<long double>(spread) /
                                     (static_cast<long double>(s.games) * static_cast<long double>(s.games - 1));
        s.sd = static_cast<double>(std::sqrt(variance));
    }
    if (s.wentExtinct > 0)
        s.meanFirstExtinction = static_cast<double>(totals.firstRoundSum) / static_cast<double>(s.wentExtinct);
    return s;
}

FirstExtinctionStatistics firstExtinctionStatistics(const std::vector<std::int32_t>& gamesByRound)
{
    FirstExtinctionStatistics s;
    std::int64_t roundSum = 0;
    for (std::size_t r = 0; r < gamesByRound.size(); ++r) {
        s.games += gamesByRound[r];
        roundSum += static_cast<std::int64_t>(r) * gamesByRound[r];
    }
    if (s.games == 0)
        return s;
    s.mean = static_cast<double>(roundSum) / static_cast<double>(s.games);
    // The rounds of the games at places (n - 1) / 2 and n / 2, counting from 0 in round order:
    // the same place for an odd n.
    const std::int64_t lowerPlace = (s.games - 1) / 2;
    const std::int64_t upperPlace = s.games / 2;
    std::int64_t before = 0;
    std::int64_t lower = -1;
    for (std::size_t r = 0; r < gamesByRound.size(); ++r) {
        before += gamesByRound[r];
        if (lower < 0 && before > lowerPlace)
            lower = static_cast<std::int64_t>(r);
        if (before > upperPlace) {
            s.median = (static_cast<double>(lower) + static_cast<double>(r)) / 2;
            break;
        }
    }
    return s;
}

ShareInterval wilsonInterval(std::int64_t k, std::int64_t n)
{
    if (n == 0)
        return {};
    constexpr double z = 1.959963984540054;
    const double games = static_cast<double>(n);
    const double p = static_cast<double>(k) / games;
    const double scale = 1 + z * z / games;
    const double centre = (p + z * z / (2 * games)) / scale;
    const double half = z * std::sqrt(p * (1 - p) / games + z * z / (4 * games * games)) / scale;
    ShareInterval interval;
    interval.share = p;
    interval.lower = k == 0 ? 0 : std::max(0.0, centre - half);
    interval.upper = k == n ? 1 : std::min(1.0, centre + half);
    return interval;
}
