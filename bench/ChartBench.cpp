// One full paint of the population chart at 1280 × 400 into an image, for curves of 10³, 10⁴ and
// 10⁵ points (random walks within 0..36).
#include "ChartColor.h"
#include "PopulationChart.h"
#include "TChart.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

namespace {

void fillRandomWalks(TChart& chart, int points)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> stepOf(-2, 2);
    int hunters = 10;
    int prey = 20;
    for (int i = 0; i < points; ++i) {
        chart.Series(0).AppendPoint(hunters);
        chart.Series(1).AppendPoint(prey);
        hunters = std::clamp(hunters + stepOf(random), 0, 36);
        prey = std::clamp(prey + stepOf(random), 0, 36);
    }
}

void FullPaint(benchmark::State& state)
{
    TChart chart;
    configurePopulationChart(chart);
    chart.setBackColor(chartcolor::white);
    chart.resize(1280, 400);
    fillRandomWalks(chart, static_cast<int>(state.range(0)));
    QImage image(chart.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        chart.Draw(painter, image.rect(), false);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 2);
    state.SetLabel("points per curve");
}

}  // namespace

BENCHMARK(FullPaint)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
