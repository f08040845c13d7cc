#include "BatchReport.h"

#include <charconv>
#include <string>

namespace {
void writeSide(std::FILE* out, const char* title, const std::vector<CheckpointStatistics>& table,
               SideStatistics CheckpointStatistics::*side, std::int32_t games)
{
    std::fprintf(out, "\n%s\n%8s %8s %7s %4s %4s %8s %8s %10s\n", title, "round", "mean", "sd", "min", "max",
                 "extinct", "once", "first");
    for (const auto& row : table) {
        const SideStatistics& s = row.*side;
        std::fprintf(out, "%8d %8.2f ", row.round, s.mean);
        if (games > 1)
            std::fprintf(out, "%7.2f", s.sd);
        else
            std::fprintf(out, "%7s", "-");
        std::fprintf(out, " %4d %4d %7.1f%% %7.1f%% ", s.min, s.max, 100.0 * s.extinct / games,
                     100.0 * s.wentExtinct / games);
        if (s.wentExtinct > 0)
            std::fprintf(out, "%10.1f", s.meanFirstExtinction);
        else
            std::fprintf(out, "%10s", "-");
        std::fprintf(out, "  n=%d\n", s.wentExtinct);
    }
}

void appendNumber(std::string& line, std::int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    line.append(digits, end);
}
}  // namespace

void writeSummary(std::FILE* out, const BatchPlan& plan, const std::vector<CheckpointStatistics>& table)
{
    std::fprintf(out, "%d game%s of %d rounds, seeds %u to %u, checkpoints every %d rounds\n", plan.games,
                 plan.games == 1 ? "" : "s", plan.rounds, plan.seed(0), plan.seed(plan.games - 1), plan.every);
    std::fprintf(out, "spraying:");
    if (plan.sprays.empty())
        std::fprintf(out, " none");
    for (std::size_t i = 0; i < plan.sprays.size(); ++i)
        std::fprintf(out, "%s %d rounds ordered before round %d", i == 0 ? "" : ";", plan.sprays[i].count,
                     plan.sprays[i].round);
    std::fprintf(out, "\n");
    writeSide(out, "Hunters", table, &CheckpointStatistics::hunters, plan.games);
    writeSide(out, "Prey", table, &CheckpointStatistics::prey, plan.games);
}

void writeCsv(std::FILE* out, const BatchPlan& plan, const BatchResults& results)
{
    std::fputs("seed,round,hunters,prey\n", out);
    std::string block;
    block.reserve(1 << 16);
    for (std::int32_t g = 0; g < results.games(); ++g) {
        for (std::size_t c = 0; c < results.checkpoints(); ++c) {
            appendNumber(block, plan.seed(g));
            block += ',';
            appendNumber(block, plan.checkpoints[c]);
            block += ',';
            appendNumber(block, results.count(g, c, Side::Hunter));
            block += ',';
            appendNumber(block, results.count(g, c, Side::Prey));
            block += '\n';
        }
        if (block.size() > (1 << 15)) {
            std::fwrite(block.data(), 1, block.size(), out);
            block.clear();
        }
    }
    std::fwrite(block.data(), 1, block.size(), out);
}
