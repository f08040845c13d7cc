#include "BatchCommand.h"

#include "BatchPlan.h"
#include "BatchReport.h"
#include "BatchRunner.h"
#include "BatchStatistics.h"
#include "OutputFile.h"
#include "ProgressLine.h"
#include "RandomSource.h"
#include "SignalWatch.h"
#include "SimMessages.h"

#include <algorithm>
#include <cerrno>
#include <atomic>
#include <optional>
#include <sched.h>
#include <cstdio>
#include <string>
#include <thread>
#include <unistd.h>

namespace {
// The cores this process may run on, which under taskset or a container can be fewer than the
// machine has.
unsigned usableCores()
{
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0)
        return static_cast<unsigned>(CPU_COUNT(&set));
    return std::max(1u, std::thread::hardware_concurrency());
}

std::uint32_t firstSeed(const SimOptions& options)
{
    if (options.seed)
        return *options.seed;
    RandomSource clock;
    clock.seedFromClock();
    return clock.seed();
}
}  // namespace

int runBatch(const SimOptions& options)
{
    std::string error;
    auto plan = BatchPlan::make(options, firstSeed(options), error);
    if (!plan)
        return refuse(error);

    // The file is created before the run, so a bad name is reported before minutes of play.
    // Signals are watched from before it exists until it is complete or gone.
    std::optional<SignalWatch> signals{std::in_place};
    OutputFile csvFile;
    const bool csvToFile = options.csv && *options.csv != "-";
    if (csvToFile && !csvFile.open(*options.csv, error))
        return fail(error);

    BatchRunner runner{std::move(*plan)};
    const unsigned jobs = options.jobs ? options.jobs : usableCores();
    const bool showProgress = !options.quiet && isatty(STDERR_FILENO);
    ProgressLine progress{stderr, runner.plan().games, runner.totalRounds(), ProgressLine::Clock::now()};
    const auto tick = [&] {
        if (showProgress)
            progress.update(ProgressLine::Clock::now(), runner.gamesDone(), runner.roundsDone());
    };
    const bool complete = runner.run(jobs, tick, &SignalWatch::interrupted());
    progress.finish();
    errno = 0;  // a failed write to standard output leaves its reason here
    if (options.csv && complete) {
        std::FILE* out = csvToFile ? csvFile.stream() : stdout;
        writeCsvHeader(out);
        writeCsvRows(out, runner.plan(), runner.results(), runner.begin());
    }
    // An interruption while the rows were written still drops the file.
    if (SignalWatch::interrupted().load()) {
        std::fprintf(stderr, "quorvel-sim: interrupted\n");
        return 130;
    }
    if (csvToFile && !csvFile.commit(error))
        return fail(error);
    signals.reset();
    if (options.summary) {
        errno = 0;
        writeSummary(stdout, runner.plan(), runner.totals());
    }
    int outputError = 0;
    if (!standardOutputWritten(outputError))
        return failOutput(outputError);
    return 0;
}
