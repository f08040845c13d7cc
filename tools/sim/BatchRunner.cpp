#include "BatchRunner.h"

#include "NullGameView.h"
#include "GameCore.h"

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
    if (firstHunters == BatchResults::never && core.hunterCount() == 0)
        firstHunters = core.currentRound();
    if (firstPrey == BatchResults::never && core.preyCount() == 0)
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
    : plan_(std::move(plan)), results_(plan_.games, plan_.checkpoints.size())
{
}

void BatchRunner::playGame(std::int32_t game, GameCore& core)
{
    core.random().setSeed(plan_.seed(game));
    core.newGame();
    std::int32_t firstHunters = BatchResults::never;
    std::int32_t firstPrey = BatchResults::never;
    noteExtinction(core, firstHunters, firstPrey);
    results_.record(game, 0, core.hunterCount(), core.preyCount());

    // Play runs of rounds up to the next event: a checkpoint, a spray order or a progress check.
    auto spray = plan_.sprays.begin();
    std::size_t checkpoint = 1;
    std::int32_t round = 0;
    while (round < plan_.rounds) {
        if (spray != plan_.sprays.end() && spray->round == round + 1) {
            core.orderSpray(spray->count);
            ++spray;
        }
        std::int32_t stop = plan_.checkpoints[checkpoint];
        if (spray != plan_.sprays.end())
            stop = std::min(stop, spray->round - 1);
        stop = std::min(stop, round + std::min(chunkRounds, plan_.rounds - round));
        playRounds(core, stop - round, firstHunters, firstPrey);
        roundsDone_.fetch_add(static_cast<std::uint64_t>(stop - round), std::memory_order_relaxed);
        round = stop;
        if (round == plan_.checkpoints[checkpoint])
            results_.record(game, checkpoint++, core.hunterCount(), core.preyCount());
        if (cancelled())
            return;
    }
    results_.setFirstExtinction(game, Side::Hunter, firstHunters);
    results_.setFirstExtinction(game, Side::Prey, firstPrey);
}

void BatchRunner::work()
{
    NullGameView view;
    GameCore core{view};
    for (;;) {
        const std::int64_t game = nextGame_.fetch_add(1, std::memory_order_relaxed);
        if (game >= plan_.games || cancelled())
            break;
        playGame(static_cast<std::int32_t>(game), core);
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
    const auto threads = std::clamp<std::int64_t>(jobs, 1, plan_.games);
    std::vector<std::jthread> workers;
    for (std::int64_t j = 0; j < threads; ++j) {
        std::lock_guard lock(mutex_);
        ++running_;
        try {
            workers.emplace_back([this] { work(); });
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
        work();
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
    return !cancelled();
}
