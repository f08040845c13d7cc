#pragma once

#include "SimOptions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a batch plays: games from consecutive seeds, the same rounds and sprays for each, and
// the rounds after which each game's counts are kept.
struct BatchPlan {
    // The results of a batch are kept in memory until the end; beyond this many bytes the
    // user is asked for a larger --every or fewer games instead.
    static constexpr std::uint64_t maxKeptBytes = std::uint64_t{1} << 30;

    std::uint32_t firstSeed = 0;
    std::int32_t games = 1;
    std::int32_t rounds = 0;
    std::int32_t every = 1;
    std::vector<std::int32_t> checkpoints;  // ascending: 0, every, 2 every, ..., rounds
    std::vector<Spray> sprays;              // ascending rounds, at most one per round

    // Seeds run on from firstSeed and wrap modulo 2^32.
    std::uint32_t seed(std::int32_t game) const { return firstSeed + static_cast<std::uint32_t>(game); }

    // The plan for batch options and a first seed; nothing, with a one-line reason, when its
    // results would take more than maxKeptBytes.
    static std::optional<BatchPlan> make(const SimOptions& options, std::uint32_t firstSeed, std::string& error);
};

// Rounds 0, every, 2 every, ... up to rounds, and rounds itself when it is not a multiple.
std::vector<std::int32_t> checkpointRounds(std::int32_t rounds, std::int32_t every);
