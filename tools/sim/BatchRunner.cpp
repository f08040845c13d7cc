#include "BatchRunner.h"

#include "GameCore.h"
#include "NullGameView.h"

#include <algorithm>
#include <chrono>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace {
// Rounds between two progress and cancel checks: a few milliseconds of play.
constexpr std::int32_t chunkRounds = 1 << 18;

void noteExtinction(const GameCore& core, std::int32_t& firstHunters, std::int32_t& firstPrey)
{
    if (firstHunters == neverExtinct && core.hunterCount() == 0)
        firstHunters = core.currentRound();
    if (firstPrey == neverExtinct && core.preyCount() == 0)
        firstPrey = core.currentRound();
}

// The hot loop: nothing but the round and a test of two counters.
void playRounds(GameCore& core, std::int32_t n, std::int32_t& firstHunters, std::int32_t& firstPrey)
{
    for (std::int32_t i = 0; i < n; ++i) {
        core.playRound(Mode::Automatic);
        if ((core.hunterCount() == 0) | (core.preyCount() == 0)) [[unlikely]]
            noteExtinction(core, firstHunters, firstPrey);
    }
}
}  // namespace

BatchRunner::BatchRunner(BatchPlan plan)
    : plan_(std::move(plan)),
      results_(plan_.counts ? plan_.games : 0, plan_.checkpointCount()),
      totals_(plan_.summary ? plan_.checkpointCount() : 0)
{
}

void BatchRunner::playGame(std::int32_t game, GameCore& core, BatchTotals& totals)
{
    core.random().setSeed(plan_.seed(game));
    core.newGame();
    std::int32_t firstHunters = neverExtinct;
    std::int32_t firstPrey = neverExtinct;
    noteExtinction(core, firstHunters, firstPrey);
    const auto keep = [&](std::size_t c) {
        if (plan_.summary)
            totals.add(c, core.hunterCount(), core.preyCount(), firstHunters, firstPrey);
        if (plan_.counts)
            results_.record(game, c, core.hunterCount(), core.preyCount());
    };
    keep(0);

    // Play runs of rounds up to the next event: a checkpoint, a spray order or a progress check.
    auto spray = plan_.sprays.begin();
    std::size_t checkpoint = 1;
    std::int32_t round = 0;
    while (round < plan_.rounds) {
        if (spray != plan_.sprays.end() && spray->round == round + 1) {
            core.orderSpray(spray->count);
            ++spray;
        }
        std::int32_t stop = plan_.checkpointRound(checkpoint);
        if (spray != plan_.sprays.end())
            stop = std::min(stop, spray->round - 1);
        stop = std::min(stop, round + std::min(chunkRounds, plan_.rounds - round));
        playRounds(core, stop - round, firstHunters, firstPrey);
        roundsDone_.fetch_add(static_cast<std::uint64_t>(stop - round), std::memory_order_relaxed);
        round = stop;
        if (round == plan_.checkpointRound(checkpoint))
            keep(checkpoint++);
        if (cancelled())
            return;
    }
}

void BatchRunner::work(BatchTotals& totals)
{
    NullGameView view;
    GameCore core{view};
    for (;;) {
        const std::int64_t game = nextGame_.fetch_add(1, std::memory_order_relaxed);
        if (game >= plan_.games || cancelled())
            break;
        playGame(static_cast<std::int32_t>(game), core, totals);
        gamesDone_.fetch_add(1, std::memory_order_relaxed);
    }
    {
        std::lock_guard lock(mutex_);
        --running_;
    }
    allDone_.notify_all();
}

bool BatchRunner::run(unsigned jobs, const std::function<void()>& tick, const std::atomic<bool>* cancel)
{
    cancel_ = cancel;
    const auto threads = std::clamp<std::int64_t>(
        jobs, 1, std::min<std::int64_t>(plan_.games, static_cast<std::int64_t>(std::max<std::uint64_t>(plan_.maxThreads, 1))));
    // The first thread plays into the final totals, each further one into a table of its own.
    std::vector<BatchTotals> partials(static_cast<std::size_t>(threads - 1), BatchTotals{totals_.checkpoints()});
    std::vector<std::jthread> workers;
    for (std::int64_t j = 0; j < threads; ++j) {
        std::lock_guard lock(mutex_);
        ++running_;
        BatchTotals& totals = j == 0 ? totals_ : partials[static_cast<std::size_t>(j - 1)];
        try {
            workers.emplace_back([this, &totals] { work(totals); });
        } catch (const std::system_error&) {
            --running_;  // fewer threads only make it slower
            break;
        }
    }
    if (workers.empty()) {
        {
            std::lock_guard lock(mutex_);
            ++running_;
        }
        work(totals_);
    }
    std::unique_lock lock(mutex_);
    while (!allDone_.wait_for(lock, std::chrono::milliseconds(250), [this] { return running_ == 0; })) {
        lock.unlock();
        if (tick)
            tick();
        lock.lock();
    }
    lock.unlock();
    workers.clear();
    for (const auto& partial : partials)
        totals_.merge(partial);
    return !cancelled();
}
