// Automatic rounds per second through the public core API, with a view that does nothing.
#include "NullGameView.h"
#include "GameCore.h"

#include <benchmark/benchmark.h>

namespace {
void AutomaticRounds(benchmark::State& state)
{
    const bool spraying = state.range(0) != 0;
    NullGameView view;
    GameCore core{view};
    core.random().setSeed(12345);
    core.newGame();
    for (auto _ : state) {
        if (spraying && core.sprayRoundsLeft() == 0)
            core.orderSpray(1000);
        core.playRound(Mode::Automatic);
    }
    benchmark::DoNotOptimize(core.preyCount());
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(spraying ? "spraying every round" : "no insecticide");
}
}  // namespace

BENCHMARK(AutomaticRounds)->Arg(0)->Arg(1);
BENCHMARK_MAIN();
