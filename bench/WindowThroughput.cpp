// Whole-program throughput at the fastest speed: rounds per second with the analysis panel open,
// against the ticks of a bare 1 ms timer in the same run, and how quickly the window answers
// events meanwhile. Run it on a real display (xvfb-run is enough):
//   xvfb-run -s "-screen 0 1280x1024x24" build/bench/quorvel-bench-window [--seconds S] [--preload N]
//       [--monochrome 1]
// --preload fills both curves with N points of a random walk in one go before the run;
// --monochrome 1 switches the chart to its black-and-white scheme first.
// --series N instead plays N Versuchsreihen of 10,000 games x 1,000 rounds, A and B (10 rounds of
// spraying from round 200, every 100 rounds), from the series window's Start to its result drawn,
// and how quickly the main window answers events meanwhile.
#include "Application.h"
#include "CellPictures.h"
#include "ChartCommands.h"
#include "ChartView.h"
#include "ColorDialog.h"
#include "DialogErrorBox.h"
#include "DialogSaveFileChooser.h"
#include "ErrorReporting.h"
#include "GameController.h"
#include "MainWindow.h"
#include "PrintDialog.h"
#include "Printer.h"
#include "SeriesWindow.h"
#include "SystemBeeper.h"
#include "SystemPrinterList.h"
#include "SystemRoundTimer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
// Counts the chart's paints and times each: the filter hands the paint event on itself, so it
// sees when the chart is done with it.
class PaintCounter : public QObject {
public:
    int paints = 0;
    std::vector<double> times;
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::Paint || inside_)
            return false;
        ++paints;
        QElapsedTimer clock;
        clock.start();
        inside_ = true;
        QCoreApplication::sendEvent(watched, e);
        inside_ = false;
        times.push_back(clock.nsecsElapsed() / 1e6);
        return true;
    }

private:
    bool inside_ = false;
};

// Every 50 ms, asks the event loop to run a zero-delay call and records how long it waited.
class LatencyProbe {
public:
    std::vector<double> waits;
    void start()
    {
        probe_.setInterval(50);
        QObject::connect(&probe_, &QTimer::timeout, [this] {
            auto posted = std::make_shared<QElapsedTimer>();
            posted->start();
            QTimer::singleShot(0, [this, posted] { waits.push_back(posted->nsecsElapsed() / 1e6); });
        });
        probe_.start();
    }
    void stop() { probe_.stop(); }
    double percentile(double p)
    {
        if (waits.empty())
            return 0;
        std::sort(waits.begin(), waits.end());
        return waits[std::min(waits.size() - 1, size_t(p * waits.size()))];
    }

private:
    QTimer probe_;
};

// Runs the event loop for a while, as the program's own loop would (QTest::qWait sleeps
// between its passes and would starve a 1 ms timer).
void runLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Plays runs series through the window and prints the wall time of each from Start to the result
// drawn, and the main window's event latency over all of them.
void timeSeries(MainWindow& form, int runs)
{
    form.showSeries();
    SeriesWindow* series = form.seriesWindow();
    if (!QTest::qWaitForWindowExposed(series))
        return;
    series->findChild<QLineEdit*>("gamesEdit")->setText("10000");
    series->findChild<QLineEdit*>("roundsEdit")->setText("1000");
    series->findChild<QLineEdit*>("firstGameEdit")->setText("1");
    std::vector<double> times;
    LatencyProbe probe;
    probe.start();
    for (int i = 0; i < runs; ++i) {
        QEventLoop loop;
        QObject::connect(series, &SeriesWindow::runEnded, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        series->start();
        loop.exec();
        series->repaint();
        times.push_back(clock.nsecsElapsed() / 1e6);
        std::printf("series %d: %.0f ms\n", i + 1, times.back());
    }
    probe.stop();
    // The largest series, cancelled after a moment: how long until the window is ready again.
    series->findChild<QLineEdit*>("gamesEdit")->setText("100000");
    series->findChild<QLineEdit*>("roundsEdit")->setText("100000");
    QEventLoop loop;
    QObject::connect(series, &SeriesWindow::runEnded, &loop, &QEventLoop::quit);
    series->start();
    runLoop(300);
    QElapsedTimer cancelClock;
    cancelClock.start();
    series->cancel();
    loop.exec();
    const double cancelled = cancelClock.nsecsElapsed() / 1e6;
    std::sort(times.begin(), times.end());
    std::printf("100000 games x 100000 rounds cancelled after 300 ms: ready again %.1f ms after Abbrechen\n", cancelled);
    std::printf("10000 games x 1000 rounds, A and B, Start to result drawn: median %.0f ms, min %.0f, max %.0f (%d runs)\n",
                times[times.size() / 2], times.front(), times.back(), runs);
    std::printf("main window's event latency meanwhile: median %.2f ms, 99th percentile %.2f ms, max %.2f ms (%zu probes)\n",
                probe.percentile(0.5), probe.percentile(0.99), probe.percentile(1.0), probe.waits.size());
}

double bareTimerTicks(int seconds)
{
    QTimer bare;
    bare.setTimerType(Qt::PreciseTimer);
    bare.setInterval(1);
    long ticks = 0;
    QObject::connect(&bare, &QTimer::timeout, [&] { ++ticks; });
    QElapsedTimer clock;
    bare.start();
    clock.start();
    runLoop(seconds * 1000);
    bare.stop();
    return ticks / (clock.nsecsElapsed() / 1e9);
}
}  // namespace

int main(int argc, char** argv)
{
    int seconds = 10;
    long preload = 0;
    bool monochrome = false;
    int seriesRuns = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--seconds"))
            seconds = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--preload"))
            preload = std::atol(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--monochrome"))
            monochrome = std::atoi(argv[i + 1]) != 0;
        else if (!std::strcmp(argv[i], "--series"))
            seriesRuns = std::atoi(argv[i + 1]);
    }
    SystemBeeper beeper;
    DialogErrorBox errorBox(beeper);
    Application app(argc, argv);
    QDir::setCurrent(QUORVEL_ASSETS_DIR);

    // Wired as the program's entry wires it.
    SystemPrinterList printers;
    Printer printer(printers);
    MainWindow form(errorBox, beeper);
    CellPictures pictures;
    callReporting(errorBox, [&] { loadCellPictures(pictures); });
    form.finishStartUp(pictures);
    ColorDialog colorDialog(&form);
    PrintDialog printDialog(printer, &form);
    SystemRoundTimer roundTimer(errorBox);
    GameController controller(form, roundTimer);
    QObject::connect(&roundTimer, &SystemRoundTimer::ticked, &form,
                     [&] { callReporting(errorBox, [&] { controller.onTick(); }); });
    DialogSaveFileChooser saveChooser(&form);
    ChartCommands chartCommands(form.populationChart(), controller, colorDialog, printDialog, printer, saveChooser);
    form.connectTo(controller, chartCommands, saveChooser);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    if (seriesRuns > 0) {
        timeSeries(form, seriesRuns);
        return 0;
    }
    controller.core().random().setSeed(1);
    controller.onNewGame();
    controller.onToggleChart();
    if (monochrome)
        chartCommands.applyMonochrome();
    QTest::qWait(200);
    if (preload > 0) {
        QElapsedTimer fill;
        fill.start();
        // A random walk within 0..36 per curve, handed over in one piece.
        for (int s = 0; s < 2; ++s) {
            std::vector<std::uint8_t> walk(static_cast<std::size_t>(preload));
            std::uint32_t state = 1000 + s;
            int y = 18;
            for (auto& point : walk) {
                state = state * 1664525u + 1013904223u;
                y = std::clamp(y + int(state >> 30) - 1, 0, 36);
                point = static_cast<std::uint8_t>(y);
            }
            form.chart().model().append(s, walk);
        }
        std::printf("preloaded %ld points per curve in %.1f s\n", preload, fill.nsecsElapsed() / 1e9);
        QTest::qWait(500);
    }

    // What one paint of the chart panel costs as it stands, timed outside the run.
    std::vector<double> paintTimes;
    QImage target(form.chart().size(), QImage::Format_RGB32);
    for (int i = 0; i < 101; ++i) {
        QElapsedTimer paint;
        paint.start();
        form.chart().render(&target);
        paintTimes.push_back(paint.nsecsElapsed() / 1e6);
    }
    std::sort(paintTimes.begin(), paintTimes.end());

    const double bare = bareTimerTicks(seconds);

    PaintCounter counter;
    form.chart().installEventFilter(&counter);
    LatencyProbe probe;
    form.findChild<QSlider*>("speedBar")->setValue(1000);
    const int before = controller.core().currentRound();
    QElapsedTimer clock;
    controller.onStartStop();
    clock.start();
    probe.start();
    runLoop(seconds * 1000);
    probe.stop();
    controller.onStartStop();
    const double elapsed = clock.nsecsElapsed() / 1e9;
    const double rounds = (controller.core().currentRound() - before) / elapsed;

    std::printf("bare 1 ms QTimer:        %8.1f ticks/s\n", bare);
    std::printf("game at 1 ms, panel open: %8.1f rounds/s  (%.1f %% of the bare timer)\n", rounds,
                100.0 * rounds / bare);
    std::sort(counter.times.begin(), counter.times.end());
    const auto inRun = [&](double p) {
        return counter.times.empty() ? 0.0 : counter.times[std::min(counter.times.size() - 1, size_t(p * counter.times.size()))];
    };
    std::printf("chart paints:             %8.1f per second; in the run median %.3f ms, 99th percentile %.3f ms;"
                " timed apart median %.3f ms\n",
                counter.paints / elapsed, inRun(0.5), inRun(0.99), paintTimes[paintTimes.size() / 2]);
    std::printf("event latency: median %.2f ms, 99th percentile %.2f ms, max %.2f ms (%zu probes)\n",
                probe.percentile(0.5), probe.percentile(0.99), probe.percentile(1.0), probe.waits.size());
    std::printf("points per curve at the end: %lld (chart %d x %d%s)\n",
                static_cast<long long>(form.chart().model().points(0).count()),
                form.chart().width(), form.chart().height(), monochrome ? ", monochrome" : "");
    return 0;
}
