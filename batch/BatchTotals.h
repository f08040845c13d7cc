#pragma once

#include "Side.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

// The round a side first had no animal left, for a game where that has not happened (yet).
inline constexpr std::int32_t neverExtinct = -1;
// The most animals a side can have: one on every cell.
inline constexpr int maxCount = 36;

// How many games had each count of a side's animals, 0 to maxCount.
using CountHistogram = std::array<std::int32_t, maxCount + 1>;

// One side's count at one checkpoint over a set of games, exactly: how many games had each count,
// and how many had had no animal after some round up to here. Totals of disjoint sets of games
// merge by adding, in any order and grouping, so threads and processes each keep their own and
// the merged figures are always the same.
struct SideTotals {
    CountHistogram gamesWith{};      // gamesWith[c]: the games with c animals here
    std::int32_t wentExtinct = 0;    // games whose count was 0 after some round up to here
    std::int64_t firstRoundSum = 0;  // the sum of the first such rounds of those games

    // A game with count animals here that first had none after round firstExtinction (or never).
    void add(int count, std::int32_t firstExtinction)
    {
        ++gamesWith[static_cast<std::size_t>(count)];
        if (firstExtinction != neverExtinct) {
            ++wentExtinct;
            firstRoundSum += firstExtinction;
        }
    }
    void merge(const SideTotals& other);
    bool operator==(const SideTotals&) const = default;
};

struct CheckpointTotals {
    SideTotals hunters;
    SideTotals prey;
    const SideTotals& of(Side side) const { return side == Side::Hunter ? hunters : prey; }
    bool operator==(const CheckpointTotals&) const = default;
};

// The totals of a batch: those of every checkpoint, and for each side how many games first had
// no animal after each round. What the summary is made of, in memory that grows with the
// checkpoints and the rounds but not with the games.
class BatchTotals {
public:
    // Totals of nothing, for a batch that keeps no summary.
    BatchTotals() = default;
    // Totals of that many checkpoints, of games of that many rounds.
    BatchTotals(std::size_t checkpoints, std::int32_t rounds);
    // What such totals take.
    static std::uint64_t bytes(std::size_t checkpoints, std::int32_t rounds);

    std::size_t checkpoints() const { return rows_.size(); }
    const CheckpointTotals& at(std::size_t c) const { return rows_[c]; }
    CheckpointTotals& at(std::size_t c) { return rows_[c]; }
    void add(std::size_t c, int hunters, int prey, std::int32_t firstHunters, std::int32_t firstPrey)
    {
        rows_[c].hunters.add(hunters, firstHunters);
        rows_[c].prey.add(prey, firstPrey);
    }
    // A game played to its end whose sides first had no animal after these rounds (or never).
    void addFirstExtinctions(std::int32_t firstHunters, std::int32_t firstPrey)
    {
        if (firstHunters != neverExtinct)
            ++firstHunters_[static_cast<std::size_t>(firstHunters)];
        if (firstPrey != neverExtinct)
            ++firstPrey_[static_cast<std::size_t>(firstPrey)];
    }
    // How many games first had none of the side's animals after each round, 0 to the last.
    const std::vector<std::int32_t>& firstExtinctions(Side side) const
    {
        return side == Side::Hunter ? firstHunters_ : firstPrey_;
    }
    std::vector<std::int32_t>& firstExtinctions(Side side) { return side == Side::Hunter ? firstHunters_ : firstPrey_; }

    // Adds the games of other, totals of the same checkpoints and rounds.
    void merge(const BatchTotals& other);
    // The rows one after the other, for passing them on; a row is trivially copyable.
    CheckpointTotals* data() { return rows_.data(); }

private:
    std::vector<CheckpointTotals> rows_;
    std::vector<std::int32_t> firstHunters_;
    std::vector<std::int32_t> firstPrey_;
};

static_assert(std::is_trivially_copyable_v<CheckpointTotals>);
