#pragma once

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
    bool operator==(const CheckpointTotals&) const = default;
};

// The totals of every checkpoint of a batch: what the summary is made of, in memory that grows
// with the checkpoints but not with the games.
class BatchTotals {
public:
    explicit BatchTotals(std::size_t checkpoints) : rows_(checkpoints) {}
    // What totals of that many checkpoints take.
    static std::uint64_t bytes(std::size_t checkpoints) { return checkpoints * std::uint64_t{sizeof(CheckpointTotals)}; }

    std::size_t checkpoints() const { return rows_.size(); }
    const CheckpointTotals& at(std::size_t c) const { return rows_[c]; }
    CheckpointTotals& at(std::size_t c) { return rows_[c]; }
    void add(std::size_t c, int hunters, int prey, std::int32_t firstHunters, std::int32_t firstPrey)
    {
        rows_[c].hunters.add(hunters, firstHunters);
        rows_[c].prey.add(prey, firstPrey);
    }
    // Adds the games of other, totals of the same checkpoints.
    void merge(const BatchTotals& other);
    // The rows one after the other, for passing them on; a row is trivially copyable.
    CheckpointTotals* data() { return rows_.data(); }

private:
    std::vector<CheckpointTotals> rows_;
};

static_assert(std::is_trivially_copyable_v<CheckpointTotals>);
