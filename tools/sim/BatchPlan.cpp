#include "BatchPlan.h"

#include <algorithm>

std::vector<std::int32_t> checkpointRounds(std::int32_t rounds, std::int32_t every)
{
    std::vector<std::int32_t> result;
    result.reserve(static_cast<std::size_t>(rounds / every) + 2);
    // Counted in 64 bits: the step past the last multiple may pass the 32-bit limit.
    for (std::int64_t r = 0; r <= rounds; r += every)
        result.push_back(static_cast<std::int32_t>(r));
    if (result.back() != rounds)
        result.push_back(rounds);
    return result;
}

std::optional<BatchPlan> BatchPlan::make(const SimOptions& options, std::uint32_t firstSeed, std::string& error)
{
    BatchPlan plan;
    plan.firstSeed = firstSeed;
    plan.games = options.games;
    plan.rounds = options.rounds;
    plan.every = options.every.value_or(std::max(1, options.rounds / 10));
    plan.sprays = options.sprays;

    // Two counts per checkpoint and two first-extinction rounds per game.
    const std::uint64_t checkpoints = static_cast<std::uint64_t>(plan.rounds / plan.every) + 2;
    const std::uint64_t perGame = 2 * checkpoints + 2 * sizeof(std::int32_t);
    if (perGame * static_cast<std::uint64_t>(plan.games) > maxKeptBytes) {
        error = "too much to keep in memory (" + std::to_string(plan.games) + " games x " +
                std::to_string(checkpoints - 1) + " checkpoints); choose a larger --every or fewer games";
        return std::nullopt;
    }
    plan.checkpoints = checkpointRounds(plan.rounds, plan.every);
    return plan;
}
