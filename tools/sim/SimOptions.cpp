#include "SimOptions.h"

#include <charconv>
#include <limits>

const char* const simUsage =
    "usage: quorvel-sim [--seed S] [--rounds N] [--insecticide K] [--board] [--help]\n"
    "  --seed S         generator state before the new game (0..4294967295); default: the clock\n"
    "  --rounds N       automatic rounds to play (0..2147483647, default 100)\n"
    "  --insecticide K  spraying rounds ordered right after the new game (default 0)\n"
    "  --board          print the final board after the rows (six lines, 0 empty, 1 prey, 2 hunter)\n"
    "Prints round,side,x,y,hunters,prey: one row after the new game, then one per round.\n";

namespace {
// Plain decimal digits only: no sign, no blanks, no other base.
template <typename T>
bool parseCount(const std::string& text, T max, T& out)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value > static_cast<std::uint64_t>(max))
        return false;
    out = static_cast<T>(value);
    return true;
}
}  // namespace

std::optional<SimOptions> parseSimOptions(const std::vector<std::string>& args, std::string& error)
{
    SimOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            options.help = true;
            continue;
        }
        if (arg == "--board") {
            options.board = true;
            continue;
        }
        if (arg != "--seed" && arg != "--rounds" && arg != "--insecticide") {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = arg + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        bool ok = false;
        if (arg == "--seed") {
            std::uint32_t seed = 0;
            ok = parseCount(value, std::numeric_limits<std::uint32_t>::max(), seed);
            if (ok)
                options.seed = seed;
        } else {
            auto& target = arg == "--rounds" ? options.rounds : options.insecticide;
            ok = parseCount(value, std::numeric_limits<std::int32_t>::max(), target);
        }
        if (!ok) {
            error = arg + " needs a whole number of at least 0" +
                    (arg == "--seed" ? std::string(" below 2^32") : std::string()) + ", not '" + value + "'";
            return std::nullopt;
        }
    }
    return options;
}
