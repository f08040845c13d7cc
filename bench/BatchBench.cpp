// Rounds per second of whole batches, the engine against the old batch path, in one run so the
// ratios compare like with like: EngineBatch is what quorvel-sim plays (BatchRunner::run, eight
// games side by side per thread on bit masks); CoreBatch plays the same games one by one through
// GameCore as quorvel-sim did before (BatchRunner::playOnCore), the games shared out over the
// same number of threads. Arguments: threads, spraying (1: a campaign ordered before round 1 that
// lasts the whole game, so every round sprays). Wall time, so threads count; medians of the
// repetitions are the figures to quote. The machine's load distorts wall time: note `uptime`.
// Series is what the window's "Versuchsreihe" does, through the same code (SeriesRun on threads,
// then its figures): games of 1,000 rounds with a checkpoint after every round, condition A
// without and B with repeated spraying (10 rounds from round 200, every 100 rounds). Arguments:
// threads, games; 10,000 games is the largest size the window is timed at, and 1,000 against
// 100,000 games on one benchmark each (--benchmark_filter='Series/2/1000/' under
// /usr/bin/time -v) shows that the memory does not grow with the games.
#include "BatchRunner.h"
#include "GameCore.h"
#include "NullGameView.h"
#include "SeriesRun.h"

#include <benchmark/benchmark.h>

#include <thread>
#include <vector>

namespace {
constexpr std::int32_t games = 64;
constexpr std::int32_t rounds = 100000;

BatchPlan plan(bool spraying)
{
    BatchPlan plan;
    plan.firstSeed = 12345;
    plan.games = games;
    plan.rounds = rounds;
    plan.every = rounds / 10;
    plan.summary = true;
    if (spraying)
        plan.sprays.order({1, rounds});
    return plan;
}

void label(benchmark::State& state, unsigned jobs, bool spraying)
{
    state.SetItemsProcessed(state.iterations() * games * rounds);
    state.SetLabel(std::to_string(jobs) + (jobs == 1 ? " thread" : " threads") +
                   (spraying ? ", spraying every round" : ", no spraying"));
}

void EngineBatch(benchmark::State& state)
{
    const auto jobs = static_cast<unsigned>(state.range(0));
    const bool spraying = state.range(1) != 0;
    for (auto _ : state) {
        BatchRunner runner{plan(spraying)};
        runner.run(jobs);
        benchmark::DoNotOptimize(runner.totals().at(1).prey.gamesWith[18]);
    }
    label(state, jobs, spraying);
}

void CoreBatch(benchmark::State& state)
{
    const auto jobs = static_cast<unsigned>(state.range(0));
    const bool spraying = state.range(1) != 0;
    for (auto _ : state) {
        BatchRunner runner{plan(spraying)};
        std::vector<BatchTotals> totals(jobs, runner.newTotals());
        {
            std::vector<std::jthread> workers;
            for (unsigned j = 0; j < jobs; ++j)
                workers.emplace_back([&, j] {
                    NullGameView view;
                    GameCore core{view};
                    for (std::int32_t g = static_cast<std::int32_t>(j); g < games; g += static_cast<std::int32_t>(jobs))
                        runner.playOnCore(g, core, totals[j]);
                });
        }
        benchmark::DoNotOptimize(totals[0].at(1).prey.gamesWith[18]);
    }
    label(state, jobs, spraying);
}

void Series(benchmark::State& state)
{
    const auto jobs = static_cast<unsigned>(state.range(0));
    SeriesSettings settings;
    settings.games = static_cast<std::int32_t>(state.range(1));
    settings.rounds = 1000;
    settings.firstGame = 1;
    settings.sprayStart = 200;
    settings.sprayRounds = 10;
    settings.sprayPeriod = 100;
    for (auto _ : state) {
        SeriesRun run{settings};
        run.run(jobs);
        const SeriesResult result = run.takeResult();
        benchmark::DoNotOptimize(result.unsprayed.at(1000, Side::Prey).mean + result.sprayed.at(1000, Side::Prey).mean);
    }
    state.SetItemsProcessed(state.iterations() * 2 * settings.games * settings.rounds);
    state.SetLabel(std::to_string(jobs) + (jobs == 1 ? " thread" : " threads") + ", A and B, " +
                   std::to_string(settings.games) + " games x 1000 rounds, every round");
}
}  // namespace

BENCHMARK(Series)->Args({1, 10000})->Args({2, 10000})->Args({2, 1000})->Args({2, 100000})->UseRealTime()->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(EngineBatch)->ArgsProduct({{1, 2}, {0, 1}})->UseRealTime()->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(CoreBatch)->ArgsProduct({{1, 2}, {0, 1}})->UseRealTime()->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
