#include "BatchPlan.h"

#include "BatchTotals.h"

#include <algorithm>

namespace {
std::string counted(std::uint64_t n, const char* noun)
{
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}
}  // namespace

std::optional<BatchPlan> BatchPlan::make(const SimOptions& options, std::uint32_t firstSeed, std::string& error)
{
    BatchPlan plan;
    plan.firstSeed = firstSeed;
    plan.games = options.games;
    plan.rounds = options.rounds;
    plan.every = options.every.value_or(std::max(1, options.rounds / 10));
    plan.sprays = options.sprays;
    plan.summary = options.summary;
    plan.counts = options.csv.has_value();

    // Two counts per game and checkpoint for the CSV; for the summary a table of totals, and one
    // more for each further thread.
    const std::uint64_t checkpoints = plan.checkpointCount();
    const std::uint64_t table = plan.summary ? checkpoints * sizeof(CheckpointTotals) : 0;
    const std::uint64_t counts = plan.counts ? 2 * checkpoints * static_cast<std::uint64_t>(plan.games) : 0;
    if (counts + table > maxKeptBytes) {
        error = "too much to keep in memory (" + counted(static_cast<std::uint64_t>(plan.games), "game") + " x " +
                counted(checkpoints, "checkpoint") + "); choose a larger --every" +
                (plan.counts ? " or fewer games" : "");
        return std::nullopt;
    }
    plan.maxThreads = table ? (maxKeptBytes - counts) / table : std::uint64_t{1} << 31;
    return plan;
}
