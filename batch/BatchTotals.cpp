#include "BatchTotals.h"

#include <algorithm>

void SideTotals::merge(const SideTotals& other)
{
    sum += other.sum;
    sumOfSquares += other.sumOfSquares;
    min = std::min(min, other.min);
    max = std::max(max, other.max);
    extinct += other.extinct;
    wentExtinct += other.wentExtinct;
    firstRoundSum += other.firstRoundSum;
}

void BatchTotals::merge(const BatchTotals& other)
{
    for (std::size_t c = 0; c < rows_.size(); ++c) {
        rows_[c].hunters.merge(other.rows_[c].hunters);
        rows_[c].prey.merge(other.rows_[c].prey);
    }
}
