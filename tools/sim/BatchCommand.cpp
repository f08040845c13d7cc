#include "BatchCommand.h"

#include "BatchPlan.h"
#include "BatchReport.h"
#include "BatchRunner.h"
#include "BatchStatistics.h"
#include "OutputFile.h"
#include "ProcessGroup.h"
#include "ProgressLine.h"
#include "RandomSource.h"
#include "SignalWatch.h"
#include "SimMessages.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <new>
#include <optional>
#include <sched.h>
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

int runBatch(const SimOptions& options, ProcessGroup& group)
{
    const bool first = group.rank() == 0;
    std::string error;
    // Every process makes the same plan from the same options and rank 0's seed.
    auto plan = batchPlan(options, group.fromFirst(firstSeed(options)), error);
    if (!plan)
        return first ? refuse(error) : 2;

    // The file is created before the run, so a bad name is reported before minutes of play.
    // Signals are watched from before it exists until it is complete or gone.
    std::optional<SignalWatch> signals{std::in_place};
    OutputFile csvFile;
    const bool csvToFile = first && options.csv && *options.csv != "-";
    bool ready = !csvToFile || csvFile.open(*options.csv, error);
    std::optional<BatchRunner> runner;
    if (ready) {
        try {
            const auto [begin, end] = shareOf(plan->games, group.rank(), group.size());
            runner.emplace(std::move(*plan), begin, end);
        } catch (const std::bad_alloc&) {
            error = "out of memory";
            ready = false;
        }
    }
    // A failure on any process ends them all; the first that failed tells why.
    if (const int failing = group.firstFailing(ready); failing >= 0)
        return failing == group.rank() ? fail(error) : 2;

    const unsigned jobs = options.jobs ? options.jobs : usableCores();
    // Alone on a terminal only: an MPI job's ranks write to mpirun through pipes.
    const bool showProgress = !options.quiet && group.size() == 1 && isatty(STDERR_FILENO);
    ProgressLine progress{stderr, runner->plan().games, runner->totalRounds(), ProgressLine::Clock::now()};
    const auto tick = [&] {
        if (showProgress)
            progress.update(ProgressLine::Clock::now(), runner->gamesDone(), runner->roundsDone());
    };
    runner->run(jobs, tick, &SignalWatch::interrupted());
    progress.finish();
    if (group.firstFailing(!SignalWatch::interrupted().load()) >= 0) {
        if (first)
            std::fprintf(stderr, "quorvel-sim: interrupted\n");
        return 130;
    }

    const BatchPlan& played = runner->plan();
    BatchTotals& totals = runner->totals();
    if (played.summary)
        group.mergeTotals(totals);
    std::FILE* out = csvToFile ? csvFile.stream() : stdout;
    errno = 0;  // a failed write to standard output leaves its reason here
    if (played.counts && first) {
        writeCsvHeader(out);
        writeCsvRows(out, played, runner->results(), runner->begin());
        for (int r = 1; r < group.size(); ++r) {
            const std::int32_t begin = shareOf(played.games, r, group.size()).first;
            group.receiveCounts(r, shareOf(played.games, r, group.size()).second - begin, played.checkpointCount(),
                                [&](const BatchResults& chunk, std::int32_t from) {
                                    writeCsvRows(out, played, chunk, begin + from);
                                });
        }
    } else if (played.counts) {
        group.sendCounts(runner->results());
    }

    int code = 0;
    if (first) {
        // An interruption while the rows were written still drops the file.
        if (SignalWatch::interrupted().load()) {
            std::fprintf(stderr, "quorvel-sim: interrupted\n");
            code = 130;
        } else if (csvToFile && !csvFile.commit(error)) {
            code = fail(error);
        } else {
            signals.reset();
            if (options.summary) {
                errno = 0;
                writeSummary(stdout, played, totals);
            }
            int outputError = 0;
            if (!standardOutputWritten(outputError))
                code = failOutput(outputError);
        }
    }
    return static_cast<int>(group.fromFirst(static_cast<std::uint32_t>(code)));
}
