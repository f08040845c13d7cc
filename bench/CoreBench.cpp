// Automatic rounds per second through the public core API, with a view that does nothing.
#include "SilentAnzeige.h"
#include "TSpielkern.h"

#include <benchmark/benchmark.h>

namespace {
void AutomaticRounds(benchmark::State& state)
{
    const bool spraying = state.range(0) != 0;
    SilentAnzeige view;
    TSpielkern kern{view};
    kern.zufall().SetSeed(12345);
    kern.neuspiel();
    for (auto _ : state) {
        if (spraying && kern.insrunden() == 0)
            kern.setinsrunden(1000);
        kern.runde(true);
    }
    benchmark::DoNotOptimize(kern.anzbeute());
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(spraying ? "spraying every round" : "no insecticide");
}
}  // namespace

BENCHMARK(AutomaticRounds)->Arg(0)->Arg(1);
BENCHMARK_MAIN();
