#pragma once

#include "SimOptions.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a batch plays: games from consecutive seeds, the same rounds and sprays for each, the
// rounds after which each game's counts are taken, and what is kept of them.
struct BatchPlan {
    // What a batch keeps in memory until the end — the summary's totals, every game's counts for
    // the CSV — stays below this many bytes; beyond it the batch is refused before it starts.
    static constexpr std::uint64_t maxKeptBytes = std::uint64_t{1} << 30;

    std::uint32_t firstSeed = 0;
    std::int32_t games = 1;
    std::int32_t rounds = 0;
    std::int32_t every = 1;
    std::vector<Spray> sprays;  // ascending rounds, at most one per round
    bool summary = false;       // totals are kept per checkpoint
    bool counts = false;        // every game's counts are kept, for the CSV
    // Threads that can each keep totals of their own within maxKeptBytes.
    std::uint64_t maxThreads = 1;

    // Seeds run on from firstSeed and wrap modulo 2^32.
    std::uint32_t seed(std::int32_t game) const { return firstSeed + static_cast<std::uint32_t>(game); }

    // Checkpoints are rounds 0, every, 2 every, ... up to rounds, and rounds itself when it is not
    // a multiple.
    std::size_t checkpointCount() const { return checkpointCount(rounds, every); }
    std::int32_t checkpointRound(std::size_t c) const
    {
        const auto round = static_cast<std::int64_t>(c) * every;
        return round < rounds ? static_cast<std::int32_t>(round) : rounds;
    }
    static std::size_t checkpointCount(std::int32_t rounds, std::int32_t every)
    {
        return static_cast<std::size_t>(rounds / every) + 1 + (rounds % every != 0);
    }

    // The plan for batch options and a first seed; nothing, with a one-line reason, when what it
    // keeps would take more than maxKeptBytes.
    static std::optional<BatchPlan> make(const SimOptions& options, std::uint32_t firstSeed, std::string& error);
};
