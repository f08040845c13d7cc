#include "SimOptions.h"

#include <algorithm>
#include <charconv>
#include <limits>

const char* const simUsage =
    "usage: quorvel-sim [--seed S] [--rounds N] [--spray R:K[:P]]... [--insecticide K] [--board]\n"
    "                   [--games G] [--jobs J] [--summary] [--csv FILE] [--every N] [--quiet]\n"
    "                   [--help] [--version]\n"
    "One game (none of --games, --summary, --csv, --every): prints round,side,x,y,hunters,prey,\n"
    "one row after the new game, then one per round.\n"
    "  --seed S         generator state before the (first) new game (0..4294967295); default: the clock\n"
    "  --rounds N       automatic rounds to play in each game (0..2147483647, default 100)\n"
    "  --spray R:K[:P]  order K spraying rounds just before round R (R >= 1, K >= 0) and, with P\n"
    "                   (P >= 1), again just before rounds R+P, R+2P, ...; each order replaces the\n"
    "                   spraying rounds left, as pressing \"Insektizid\" does: K = 0 ends a running\n"
    "                   campaign, and with P < K spraying never pauses from round R on; repeatable:\n"
    "                   where orders fall before the same round, the one given last counts; rounds\n"
    "                   beyond the last one have no effect\n"
    "  --insecticide K  short for --spray 1:K, spraying right after the new game\n"
    "  --board          print the final board after the rows (six lines, 0 empty, 1 prey, 2 hunter)\n"
    "Batches: each game's counts are kept at checkpoints, after the round (its spraying included);\n"
    "round 0 is right after the new game.\n"
    "  --games G        play G games (G >= 1, default 1) with seeds S, S+1, ..., S+G-1 (mod 2^32);\n"
    "                   the summary names them, so a clock-seeded batch can be repeated\n"
    "  --jobs J         worker threads (1..256, default: one per core); the output does not depend on J\n"
    "  --summary        print a table per side, one row per checkpoint: mean, standard deviation\n"
    "                   (n - 1 in the denominator, - for one game), min, max, p10 and p90 of the\n"
    "                   count (the p-th percentile: the least count c such that at least p% of the\n"
    "                   games have c or fewer); extinct: share of games whose count is 0 after that\n"
    "                   round; once: share of games whose count was 0 after some round up to that\n"
    "                   one (round 0 included), and first: the mean of the first such round over\n"
    "                   those n games. A side can come back from 0, so extinct <= once. Below each\n"
    "                   table one line: \"first extinction: mean M, median D, n=N\" over the N games\n"
    "                   whose side ever had no animal (median: the middle first round, for an even N\n"
    "                   the mean of the two middle ones; M and D are - for N = 0), then \"extinct at\n"
    "                   the end: S% (95% Wilson interval L% to U%)\", the share of games without the\n"
    "                   side after the last round and its Wilson score interval\n"
    "  --csv FILE       write seed,round,hunters,prey per game and checkpoint, game by game\n"
    "                   (\"-\": standard output); FILE appears only once it is complete, with the\n"
    "                   old file's permissions; a link's target is replaced, a FIFO or device written\n"
    "  --every N        checkpoints at rounds 0, N, 2N, ... and the last round (default rounds/10, >= 1)\n"
    "  --quiet          no progress line (it is shown on a terminal only, for runs over about a second)\n"
    "With batch options but neither --summary nor --csv, the summary is printed.\n"
    "A value may also be joined to its option by \"=\" (--csv=FILE); a value that begins with -- must.\n"
    "Either of these prints and exits, playing nothing:\n"
    "  --help           this text\n"
    "  --version        the program's name and version\n";

namespace {
std::string counted(std::uint64_t n, const char* noun)
{
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();

// Plain decimal digits only: no sign, no blanks, no other base.
template <typename T>
bool parseCount(std::string_view text, T min, T max, T& out)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < static_cast<std::uint64_t>(min) ||
        value > static_cast<std::uint64_t>(max))
        return false;
    out = static_cast<T>(value);
    return true;
}

// R:K or R:K:P.
bool parseSpray(std::string_view text, SprayOrder& out)
{
    const auto first = text.find(':');
    if (first == std::string_view::npos)
        return false;
    const auto second = text.find(':', first + 1);
    const auto count = text.substr(first + 1, second == std::string_view::npos ? second : second - first - 1);
    return parseCount(text.substr(0, first), 1, int32Max, out.round) && parseCount(count, 0, int32Max, out.count) &&
           (second == std::string_view::npos || parseCount(text.substr(second + 1), 1, int32Max, out.period));
}

std::string needsNumber(const std::string& option, std::string_view range, const std::string& value)
{
    return option + " needs a whole number " + std::string(range) + ", not '" + value + "'";
}

// Returns the reason when the value is refused, else an empty text.
std::string applyValue(SimOptions& options, const std::string& option, const std::string& value)
{
    if (option == "--seed") {
        std::uint32_t seed = 0;
        if (!parseCount(value, 0u, std::numeric_limits<std::uint32_t>::max(), seed))
            return needsNumber(option, "of at least 0 below 2^32", value);
        options.seed = seed;
    } else if (option == "--rounds" || option == "--insecticide") {
        std::int32_t count = 0;
        if (!parseCount(value, 0, int32Max, count))
            return needsNumber(option, "of at least 0", value);
        if (option == "--rounds")
            options.rounds = count;
        else
            options.sprays.order({1, count});
    } else if (option == "--spray") {
        SprayOrder order;
        if (!parseSpray(value, order))
            return "--spray needs R:K or R:K:P, whole numbers with R and P at least 1 and K at least 0, not '" + value +
                   "'";
        options.sprays.order(order);
    } else if (option == "--games" || option == "--every") {
        std::int32_t count = 0;
        if (!parseCount(value, 1, int32Max, count))
            return needsNumber(option, "of at least 1", value);
        options.batch = true;
        if (option == "--games")
            options.games = count;
        else
            options.every = count;
    } else if (option == "--jobs") {
        if (!parseCount(value, 1u, 256u, options.jobs))
            return needsNumber(option, "from 1 to 256", value);
    } else if (option == "--csv") {
        if (value.empty())
            return "--csv needs a file name or '-'";
        options.batch = true;
        options.csv = value;
    } else {
        return "unknown option '" + option + "'";
    }
    return {};
}
}  // namespace

std::optional<SimOptions> parseSimOptions(const std::vector<std::string>& args, std::string& error)
{
    static const std::vector<std::string> withValue = {"--seed",  "--rounds", "--insecticide", "--spray",
                                                       "--games", "--every",  "--jobs",        "--csv"};
    SimOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        // --option=VALUE, the only way to give a value that begins with --.
        const std::string& word = args[i];
        const auto equals = word.starts_with("--") ? word.find('=') : std::string::npos;
        const std::string arg = word.substr(0, equals);
        const bool takesValue = std::find(withValue.begin(), withValue.end(), arg) != withValue.end();
        if (equals != std::string::npos && !takesValue) {
            error = arg == "--help" || arg == "--version" || arg == "--board" || arg == "--summary" || arg == "--quiet"
                        ? arg + " takes no value"
                        : "unknown option '" + arg + "'";
            return std::nullopt;
        }
        if (arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--board") {
            options.board = true;
        } else if (arg == "--summary") {
            options.summary = true;
            options.batch = true;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else if (!takesValue) {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        } else if (equals == std::string::npos && (i + 1 >= args.size() || args[i + 1].starts_with("--"))) {
            error = arg + " needs a value";
            if (i + 1 < args.size())
                error += ", not the option '" + args[i + 1] + "' (a value that begins with -- is written " + arg +
                         "=" + args[i + 1] + ")";
            return std::nullopt;
        } else if (error = applyValue(options, arg, equals == std::string::npos ? args[++i] : word.substr(equals + 1));
                   !error.empty()) {
            return std::nullopt;
        }
    }
    if (options.batch && options.board) {
        error = "--board shows a single game; it does not go with --games, --summary, --csv or --every";
        return std::nullopt;
    }
    if (!options.batch && !options.help && (options.jobs != 0 || options.quiet)) {
        error = options.jobs != 0
                    ? "--jobs is for batches (--games, --summary, --csv, --every); a single game plays on one thread"
                    : "--quiet is for batches (--games, --summary, --csv, --every); a single game shows no progress";
        return std::nullopt;
    }
    if (options.summary && options.csv == "-") {
        error = "--summary and --csv - would both write to standard output; give --csv a file name";
        return std::nullopt;
    }
    if (options.batch && !options.csv)
        options.summary = true;
    return options;
}

std::optional<BatchPlan> batchPlan(const SimOptions& options, std::uint32_t firstSeed, std::string& error)
{
    BatchPlan plan;
    plan.firstSeed = firstSeed;
    plan.games = options.games;
    plan.rounds = options.rounds;
    plan.every = options.every.value_or(std::max(1, options.rounds / 10));
    plan.sprays = options.sprays;
    plan.summary = options.summary;
    plan.counts = options.csv.has_value();
    if (plan.maxThreads() > 0)
        return plan;
    // The summary keeps a row per checkpoint and a count per round, the CSV two counts per game
    // and checkpoint: say what would help.
    BatchPlan sparse = plan;
    sparse.every = std::max(1, plan.rounds);
    std::vector<std::string> helps;
    if (sparse.maxThreads() > 0)
        helps.push_back("a larger --every");
    else if (plan.summary)
        helps.push_back("fewer rounds");
    if (plan.counts)
        helps.push_back("fewer games");
    error = "too much to keep in memory (" + counted(static_cast<std::uint64_t>(plan.games), "game") + " x " +
            counted(plan.checkpointCount(), "checkpoint") + (plan.summary ? ", " + counted(static_cast<std::uint64_t>(plan.rounds), "round") : "") +
            "); choose " + helps.front() + (helps.size() > 1 ? " or " + helps.back() : "");
    return std::nullopt;
}
