#include "BoardText.h"
#include "RecordingAnzeige.h"
#include "TSpielkern.h"

#include <gtest/gtest.h>

namespace {
struct Round : ::testing::Test {
    RecordingAnzeige anzeige;
    TSpielkern kern{anzeige};
};
}  // namespace

TEST_F(Round, FirstEightRoundsFromSeedZero)
{
    anzeige.kern = &kern;
    kern.zufall().SetSeed(0);
    kern.neuspiel();
    anzeige.clear();

    struct Row {
        int x, y;
        const char* side;
        int hunters, prey;           // after the round
        int plotHunters, plotPrey;   // what the chart receives: before the rule
        int changedX, changedY;      // the cell the rule wrote, 0 for none
        std::uint8_t changedTo;
    };
    const Row rows[] = {
        {4, 5, "Räuber", 5, 9, 6, 9, 1, 1, zelle::leer},     // the hunter at (1,1) starves
        {5, 4, "Beute", 5, 10, 5, 9, 5, 4, zelle::beute},    // a prey is born
        {2, 5, "Räuber", 6, 9, 5, 10, 2, 5, zelle::raeuber}, // the hunter eats the prey
        {4, 6, "Beute", 6, 10, 6, 9, 4, 6, zelle::beute},
        {4, 6, "Räuber", 7, 9, 6, 10, 4, 6, zelle::raeuber},
        {2, 5, "Beute", 7, 9, 7, 9, 0, 0, 0},                // prey turn on a hunter: nothing
        {2, 1, "Räuber", 8, 8, 7, 9, 2, 1, zelle::raeuber},
        {5, 3, "Beute", 8, 9, 8, 8, 5, 3, zelle::beute},
    };
    int round = 0;
    for (const auto& r : rows) {
        ++round;
        SCOPED_TRACE(round);
        const std::string before = boardText(kern);
        anzeige.clear();
        kern.runde(true);
        EXPECT_EQ(kern.durchgang(), round);
        EXPECT_EQ(kern.spieler(), round % 2 ? zelle::raeuber : zelle::beute);
        ASSERT_EQ(anzeige.marks.size(), 1u);
        EXPECT_EQ(anzeige.marks[0], std::make_pair(r.x, r.y));
        EXPECT_EQ(anzeige.spielertext, r.side);
        EXPECT_EQ(kern.anzraeuber(), r.hunters);
        EXPECT_EQ(kern.anzbeute(), r.prey);
        ASSERT_EQ(anzeige.chartPoints.size(), 1u);
        EXPECT_EQ(anzeige.chartPoints[0], std::make_pair(r.plotHunters, r.plotPrey));
        EXPECT_EQ(anzeige.drawCount, 1);
        // Exactly the written cell changed.
        std::string expected = before;
        if (r.changedX)
            expected[(r.changedY - 1) * 7 + (r.changedX - 1)] =
                r.changedTo == zelle::beute ? 'b' : r.changedTo == zelle::raeuber ? 'R' : '.';
        EXPECT_EQ(boardText(kern), expected);
        // The one drawfeld redraws exactly the written cell.
        std::vector<std::pair<int, int>> expectedRedrawn;
        if (r.changedX)
            expectedRedrawn.emplace_back(r.changedX, r.changedY);
        EXPECT_EQ(anzeige.redrawn, expectedRedrawn);
    }
}

TEST_F(Round, CallOrderOfAnOrdinaryRound)
{
    kern.zufall().SetSeed(0);
    kern.neuspiel();
    anzeige.clear();
    kern.runde(true);
    EXPECT_EQ(anzeige.calls,
              (std::vector<std::string>{"markfeld 4 5", "chart 6 9", "spieler Räuber", "drawfeld"}));
    EXPECT_EQ(kern.markx(), 4);
    EXPECT_EQ(kern.marky(), 5);
}

// Each rule, tried on a fixed board with the rolled cell and the turn given directly.
TEST_F(Round, RulesTable)
{
    // Board used by every row: prey at (3,3) with (2,2) taken and (2,3) and (4,4) free;
    // a prey at (1,1) boxed in; hunters at (1,6) and (2,1).
    const char* const board[6] = {
        "bR....",  // y=1: (1,1)b (2,1)R
        "bbb...",  // y=2: (1,2)b (2,2)b (3,2)b
        "b.b...",  // y=3: (1,3)b (3,3)b
        "......",  // y=4
        "......",  // y=5
        "R.....",  // y=6: (1,6)R
    };
    struct Row {
        const char* name;
        int x, y;
        std::uint8_t turn;
        bool automatic;
        int cx, cy;  // the cell that changes, 0 for none
        std::uint8_t to;
        const char* hilfe;
        Entscheidung warten;
    };
    const Row rows[] = {
        {"prey born", 5, 5, 1, true, 5, 5, zelle::beute, "", Entscheidung::keine},
        {"prey born, interactive", 5, 5, 1, false, 5, 5, zelle::beute, "", Entscheidung::keine},
        {"hunter eats", 3, 3, 2, true, 3, 3, zelle::raeuber, "", Entscheidung::keine},
        {"hunter eats, interactive", 3, 3, 2, false, 3, 3, zelle::raeuber, "", Entscheidung::keine},
        {"hunter dies", 2, 1, 2, true, 2, 1, zelle::leer, "", Entscheidung::keine},
        {"hunter dies, interactive", 1, 6, 2, false, 1, 6, zelle::leer, "", Entscheidung::keine},
        {"prey multiplies into first empty of block", 3, 3, 1, true, 2, 3, zelle::beute, "",
         Entscheidung::keine},
        {"prey boxed in", 1, 1, 1, true, 0, 0, 0, "", Entscheidung::keine},
        {"prey boxed in, interactive", 1, 1, 1, false, 0, 0, 0, "", Entscheidung::keine},
        {"first hunter in scan order starves", 5, 5, 2, true, 1, 6, zelle::leer, "",
         Entscheidung::keine},
        {"prey wants to multiply", 3, 3, 1, false, 0, 0, 0, "Beute plazieren",
         Entscheidung::beutePlazieren},
        {"a hunter must starve", 5, 5, 2, false, 0, 0, 0, "Räuber stirbt",
         Entscheidung::raeuberEntfernen},
        {"prey turn on a hunter", 2, 1, 1, true, 0, 0, 0, "", Entscheidung::keine},
        {"prey turn on a hunter, interactive", 2, 1, 1, false, 0, 0, 0, "", Entscheidung::keine},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        RecordingAnzeige view;
        TSpielkern k{view};
        setBoard(k, board);
        const std::string before = boardText(k);
        k.computefeld(r.x, r.y, r.turn, r.automatic);
        std::string expected = before;
        if (r.cx) {
            const char c = r.to == zelle::beute ? 'b' : r.to == zelle::raeuber ? 'R' : '.';
            expected[(r.cy - 1) * 7 + (r.cx - 1)] = c;
        }
        EXPECT_EQ(boardText(k), expected);
        EXPECT_EQ(k.anzbeute(), countOnBoard(k, zelle::beute));
        EXPECT_EQ(k.anzraeuber(), countOnBoard(k, zelle::raeuber));
        EXPECT_EQ(view.hilfetext, r.hilfe);
        EXPECT_EQ(k.warten(), r.warten);
        EXPECT_EQ(view.diceEnabled, r.warten == Entscheidung::keine);
        EXPECT_EQ(view.drawCount, 1);
        ASSERT_EQ(view.chartPoints.size(), 1u);
        EXPECT_EQ(view.chartPoints[0], std::make_pair(2, 6));
        if (r.warten == Entscheidung::beutePlazieren) {
            EXPECT_EQ(k.wahlx(), r.x);
            EXPECT_EQ(k.wahly(), r.y);
        }
    }
}

TEST_F(Round, NoHunterLeftMeansNothingInBothModes)
{
    for (bool automatic : {true, false}) {
        RecordingAnzeige view;
        TSpielkern k{view};
        setBoard(k, {"bb....", "......", "......", "......", "......", "......"});
        k.computefeld(4, 4, zelle::raeuber, automatic);
        EXPECT_EQ(countOnBoard(k, zelle::beute), 2);
        EXPECT_EQ(k.warten(), Entscheidung::keine);
        EXPECT_TRUE(view.hilfetext.empty());
        EXPECT_EQ(view.chartPoints.size(), 1u);
        EXPECT_EQ(view.spielertext, "Räuber");
    }
}

TEST_F(Round, OffspringPrefersLeftColumnThenTopRow)
{
    // (3,3) prey; all of its block taken except (4,2) and (4,4): (4,2) comes first.
    setBoard(kern, {"......", ".bb...", ".bbR..", ".bb...", "......", "......"});
    kern.computefeld(3, 3, zelle::beute, true);
    EXPECT_EQ(kern.feld(4, 2), zelle::beute);
    EXPECT_EQ(kern.feld(4, 4), zelle::leer);
}

TEST_F(Round, HunterRoundsAreOddPreyRoundsEven)
{
    kern.zufall().SetSeed(5);
    kern.neuspiel();
    for (int i = 1; i <= 20; ++i) {
        kern.runde(true);
        EXPECT_EQ(anzeige.spielertext, i % 2 ? "Räuber" : "Beute");
    }
}
