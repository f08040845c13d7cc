#include "BatchTotals.h"

void SideTotals::merge(const SideTotals& other)
{
    for (std::size_t c = 0; c < gamesWith.size(); ++c)
        gamesWith[c] += other.gamesWith[c];
    wentExtinct += other.wentExtinct;
    firstRoundSum += other.firstRoundSum;
}

BatchTotals::BatchTotals(std::size_t checkpoints, std::int32_t rounds)
    : rows_(checkpoints),
      firstHunters_(static_cast<std::size_t>(rounds) + 1),
      firstPrey_(static_cast<std::size_t>(rounds) + 1)
{
}

std::uint64_t BatchTotals::bytes(std::size_t checkpoints, std::int32_t rounds)
{
    return checkpoints * std::uint64_t{sizeof(CheckpointTotals)} +
           2 * (static_cast<std::uint64_t>(rounds) + 1) * sizeof(std::int32_t);
}

void BatchTotals::merge(const BatchTotals& other)
{
    for (std::size_t c = 0; c < rows_.size(); ++c) {
        rows_[c].hunters.merge(other.rows_[c].hunters);
        rows_[c].prey.merge(other.rows_[c].prey);
    }
    for (std::size_t r = 0; r < firstHunters_.size(); ++r) {
        firstHunters_[r] += other.firstHunters_[r];
        firstPrey_[r] += other.firstPrey_[r];
    }
}
