// Rounds per second of whole batches through BatchRunner: the per-round cost of the batch loop
// (extinction test, checkpoints, progress counters) on top of the bare core, and how it scales
// with threads. Compare the one-job figure with AutomaticRounds/0 of quorvel-bench-core.
#include "BatchRunner.h"

#include <benchmark/benchmark.h>

namespace {
BatchPlan plan(std::int32_t games, std::int32_t rounds)
{
    SimOptions options;
    options.games = games;
    options.rounds = rounds;
    options.summary = true;
    std::string error;
    return *BatchPlan::make(options, 12345, error);
}

void Batch(benchmark::State& state)
{
    const auto jobs = static_cast<unsigned>(state.range(0));
    const auto rounds = static_cast<std::int32_t>(state.range(1));
    const std::int32_t games = 40;
    for (auto _ : state) {
        BatchRunner runner{plan(games, rounds)};
        runner.run(jobs);
        benchmark::DoNotOptimize(runner.totals().at(1).prey.sum);
    }
    state.SetItemsProcessed(state.iterations() * games * rounds);
    state.SetLabel(std::to_string(jobs) + " job(s), rounds per second");
}
}  // namespace

BENCHMARK(Batch)->Args({1, 100000})->Args({2, 100000})->Args({1, 1000})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
