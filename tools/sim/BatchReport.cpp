#include "BatchReport.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

namespace {
int digits(std::int64_t n)
{
    int d = 1;
    for (; n >= 10; n /= 10)
        ++d;
    return d;
}

// The figures of the whole run below the table: the first extinction over the games in which it
// happened, and the share of games that end without the side's animals, with its interval.
void writeRunLine(std::FILE* out, const BatchPlan& plan, const BatchTotals& totals, Side side)
{
    const FirstExtinctionStatistics first = firstExtinctionStatistics(totals.firstExtinctions(side));
    if (first.games > 0)
        std::fprintf(out, "first extinction: mean %.1f, median %.1f, n=%lld", first.mean, first.median,
                     static_cast<long long>(first.games));
    else
        std::fprintf(out, "first extinction: mean -, median -, n=0");
    const std::int64_t extinct = totals.at(totals.checkpoints() - 1).of(side).gamesWith[0];
    const ShareInterval end = wilsonInterval(extinct, plan.games);
    std::fprintf(out, "; extinct at the end: %.1f%% (95%% Wilson interval %.1f%% to %.1f%%)\n",
                 percentOf(extinct, plan.games), 100 * end.lower, 100 * end.upper);
}

// The round and first columns fit rounds of up to 8 digits and widen for longer ones.
void writeSide(std::FILE* out, const char* title, const BatchPlan& plan, const BatchTotals& totals, Side side)
{
    const int roundWidth = std::max(8, digits(plan.rounds));
    const int firstWidth = std::max(10, digits(plan.rounds) + 2);
    std::fprintf(out, "\n%s\n%*s %8s %7s %4s %4s %4s %4s %8s %8s %*s\n", title, roundWidth, "round", "mean", "sd",
                 "min", "max", "p10", "p90", "extinct", "once", firstWidth, "first");
    const std::int32_t games = plan.games;
    for (std::size_t c = 0; c < totals.checkpoints(); ++c) {
        const SideStatistics s = sideStatistics(totals.at(c).of(side));
        std::fprintf(out, "%*d %8.2f ", roundWidth, plan.checkpointRound(c), s.mean);
        if (games > 1)
            std::fprintf(out, "%7.2f", s.sd);
        else
            std::fprintf(out, "%7s", "-");
        std::fprintf(out, " %4d %4d %4d %4d %7.1f%% %7.1f%% ", s.min, s.max, s.p10, s.p90, percentOf(s.extinct, games),
                     percentOf(s.wentExtinct, games));
        if (s.wentExtinct > 0)
            std::fprintf(out, "%*.1f", firstWidth, s.meanFirstExtinction);
        else
            std::fprintf(out, "%*s", firstWidth, "-");
        std::fprintf(out, "  n=%lld\n", static_cast<long long>(s.wentExtinct));
    }
    writeRunLine(out, plan, totals, side);
}

void appendNumber(std::string& line, std::int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    line.append(digits, end);
}
}  // namespace

void writeSummary(std::FILE* out, const BatchPlan& plan, const BatchTotals& totals)
{
    std::fprintf(out, "%d game%s of %d rounds, seeds %u to %u, checkpoints every %d rounds\n", plan.games,
                 plan.games == 1 ? "" : "s", plan.rounds, plan.seed(0), plan.seed(plan.games - 1), plan.every);
    // The orders by their first round; orders for the same round stay in the order given.
    std::vector<SprayOrder> orders = plan.sprays.orders();
    std::stable_sort(orders.begin(), orders.end(), [](const SprayOrder& a, const SprayOrder& b) { return a.round < b.round; });
    std::fprintf(out, "spraying:");
    if (orders.empty())
        std::fprintf(out, " none");
    for (std::size_t i = 0; i < orders.size(); ++i) {
        std::fprintf(out, "%s %d rounds ordered before round %d", i == 0 ? "" : ";", orders[i].count, orders[i].round);
        if (orders[i].period > 0)
            std::fprintf(out, " and every %d rounds after", orders[i].period);
    }
    std::fprintf(out, "\n");
    writeSide(out, "Hunters", plan, totals, Side::Hunter);
    writeSide(out, "Prey", plan, totals, Side::Prey);
}

void writeCsvHeader(std::FILE* out) { std::fputs("seed,round,hunters,prey\n", out); }

void writeCsvRows(std::FILE* out, const BatchPlan& plan, const BatchResults& results, std::int32_t firstGame)
{
    std::string block;
    block.reserve(1 << 16);
    for (std::int32_t g = 0; g < results.games(); ++g) {
        for (std::size_t c = 0; c < results.checkpoints(); ++c) {
            appendNumber(block, plan.seed(firstGame + g));
            block += ',';
            appendNumber(block, plan.checkpointRound(c));
            block += ',';
            appendNumber(block, results.count(g, c, Side::Hunter));
            block += ',';
            appendNumber(block, results.count(g, c, Side::Prey));
            block += '\n';
        }
        if (block.size() > (1 << 15)) {
            if (std::fwrite(block.data(), 1, block.size(), out) != block.size())
                return;  // the stream's error flag tells
            block.clear();
        }
    }
    std::fwrite(block.data(), 1, block.size(), out);
}
