#pragma once

#include "BatchPlan.h"
#include "BatchResults.h"
#include "BatchTotals.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

class BatchEngine;
class GameCore;

// Plays a plan's games (all of them, or one process's share) on worker threads. Each thread
// takes blocks of consecutive games in order from a shared counter and plays a block side by side
// on a BatchEngine; it adds its games into totals of its own, merged at the end, and writes each
// game's counts (when the plan keeps them) into the game's own row, so the results are the same
// for any number of threads.
class BatchRunner {
public:
    // Plays games [begin, end) of the plan; by default all of them. What the plan keeps must fit
    // (its maxThreads() at least 1): a front end refuses other plans.
    explicit BatchRunner(BatchPlan plan, std::int32_t begin = 0, std::int32_t end = -1);
    BatchRunner(const BatchRunner&) = delete;
    BatchRunner& operator=(const BatchRunner&) = delete;

    // Plays every game on min(jobs, blocks, plan's maxThreads) threads (at least one) and returns
    // once all are done, or false as soon as cancel is seen set. Meanwhile the calling thread only
    // waits, calling tick about four times a second. Call it once.
    bool run(unsigned jobs, const std::function<void()>& tick = {}, const std::atomic<bool>* cancel = nullptr);

    // Plays games [first, last) of [begin, end) on the calling thread, adding them into totals
    // (from newTotals()) and their rows. However a batch is cut into such slices, the merged
    // totals are those of run: for a caller without threads that checks for a cancel between
    // slices.
    void playGames(std::int32_t first, std::int32_t last, BatchTotals& totals);
    // Empty totals for the plan's checkpoints and rounds; totals of nothing without a summary.
    BatchTotals newTotals() const;
    // Plays one game the way the window's core plays it, one round at a time through GameCore
    // (whatever its view), into totals and its row: the reference the engine is measured against.
    void playOnCore(std::int32_t game, GameCore& core, BatchTotals& totals);

    const BatchPlan& plan() const { return plan_; }
    std::int32_t begin() const { return begin_; }
    std::int32_t end() const { return end_; }
    // The counts of games [begin, end), game g in row g - begin; empty unless the plan keeps them.
    const BatchResults& results() const { return results_; }
    // The totals of the games after a complete run; totals of nothing unless the plan keeps a
    // summary.
    const BatchTotals& totals() const { return totals_; }
    BatchTotals& totals() { return totals_; }
    std::uint64_t totalRounds() const
    {
        return static_cast<std::uint64_t>(end_ - begin_) * static_cast<std::uint64_t>(plan_.rounds);
    }
    // Progress so far, readable from any thread while run is going.
    std::uint64_t roundsDone() const { return roundsDone_.load(std::memory_order_relaxed); }
    std::int32_t gamesDone() const { return gamesDone_.load(std::memory_order_relaxed); }

private:
    // Plays the games from first on, as many as the engine has lanes but none from last on.
    void playBlock(std::int32_t first, std::int32_t last, BatchEngine& engine, BatchTotals& totals);
    void work(BatchTotals& totals);
    bool cancelled() const { return cancel_ && cancel_->load(std::memory_order_relaxed); }

    BatchPlan plan_;
    std::int32_t begin_;
    std::int32_t end_;
    BatchResults results_;
    BatchTotals totals_;
    const std::atomic<bool>* cancel_ = nullptr;
    std::atomic<std::int64_t> nextGame_;
    std::atomic<std::int32_t> gamesDone_{0};
    std::atomic<std::uint64_t> roundsDone_{0};
    std::mutex mutex_;
    std::condition_variable allDone_;
    unsigned running_ = 0;
};
