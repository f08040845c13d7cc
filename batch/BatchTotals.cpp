#include "BatchTotals.h"

void SideTotals::merge(const SideTotals& other)
{
    for (std::size_t c = 0; c < gamesWith.size(); ++c)
        gamesWith[c] += other.gamesWith[c];
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
