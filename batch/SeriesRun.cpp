#include "SeriesRun.h"

#include <algorithm>
#include <utility>

SeriesRun::SeriesRun(const SeriesSettings& settings)
    : settings_(settings),
      runners_{BatchRunner{settings.plan(SeriesCondition::Unsprayed)}, BatchRunner{settings.plan(SeriesCondition::Sprayed)}}
{
}

bool SeriesRun::run(unsigned jobs, const std::atomic<bool>* cancel)
{
    for (BatchRunner& runner : runners_)
        if (!runner.run(jobs, {}, cancel))
            return false;
    complete_ = true;
    return true;
}

bool SeriesRun::playSlice(std::int32_t games)
{
    games = std::max(games, 1);
    for (int condition = 0; condition < 2 && games > 0; ++condition) {
        BatchRunner& runner = runners_[condition];
        std::int32_t& next = nextGame_[condition];
        const std::int32_t last = next + std::min(games, runner.plan().games - next);
        // Slices add into the runner's own totals, which start empty as any slice's would.
        runner.playGames(next, last, runner.totals());
        games -= last - next;
        next = last;
    }
    complete_ = nextGame_[1] == runners_[1].plan().games;
    return complete_;
}

double SeriesRun::progress() const
{
    const std::uint64_t done = runners_[0].roundsDone() + runners_[1].roundsDone();
    return static_cast<double>(done) / static_cast<double>(runners_[0].totalRounds() + runners_[1].totalRounds());
}

SeriesResult SeriesRun::takeResult()
{
    return {settings_, SeriesFigures{std::move(runners_[0].totals())}, SeriesFigures{std::move(runners_[1].totals())}};
}
