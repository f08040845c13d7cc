// Automatic rounds per second through the public core API, with a view that does nothing.
#include "TSpielkern.h"

#include <benchmark/benchmark.h>

namespace {
class SilentView final : public TSpielanzeige {
public:
    void drawfeld() override {}
    void markfeld(int, int) override {}
    void setspielertext(std::string_view) override {}
    void sethilfetext(std::string_view) override {}
    void setdiceenabled(bool) override {}
    void setrahmencolor(int, int, TColor) override {}
    void setinslabvisible(bool) override {}
    void addchartpoints(std::uint8_t, std::uint8_t) override {}
};

void AutomaticRounds(benchmark::State& state)
{
    const bool spraying = state.range(0) != 0;
    SilentView view;
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
