#pragma once

#include "BatchPlan.h"

#include <cstdint>
#include <optional>

// The two conditions of a series: the same games, A without insecticide, B with the spraying plan.
enum class SeriesCondition { Unsprayed, Sprayed };

// What a series plays: games of the same number of rounds from consecutive game numbers, once
// without spraying (A) and once with a spraying plan (B): campaigns of sprayRounds rounds, the
// first ordered before round sprayStart and, with a period, again every sprayPeriod rounds after,
// as quorvel-sim --spray R:K:P orders them.
struct SeriesSettings {
    static constexpr std::int32_t maxGames = 100000;
    static constexpr std::int32_t maxRounds = 100000;

    std::int32_t games = 1000;
    std::int32_t rounds = 500;
    std::uint32_t firstGame = 0;
    std::int32_t sprayStart = 200;
    std::int32_t sprayRounds = 10;
    std::int32_t sprayPeriod = 100;  // 0: a single campaign

    // The entries in the order a form asks for them; the first game number takes any value.
    enum class Entry { Games, Rounds, SprayStart, SprayRounds, SprayPeriod };
    // The first entry outside its range, or none: games and rounds 1 to their maximum, the
    // spraying's start 1 to rounds, its rounds 1 to maxRounds, its period 0 or 1 to maxRounds.
    std::optional<Entry> invalidEntry() const;

    // The batch of a condition, for valid settings: every game, a checkpoint after every round,
    // summed up (no counts per game are kept).
    BatchPlan plan(SeriesCondition condition) const;
};
