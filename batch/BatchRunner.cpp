#include "BatchRunner.h"

#include "BatchEngine.h"
#include "GameCore.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace {
// Rounds between two progress and cancel checks: a few milliseconds of play.
constexpr std::int32_t chunkRounds = 1 << 18;

// Plays the plan's rounds through play(n), ordering each spray through orderSpray(k) just before
// its round and calling keep(c) after the round of each checkpoint c (0 first, before any round).
// Runs of play end at each such event and at least every chunkRounds, when progress(n) hears of
// them and cancelled() may stop the game.
template <typename Play, typename OrderSpray, typename Keep, typename Progress, typename Cancelled>
void followPlan(const BatchPlan& plan, Play&& play, OrderSpray&& orderSpray, Keep&& keep, Progress&& progress,
                Cancelled&& cancelled)
{
    keep(0);
    std::size_t checkpoint = 1;
    std::int32_t round = 0;
    // The round before which the next order falls; past the last round when none does.
    const auto orderAfter = [&](std::int32_t r) -> std::int64_t {
        const auto next = plan.sprays.nextOrderAfter(r);
        return next ? *next : std::int64_t{plan.rounds} + 1;
    };
    std::int64_t nextOrder = orderAfter(0);
    while (round < plan.rounds) {
        if (nextOrder == round + 1) {
            orderSpray(*plan.sprays.countBefore(round + 1));
            nextOrder = orderAfter(round + 1);
        }
        const std::int64_t stop = std::min({std::int64_t{plan.checkpointRound(checkpoint)}, nextOrder - 1,
                                            std::int64_t{round} + std::min(chunkRounds, plan.rounds - round)});
        const auto n = static_cast<std::int32_t>(stop - round);
        play(n);
        progress(n);
        round += n;
        if (round == plan.checkpointRound(checkpoint))
            keep(checkpoint++);
        if (cancelled())
            return;
    }
}

void noteExtinction(const GameCore& core, std::int32_t& firstHunters, std::int32_t& firstPrey)
{
    if (firstHunters == neverExtinct && core.hunterCount() == 0)
        firstHunters = core.currentRound();
    if (firstPrey == neverExtinct && core.preyCount() == 0)
        firstPrey = core.currentRound();
}

std::int32_t firstExtinction(const BatchEngine& engine, int lane, Side side)
{
    const std::uint32_t first = engine.firstExtinction(lane, side);
    return first == BatchEngine::never ? neverExtinct : static_cast<std::int32_t>(first);
}

// Starts a thread running work, or tells that none could be started. Where there are no
// exceptions, a failure to start ends the program instead.
template <typename Work>
bool startThread(std::vector<std::thread>& threads, Work&& work)
{
#if defined(__cpp_exceptions)
    try {
        threads.emplace_back(std::forward<Work>(work));
    } catch (const std::system_error&) {
        return false;
    }
#else
    threads.emplace_back(std::forward<Work>(work));
#endif
    return true;
}
}  // namespace

BatchRunner::BatchRunner(BatchPlan plan, std::int32_t begin, std::int32_t end)
    : plan_(std::move(plan)),
      begin_(begin),
      end_(end < 0 ? plan_.games : end),
      results_(plan_.counts ? end_ - begin_ : 0, plan_.checkpointCount()),
      totals_(newTotals()),
      nextGame_(begin_)
{
}

BatchTotals BatchRunner::newTotals() const
{
    return plan_.summary ? BatchTotals{plan_.checkpointCount(), plan_.rounds} : BatchTotals{};
}

void BatchRunner::playBlock(std::int32_t first, std::int32_t last, BatchEngine& engine, BatchTotals& totals)
{
    // Lanes past the last game replay it and are not kept.
    const int active = static_cast<int>(std::min<std::int64_t>(BatchEngine::lanes, last - first));
    std::array<std::uint32_t, BatchEngine::lanes> seeds;
    for (int lane = 0; lane < BatchEngine::lanes; ++lane)
        seeds[static_cast<std::size_t>(lane)] = plan_.seed(first + std::min(lane, active - 1));
    engine.newGames(seeds);
    const auto keep = [&](std::size_t c) {
        for (int lane = 0; lane < active; ++lane) {
            const int hunters = engine.hunterCount(lane);
            const int prey = engine.preyCount(lane);
            if (plan_.summary)
                totals.add(c, hunters, prey, firstExtinction(engine, lane, Side::Hunter),
                           firstExtinction(engine, lane, Side::Prey));
            if (plan_.counts)
                results_.record(first + lane - begin_, c, hunters, prey);
        }
    };
    // Progress is told in runs of play of at least chunkRounds: with a checkpoint after every
    // round, a shared counter changed after each would pass between the cores' caches all the time.
    std::uint64_t played = 0;
    const auto tell = [&] {
        roundsDone_.fetch_add(played * static_cast<std::uint64_t>(active), std::memory_order_relaxed);
        played = 0;
    };
    followPlan(
        plan_, [&](std::int32_t n) { engine.playRounds(n); }, [&](std::int32_t k) { engine.orderSpray(k); }, keep,
        [&](std::int32_t n) {
            played += static_cast<std::uint64_t>(n);
            if (played >= chunkRounds)
                tell();
        },
        [&] { return cancelled(); });
    tell();
    if (plan_.summary)
        for (int lane = 0; lane < active; ++lane)
            totals.addFirstExtinctions(firstExtinction(engine, lane, Side::Hunter),
                                       firstExtinction(engine, lane, Side::Prey));
}

void BatchRunner::playGames(std::int32_t first, std::int32_t last, BatchTotals& totals)
{
    BatchEngine engine;
    for (std::int64_t block = first; block < last && !cancelled(); block += BatchEngine::lanes) {
        playBlock(static_cast<std::int32_t>(block), last, engine, totals);
        gamesDone_.fetch_add(static_cast<std::int32_t>(std::min<std::int64_t>(BatchEngine::lanes, last - block)),
                             std::memory_order_relaxed);
    }
}

void BatchRunner::playOnCore(std::int32_t game, GameCore& core, BatchTotals& totals)
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
            results_.record(game - begin_, c, core.hunterCount(), core.preyCount());
    };
    // The hot loop of the core's way: the round and a test of two counters.
    const auto play = [&](std::int32_t n) {
        for (std::int32_t i = 0; i < n; ++i) {
            core.playRound(Mode::Automatic);
            if ((core.hunterCount() == 0) | (core.preyCount() == 0)) [[unlikely]]
                noteExtinction(core, firstHunters, firstPrey);
        }
    };
    followPlan(
        plan_, play, [&](std::int32_t k) { core.orderSpray(k); }, keep,
        [&](std::int32_t n) { roundsDone_.fetch_add(static_cast<std::uint64_t>(n), std::memory_order_relaxed); },
        [&] { return cancelled(); });
    if (plan_.summary)
        totals.addFirstExtinctions(firstHunters, firstPrey);
}

void BatchRunner::work(BatchTotals& totals)
{
    BatchEngine engine;
    for (;;) {
        const std::int64_t first = nextGame_.fetch_add(BatchEngine::lanes, std::memory_order_relaxed);
        if (first >= end_ || cancelled())
            break;
        playBlock(static_cast<std::int32_t>(first), end_, engine, totals);
        gamesDone_.fetch_add(static_cast<std::int32_t>(std::min<std::int64_t>(BatchEngine::lanes, end_ - first)),
                             std::memory_order_relaxed);
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
    const std::int64_t blocks = (std::int64_t{end_} - begin_ + BatchEngine::lanes - 1) / BatchEngine::lanes;
    const auto useful = std::min<std::uint64_t>(static_cast<std::uint64_t>(std::max<std::int64_t>(blocks, 1)), plan_.maxThreads());
    const auto threads = std::clamp<std::int64_t>(jobs, 1, std::max<std::int64_t>(static_cast<std::int64_t>(useful), 1));
    // The first thread plays into the final totals, each further one into a table of its own.
    std::vector<BatchTotals> partials;
    for (std::int64_t j = 1; j < threads; ++j)
        partials.push_back(newTotals());
    std::vector<std::thread> workers;
    for (std::int64_t j = 0; j < threads; ++j) {
        std::lock_guard lock(mutex_);
        BatchTotals& totals = j == 0 ? totals_ : partials[static_cast<std::size_t>(j - 1)];
        if (!startThread(workers, [this, &totals] { work(totals); }))
            break;  // fewer threads only make it slower
        ++running_;
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
    for (std::thread& worker : workers)
        worker.join();
    for (const auto& partial : partials)
        totals_.merge(partial);
    return !cancelled();
}
