#pragma once

#include "BatchPlan.h"
#include "BatchResults.h"
#include "BatchTotals.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

class GameCore;

// Plays the games of a plan on worker threads that take games in order from a shared counter.
// Each thread adds its games into totals of its own, merged at the end, and writes each game's
// counts (when the plan keeps them) into the game's own row, so the results are the same for any
// number of threads.
class BatchRunner {
public:
    explicit BatchRunner(BatchPlan plan);
    BatchRunner(const BatchRunner&) = delete;
    BatchRunner& operator=(const BatchRunner&) = delete;

    // Plays every game on min(jobs, games, plan's maxThreads) threads (at least one) and returns
    // once all are done, or false as soon as cancel is seen set. Meanwhile the calling thread only
    // waits, calling tick about four times a second. Call it once.
    bool run(unsigned jobs, const std::function<void()>& tick = {}, const std::atomic<bool>* cancel = nullptr);

    // Plays one game of the plan on core (whatever its view), adding it into totals (when the plan
    // keeps a summary) and into the game's row of the results (when it keeps counts).
    void playGame(std::int32_t game, GameCore& core, BatchTotals& totals);

    const BatchPlan& plan() const { return plan_; }
    // Every game's counts; empty unless the plan keeps them.
    const BatchResults& results() const { return results_; }
    // The totals of all games after a complete run; no checkpoints unless the plan keeps a summary.
    const BatchTotals& totals() const { return totals_; }
    std::uint64_t totalRounds() const
    {
        return static_cast<std::uint64_t>(plan_.games) * static_cast<std::uint64_t>(plan_.rounds);
    }
    // Progress so far, readable from any thread while run is going.
    std::uint64_t roundsDone() const { return roundsDone_.load(std::memory_order_relaxed); }
    std::int32_t gamesDone() const { return gamesDone_.load(std::memory_order_relaxed); }

private:
    void work(BatchTotals& totals);
    bool cancelled() const { return cancel_ && cancel_->load(std::memory_order_relaxed); }

    BatchPlan plan_;
    BatchResults results_;
    BatchTotals totals_;
    const std::atomic<bool>* cancel_ = nullptr;
    std::atomic<std::int64_t> nextGame_{0};
    std::atomic<std::int32_t> gamesDone_{0};
    std::atomic<std::uint64_t> roundsDone_{0};
    std::mutex mutex_;
    std::condition_variable allDone_;
    unsigned running_ = 0;
};
