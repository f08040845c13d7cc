#include "BatchReport.h"
#include "BatchRunner.h"
#include "SeriesCsv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace {
std::string summary(const BatchPlan& plan, const BatchTotals& totals)
{
    char* data = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&data, &size);
    writeSummary(out, plan, totals);
    std::fclose(out);
    std::string text(data, size);
    std::free(data);
    return text;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}
}  // namespace

// The round and first columns hold rounds of up to 8 digits as they always have, and widen just
// enough for longer ones, so every row stays under its header.
TEST(BatchReport, RoundColumnsWidenOnlyForLongerRounds)
{
    struct Case {
        std::int32_t rounds;
        const char* header;  // the table's header line
    };
    const Case cases[] = {
        {99999999, "   round     mean      sd  min  max  p10  p90  extinct     once      first"},
        {100000000, "    round     mean      sd  min  max  p10  p90  extinct     once       first"},
        {2147483647, "     round     mean      sd  min  max  p10  p90  extinct     once        first"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rounds);
        BatchPlan plan;
        plan.games = 2;
        plan.rounds = c.rounds;
        plan.every = c.rounds / 2 + 1;
        // Only the table's widths matter here: no count per round for rounds this long.
        BatchTotals totals{plan.checkpointCount(), 0};
        for (std::size_t cp = 0; cp < plan.checkpointCount(); ++cp) {
            // Both sides of both games die out at the last round; the first rounds are that long.
            const bool last = cp + 1 == plan.checkpointCount();
            const std::int32_t first = last ? c.rounds : neverExtinct;
            for (int g = 0; g < 2; ++g)
                totals.add(cp, last ? 0 : 36, last ? 0 : 1, first, first);
        }
        const auto text = lines(summary(plan, totals));
        ASSERT_EQ(text.size(), 2 + 2 * (4 + plan.checkpointCount()));
        for (const std::size_t table : {std::size_t{4}, 8 + plan.checkpointCount()}) {
            const std::string& header = text[table];
            EXPECT_EQ(header, c.header);
            const std::size_t roundEnd = header.find("round") + 5;
            for (std::size_t row = table + 1; row <= table + plan.checkpointCount(); ++row) {
                const std::string& line = text[row];
                // Each column ends where its header does; the count of games follows the table.
                EXPECT_TRUE(line[roundEnd - 1] != ' ' && line[roundEnd] == ' ') << line;
                EXPECT_EQ(line.find("  n="), header.size()) << line;
            }
            const std::string last = std::to_string(c.rounds);
            EXPECT_EQ(text[table + plan.checkpointCount()].substr(0, roundEnd),
                      std::string(roundEnd - last.size(), ' ') + last);
        }
    }
}

// The series' CSV gives the figures of the summary's table, rounded alike: each row's mean, p10,
// p90, extinct and once, side by side, on a batch whose hunters die out and come back.
TEST(BatchReport, SeriesCsvHasTheSummarysFigures)
{
    BatchPlan plan;
    plan.firstSeed = 11;
    plan.games = 203;
    plan.rounds = 300;
    plan.every = 20;
    plan.sprays.order({100, 10, 60});
    plan.summary = true;
    BatchRunner runner{plan};
    ASSERT_TRUE(runner.run(2));
    const auto table = lines(summary(plan, runner.totals()));
    const auto csv = lines(SeriesCsv{plan, {{"A", &runner.totals()}}, {}}.text());
    ASSERT_EQ(csv.size(), 1 + plan.checkpointCount());
    const auto words = [](const std::string& line, char separator) {
        std::vector<std::string> result;
        std::istringstream in(line);
        for (std::string word; std::getline(in, word, separator);)
            if (!word.empty())
                result.push_back(word.back() == '%' || word.back() == '\r' ? word.substr(0, word.size() - 1) : word);
        return result;
    };
    for (std::size_t c = 0; c < plan.checkpointCount(); ++c) {
        const auto fields = words(csv[1 + c], ',');
        ASSERT_EQ(fields.size(), 11u) << csv[1 + c];
        EXPECT_EQ(fields[0], std::to_string(plan.checkpointRound(c)));
        for (const int side : {0, 1}) {
            // round mean sd min max p10 p90 extinct once ...
            const auto row = words(table[5 + c + side * (plan.checkpointCount() + 4)], ' ');
            ASSERT_EQ(row[0], fields[0]);
            const std::vector<std::string> expected = {row[1], row[5], row[6], row[7], row[8]};
            EXPECT_EQ(std::vector<std::string>(fields.begin() + 1 + 5 * side, fields.begin() + 6 + 5 * side), expected)
                << csv[1 + c];
        }
    }
}
