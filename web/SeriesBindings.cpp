// What the page and its worker see of a Versuchsreihe: the settings with their check, the run the
// worker plays in slices, and the result the page shows and saves. The worker hands the totals of
// a finished run to the page as bytes, and the page makes its own SeriesResult from them, so the
// result shown outlives the worker and every figure and the CSV come from the batch's code.
#include "GameNumber.h"
#include "RandomSource.h"
#include "SeriesRun.h"

#include <emscripten/bind.h>

#include <cstring>

using namespace emscripten;

namespace {
template <typename T> val orNull(const std::optional<T>& value) { return value ? val(*value) : val::null(); }

// A copy of n values as a typed array of its own, which stays valid however the module's memory grows.
template <typename T> val copied(const T* data, std::size_t n) { return val(typed_memory_view(n, data)).call<val>("slice"); }

// A condition's totals as bytes: its checkpoints' rows, then the games by first extinction of
// hunters and of prey. Page and worker run the same build, so the rows' layout is the same.
std::string packed(const BatchTotals& totals)
{
    std::string text;
    const auto append = [&text](const void* data, std::size_t size) { text.append(static_cast<const char*>(data), size); };
    append(&totals.at(0), totals.checkpoints() * sizeof(CheckpointTotals));
    for (const Side side : {Side::Hunter, Side::Prey})
        append(totals.firstExtinctions(side).data(), totals.firstExtinctions(side).size() * sizeof(std::int32_t));
    return text;
}

BatchTotals unpacked(const SeriesSettings& settings, const std::string& text, std::size_t& at)
{
    const BatchPlan plan = settings.plan(SeriesCondition::Unsprayed);
    BatchTotals totals(plan.checkpointCount(), plan.rounds);
    const auto take = [&](void* data, std::size_t size) {
        if (at + size > text.size())
            throw std::invalid_argument("series totals cut short");
        std::memcpy(data, text.data() + at, size);
        at += size;
    };
    take(totals.data(), totals.checkpoints() * sizeof(CheckpointTotals));
    for (const Side side : {Side::Hunter, Side::Prey})
        take(totals.firstExtinctions(side).data(), totals.firstExtinctions(side).size() * sizeof(std::int32_t));
    return totals;
}

// Both conditions' totals of a complete run, A's then B's.
val takeTotals(SeriesRun& run)
{
    const SeriesResult result = run.takeResult();
    const std::string text = packed(result.unsprayed.totals()) + packed(result.sprayed.totals());
    return copied(reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

SeriesResult* resultFromTotals(const SeriesSettings& settings, const std::string& text)
{
    std::size_t at = 0;
    BatchTotals unsprayed = unpacked(settings, text, at);
    BatchTotals sprayed = unpacked(settings, text, at);
    return new SeriesResult{settings, SeriesFigures{std::move(unsprayed)}, SeriesFigures{std::move(sprayed)}};
}

// format: {separator, decimalMark, round, sides: [hunters, prey], figures: [five names]}; the
// CSV's bytes, UTF-8.
val csv(const SeriesResult& result, const val& format)
{
    SeriesCsvFormat f;
    f.separator = format["separator"].as<std::string>().at(0);
    f.decimalMark = format["decimalMark"].as<std::string>().at(0);
    f.round = format["round"].as<std::string>();
    for (std::size_t i = 0; i < f.sides.size(); ++i)
        f.sides[i] = format["sides"][i].as<std::string>();
    for (std::size_t i = 0; i < f.figures.size(); ++i)
        f.figures[i] = format["figures"][i].as<std::string>();
    const std::string text = result.csv(f, "A", "B");
    return copied(reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

// A side's figures at every checkpoint, as the charts draw them: {mean, p10, p90, extinct, once},
// each a Float64Array, the shares in percent.
val curves(const SeriesResult& result, SeriesCondition condition, Side side)
{
    const SeriesFigures& figures = result.of(condition);
    const std::size_t n = figures.checkpoints();
    std::vector<double> columns[5];
    for (std::vector<double>& column : columns)
        column.reserve(n);
    for (std::size_t c = 0; c < n; ++c) {
        const SideStatistics& s = figures.at(c, side);
        columns[0].push_back(s.mean);
        columns[1].push_back(s.p10);
        columns[2].push_back(s.p90);
        columns[3].push_back(percentOf(s.extinct, s.games));
        columns[4].push_back(percentOf(s.wentExtinct, s.games));
    }
    val object = val::object();
    const char* names[] = {"mean", "p10", "p90", "extinct", "once"};
    for (int i = 0; i < 5; ++i)
        object.set(names[i], copied(columns[i].data(), n));
    return object;
}

// The figures of a condition's table: the first extinction of the side, and the share of games
// that end without it in percent with its Wilson interval's ends, in percent too.
val table(const SeriesResult& result, SeriesCondition condition, Side side)
{
    const SeriesFigures& figures = result.of(condition);
    const FirstExtinctionStatistics& first = figures.firstExtinction(side);
    const SideStatistics& end = figures.at(figures.checkpoints() - 1, side);
    const ShareInterval& interval = figures.extinctAtEnd(side);
    val object = val::object();
    object.set("firstGames", static_cast<double>(first.games));
    object.set("firstMean", first.mean);
    object.set("firstMedian", first.median);
    object.set("endPercent", percentOf(end.extinct, end.games));
    object.set("endLower", 100 * interval.lower);
    object.set("endUpper", 100 * interval.upper);
    return object;
}

val sprayedRounds(const SeriesResult& result)
{
    const SeriesSettings& s = result.settings;
    const std::vector<std::int32_t> rounds = s.plan(SeriesCondition::Sprayed).sprays.sprayedRounds(s.rounds);
    return val::array(rounds.begin(), rounds.end());
}
}  // namespace

EMSCRIPTEN_BINDINGS(series)
{
    value_object<SeriesSettings>("SeriesSettings")
        .field("games", &SeriesSettings::games)
        .field("rounds", &SeriesSettings::rounds)
        .field("firstGame", &SeriesSettings::firstGame)
        .field("sprayStart", &SeriesSettings::sprayStart)
        .field("sprayRounds", &SeriesSettings::sprayRounds)
        .field("sprayPeriod", &SeriesSettings::sprayPeriod);
    using Entry = SeriesSettings::Entry;
    enum_<Entry>("SeriesEntry")
        .value("Games", Entry::Games)
        .value("Rounds", Entry::Rounds)
        .value("SprayStart", Entry::SprayStart)
        .value("SprayRounds", Entry::SprayRounds)
        .value("SprayPeriod", Entry::SprayPeriod);
    enum_<SeriesCondition>("SeriesCondition")
        .value("Unsprayed", SeriesCondition::Unsprayed)
        .value("Sprayed", SeriesCondition::Sprayed);
    constant("seriesMaxGames", SeriesSettings::maxGames);
    constant("seriesMaxRounds", SeriesSettings::maxRounds);
    function("invalidSeriesEntry", optional_override([](const SeriesSettings& s) { return orNull(s.invalidEntry()); }));
    function("parseGameNumber", optional_override([](const std::string& text) { return orNull(parseGameNumber(text)); }));
    // A fresh game number from the clock, as the window offers one before any game.
    function("gameNumberFromClock", optional_override([] {
                 RandomSource clock;
                 clock.seedFromClock();
                 return clock.seed();
             }));

    class_<SeriesRun>("SeriesRun")
        .constructor<const SeriesSettings&>()
        .function("playSlice", &SeriesRun::playSlice)
        .function("progress", &SeriesRun::progress)
        .function("takeTotals", &takeTotals);

    class_<SeriesResult>("SeriesResult")
        .class_function("fromTotals", &resultFromTotals, allow_raw_pointers())
        .function("settings", optional_override([](const SeriesResult& r) { return r.settings; }))
        .function("csv", &csv)
        .function("curves", &curves)
        .function("table", &table)
        .function("sprayedRounds", &sprayedRounds);
}
