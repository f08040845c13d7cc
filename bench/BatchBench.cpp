// Rounds per second of whole batches, the engine against the old batch path, in one run so the
// ratios compare like with like: EngineBatch is what quorvel-sim plays (BatchRunner::run, eight
// games side by side per thread on bit masks); CoreBatch plays the same games one by one through
// GameCore as quorvel-sim did before (BatchRunner::playOnCore), the games shared out over the
// same number of threads. Arguments: threads, spraying (1: a campaign ordered before round 1 that
// lasts the whole game, so every round sprays). Wall time, so threads count; medians of the
// repetitions are the figures to quote. The machine's load distorts wall time: note `uptime`.
// Series is what the window's "Versuchsreihe" asks for at its largest planned size: 10,000 games
// of 1,000 rounds with a checkpoint after every round, condition A without and B with repeated
// spraying (10 rounds from round 200, every 100 rounds), both summed up, on 1 or 2 threads.
#include "BatchRunner.h"
#include "GameCore.h"
#include "NullGameView.h"

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

BatchPlan seriesPlan(bool spraying)
{
    BatchPlan plan;
    plan.firstSeed = 1;
    plan.games = 10000;
    plan.rounds = 1000;
    plan.every = 1;
    plan.summary = true;
    if (spraying)
        plan.sprays.order({200, 10, 100});
    return plan;
}

void Series(benchmark::State& state)
{
    const auto jobs = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        BatchRunner a{seriesPlan(false)};
        BatchRunner b{seriesPlan(true)};
        a.run(jobs);
        b.run(jobs);
        benchmark::DoNotOptimize(a.totals().at(1000).prey.gamesWith[18] + b.totals().at(1000).prey.gamesWith[18]);
    }
    state.SetItemsProcessed(state.iterations() * 2 * 10000 * 1000);
    state.SetLabel(std::to_string(jobs) + (jobs == 1 ? " thread" : " threads") + ", A and B, 10000 games x 1000 rounds, every round");
}
}  // namespace

BENCHMARK(Series)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(EngineBatch)->ArgsProduct({{1, 2}, {0, 1}})->UseRealTime()->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(CoreBatch)->ArgsProduct({{1, 2}, {0, 1}})->UseRealTime()->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
