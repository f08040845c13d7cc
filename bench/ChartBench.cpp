// The population chart at scale:
//  - Paint: one full paint at 1280 × 400 into an image, for curves of 10³ to 10⁸ points (random
//    walks within 0..36), drawn per pixel column from the summary and, in the same run, from
//    every point;
//  - PanelPaint: a paint of the window's chart panel as the screen gets it (buffered, in colour
//    and in black and white) with 10⁷ points per curve;
//  - MemoryPerRound: the bytes the two curves hold per round after 10⁷ rounds fed point by
//    point, counted in the structures and cross-checked with the heap and the resident set.
// Run:  build/bench/quorvel-bench-chart --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "ChartColor.h"
#include "PopulationChart.h"
#include "ChartLayout.h"
#include "ChartPainter.h"
#include "ChartView.h"
#include "LabelCache.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Steps of −2 to +2 within 0..36 from a small generator, fast enough for 10⁸ points.
std::vector<std::uint8_t> randomWalk(std::int64_t n, std::uint32_t seed)
{
    std::vector<std::uint8_t> points(static_cast<std::size_t>(n));
    std::uint32_t state = seed;
    int y = 18;
    for (auto& p : points) {
        p = static_cast<std::uint8_t>(y);
        state = state * 1664525u + 1013904223u;
        y = std::clamp(y + static_cast<int>((state >> 8) % 5) - 2, 0, 36);
    }
    return points;
}

std::unique_ptr<ChartView> populationChart(QSize size)
{
    auto chart = std::make_unique<ChartView>();
    PopulationChart(*chart).setBackgroundColor(chartcolor::white);
    chart->resize(size);
    return chart;
}

// Lays chart out and draws it into the whole of image, the curves in the given detail.
void drawInto(QImage& image, const ChartView& chart, LabelCache& labels, SeriesDetail detail)
{
    QPainter painter(&image);
    const ChartGeometry geometry = ChartLayout::compute(chart.model(), image.rect(), labels);
    ChartPainter(chart.model(), geometry, labels, painter, false, detail).draw(image.rect(), chart.palette());
}

// One chart with n points per curve, kept between benchmarks of the same n; a new n replaces it,
// so at most one large chart is held at a time.
ChartView& chartWith(std::int64_t n, QSize size)
{
    static std::unique_ptr<ChartView> chart;
    static std::int64_t points = -1;
    static QSize chartSize;
    if (points != n || chartSize != size) {
        chart.reset();
        chart = populationChart(size);
        for (int s = 0; s < 2; ++s)
            chart->model().append(s, randomWalk(n, 1000u + static_cast<std::uint32_t>(s)));
        points = n;
        chartSize = size;
    }
    return *chart;
}

void Paint(benchmark::State& state, SeriesDetail detail)
{
    ChartView& chart = chartWith(state.range(0), QSize(1280, 400));
    QImage image(chart.size(), QImage::Format_RGB32);
    LabelCache labels;
    for (auto _ : state) {
        drawInto(image, chart, labels, detail);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel("points per curve");
}

void PaintColumns(benchmark::State& state) { Paint(state, SeriesDetail::Columns); }
void PaintEveryPoint(benchmark::State& state) { Paint(state, SeriesDetail::EveryPoint); }

// The chart panel of the window opened at its smallest, painted as on screen: the chart drawn
// into its buffer, reduced to black and white in the monochrome scheme of the chart's menu, and
// the buffer copied out.
void PanelPaint(benchmark::State& state)
{
    const bool monochrome = state.range(1) != 0;
    auto chart = populationChart(QSize(218, 359));
    for (int s = 0; s < 2; ++s)
        chart->model().append(s, randomWalk(state.range(0), 1000u + static_cast<std::uint32_t>(s)));
    if (monochrome)
        PopulationChart(*chart).applyMonochrome();
    QImage target(chart->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        chart->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetLabel(monochrome ? "monochrome scheme" : "colour");
}

long residentBytes()
{
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

void MemoryPerRound(benchmark::State& state)
{
    const std::int64_t rounds = state.range(0);
    const std::vector<std::uint8_t> hunters = randomWalk(rounds, 1);
    const std::vector<std::uint8_t> prey = randomWalk(rounds, 2);
    double structure = 0;
    double heap = 0;
    double resident = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto chart = populationChart(QSize(218, 359));
        malloc_trim(0);
        const auto heapBefore = static_cast<double>(mallinfo2().uordblks);
        const auto residentBefore = static_cast<double>(residentBytes());
        state.ResumeTiming();
        // The window's own feed: one AppendPoint per curve and round.
        for (std::int64_t i = 0; i < rounds; ++i) {
            chart->model().append(0, hunters[static_cast<std::size_t>(i)]);
            chart->model().append(1, prey[static_cast<std::size_t>(i)]);
        }
        state.PauseTiming();
        structure = static_cast<double>(chart->model().points(0).allocatedBytes() +
                                        chart->model().points(1).allocatedBytes()) / static_cast<double>(rounds);
        heap = (static_cast<double>(mallinfo2().uordblks) - heapBefore) / static_cast<double>(rounds);
        resident = (static_cast<double>(residentBytes()) - residentBefore) / static_cast<double>(rounds);
        chart.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_round"] = structure;
    state.counters["heap_per_round"] = heap;
    state.counters["rss_per_round"] = resident;
    state.SetLabel("rounds, both curves");
}

}  // namespace

BENCHMARK(PanelPaint)->Args({10000000, 0})->Args({10000000, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(MemoryPerRound)->Arg(10000000)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Both ways of drawing one after the other for each count, on the same chart.
    for (const std::int64_t n : {1000, 100000, 10000000, 100000000}) {
        benchmark::RegisterBenchmark("Paint/Columns", PaintColumns)->Arg(n)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("Paint/EveryPoint", PaintEveryPoint)->Arg(n)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
