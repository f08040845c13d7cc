#include "SeriesCsv.h"

#include <gtest/gtest.h>

namespace {
struct Game {
    int hunters[2], prey[2];             // at rounds 0 and 10
    std::int32_t firstHunters, firstPrey;  // first rounds without any, up to round 10
};

BatchTotals totalsOf(const std::vector<Game>& games)
{
    BatchTotals totals{2, 10};
    for (const Game& g : games)
        for (std::size_t c = 0; c < 2; ++c)
            totals.add(c, g.hunters[c], g.prey[c], c == 0 ? neverExtinct : g.firstHunters,
                       c == 0 ? neverExtinct : g.firstPrey);
    return totals;
}
}  // namespace

// Two conditions worked out by hand, in both languages' conventions. A: hunters 3 and 4, then 0
// and 2 (both had died out once); prey 12 and 11, then 20 and 0. B: hunters 7, 7, 8, then 1 each;
// prey 9 each, then 0, 0 and 36: two thirds extinct, 66.7 %.
TEST(SeriesCsv, RowsPerCheckpointInEitherLanguage)
{
    const BatchTotals a = totalsOf({{{3, 0}, {12, 20}, 7, neverExtinct}, {{4, 2}, {11, 0}, 5, 10}});
    const BatchTotals b = totalsOf({{{7, 1}, {9, 0}, neverExtinct, 10},
                                    {{7, 1}, {9, 0}, neverExtinct, 9},
                                    {{8, 1}, {9, 36}, neverExtinct, neverExtinct}});
    BatchPlan plan;
    plan.rounds = 10;
    plan.every = 10;
    struct Case {
        const char* name;
        SeriesCsvFormat format;
        std::string b;
        std::string expected;
    };
    const Case cases[] = {
        {"English",
         {},
         "B",
         "round,A hunters mean,A hunters p10,A hunters p90,A hunters extinct,A hunters once,"
         "A prey mean,A prey p10,A prey p90,A prey extinct,A prey once,"
         "B hunters mean,B hunters p10,B hunters p90,B hunters extinct,B hunters once,"
         "B prey mean,B prey p10,B prey p90,B prey extinct,B prey once\r\n"
         "0,3.50,3,4,0.0,0.0,11.50,11,12,0.0,0.0,7.33,7,8,0.0,0.0,9.00,9,9,0.0,0.0\r\n"
         "10,1.00,0,2,50.0,100.0,10.00,0,20,50.0,50.0,1.00,1,1,0.0,0.0,12.00,0,36,66.7,66.7\r\n"},
        // A name that holds the separator or a quote is quoted, the quote doubled.
        {"German",
         {';', ',', "Durchgang", {"Räuber", "Beute"}, {"Mittel", "P10", "P90", "aus", "je aus"}},
         "B; \"10\"",
         "Durchgang;A Räuber Mittel;A Räuber P10;A Räuber P90;A Räuber aus;A Räuber je aus;"
         "A Beute Mittel;A Beute P10;A Beute P90;A Beute aus;A Beute je aus;"
         "\"B; \"\"10\"\" Räuber Mittel\";\"B; \"\"10\"\" Räuber P10\";\"B; \"\"10\"\" Räuber P90\";"
         "\"B; \"\"10\"\" Räuber aus\";\"B; \"\"10\"\" Räuber je aus\";"
         "\"B; \"\"10\"\" Beute Mittel\";\"B; \"\"10\"\" Beute P10\";\"B; \"\"10\"\" Beute P90\";"
         "\"B; \"\"10\"\" Beute aus\";\"B; \"\"10\"\" Beute je aus\"\r\n"
         "0;3,50;3;4;0,0;0,0;11,50;11;12;0,0;0,0;7,33;7;8;0,0;0,0;9,00;9;9;0,0;0,0\r\n"
         "10;1,00;0;2;50,0;100,0;10,00;0;20;50,0;50,0;1,00;1;1;0,0;0,0;12,00;0;36;66,7;66,7\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SeriesCsv csv{plan, {{"A", &a}, {c.b, &b}}, c.format};
        EXPECT_EQ(csv.rows(), 2u);
        EXPECT_EQ(csv.text(), c.expected);
    }
}
