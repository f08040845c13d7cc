#pragma once

#include "BatchRunner.h"
#include "SeriesResult.h"
#include "SeriesSettings.h"

#include <atomic>
#include <cstdint>

// Plays a series: the games of condition A, then the same games with B's spraying, on worker
// threads (run) or in slices on the calling thread (playSlice), for a front end without threads;
// either way with the same figures. The games are summed up as they finish, so memory grows with
// the rounds but not with the games.
class SeriesRun {
public:
    // settings must be valid (no invalidEntry()).
    explicit SeriesRun(const SeriesSettings& settings);
    SeriesRun(const SeriesRun&) = delete;
    SeriesRun& operator=(const SeriesRun&) = delete;

    // Plays every game of both conditions on up to jobs threads each and returns true once all are
    // done, or false as soon as cancel is seen set. Call it once, and not with playSlice.
    bool run(unsigned jobs, const std::atomic<bool>* cancel = nullptr);
    // Plays the next games, at most games of them (at least 1), A's before B's, on the calling
    // thread; returns whether every game of both conditions has now been played.
    bool playSlice(std::int32_t games);

    bool isComplete() const { return complete_; }
    // The share of all rounds of both conditions played so far, 0 to 1; readable from any thread
    // while run goes.
    double progress() const;
    // The settings and figures of a complete run; it takes the totals, so call it once.
    SeriesResult takeResult();

private:
    SeriesSettings settings_;
    BatchRunner runners_[2];
    std::int32_t nextGame_[2] = {0, 0};  // of the slices
    bool complete_ = false;
};
