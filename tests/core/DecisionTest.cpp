#include "BoardText.h"
#include "RecordingAnzeige.h"
#include "TSpielkern.h"

#include <gtest/gtest.h>

namespace {
struct Decision : ::testing::Test {
    RecordingAnzeige anzeige;
    TSpielkern kern{anzeige};

    // Prey at (3,3) wanting to multiply; (2,2) and (4,3) taken by prey, (2,4) by a hunter,
    // a hunter far away at (6,6).
    void pendPlacement()
    {
        setBoard(kern, {"......", ".b....", "..bb..", ".R....", "......", ".....R"});
        kern.computefeld(3, 3, zelle::beute, false);
        ASSERT_EQ(kern.warten(), Entscheidung::beutePlazieren);
        anzeige.clear();
    }
    void pendStarvation()
    {
        setBoard(kern, {"......", ".b....", "..bb..", ".R....", "......", ".....R"});
        kern.computefeld(5, 5, zelle::raeuber, false);
        ASSERT_EQ(kern.warten(), Entscheidung::raeuberEntfernen);
        anzeige.clear();
    }
};
}  // namespace

TEST_F(Decision, PlacementClicks)
{
    struct Row {
        int x, y;
        bool settles;
    };
    const Row rows[] = {
        {4, 4, true},   // empty, in the block
        {2, 3, true},   // empty, in the block, not the first in scan order
        {5, 3, false},  // empty but outside the block
        {3, 3, false},  // the prey itself
        {2, 2, false},  // taken by prey
        {2, 4, false},  // taken by a hunter
        {6, 6, false},  // a hunter elsewhere: not a placement
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.x << "," << r.y);
        pendPlacement();
        const std::string before = boardText(kern);
        const int prey = kern.anzbeute();
        kern.clickfeld(r.x, r.y);
        if (r.settles) {
            EXPECT_EQ(kern.warten(), Entscheidung::keine);
            EXPECT_EQ(kern.feld(r.x, r.y), zelle::beute);
            EXPECT_EQ(kern.anzbeute(), prey + 1);
            EXPECT_EQ(anzeige.calls, (std::vector<std::string>{"hilfe ", "drawfeld", "dice on"}));
            EXPECT_TRUE(kern.redraw(r.x, r.y));
        } else {
            EXPECT_EQ(kern.warten(), Entscheidung::beutePlazieren);
            EXPECT_EQ(boardText(kern), before);
            EXPECT_TRUE(anzeige.calls.empty());
        }
    }
}

TEST_F(Decision, CornerPreyAcceptsOnlyItsThreeNeighbours)
{
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y) {
            RecordingAnzeige view;
            TSpielkern k{view};
            k.setzefeld(1, 1, zelle::beute);
            k.computefeld(1, 1, zelle::beute, false);
            ASSERT_EQ(k.warten(), Entscheidung::beutePlazieren);
            k.clickfeld(x, y);
            const bool accepted = (x == 1 && y == 2) || (x == 2 && y == 1) || (x == 2 && y == 2);
            EXPECT_EQ(k.warten() == Entscheidung::keine, accepted) << x << "," << y;
        }
}

TEST_F(Decision, StarvationClicks)
{
    struct Row {
        int x, y;
        bool settles;
    };
    const Row rows[] = {{6, 6, true}, {2, 4, true}, {2, 2, false}, {5, 5, false}, {1, 1, false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.x << "," << r.y);
        pendStarvation();
        const std::string before = boardText(kern);
        kern.clickfeld(r.x, r.y);
        if (r.settles) {
            EXPECT_EQ(kern.warten(), Entscheidung::keine);
            EXPECT_EQ(kern.feld(r.x, r.y), zelle::leer);
            EXPECT_EQ(kern.anzraeuber(), 1);
            EXPECT_EQ(anzeige.calls, (std::vector<std::string>{"hilfe ", "drawfeld", "dice on"}));
        } else {
            EXPECT_EQ(kern.warten(), Entscheidung::raeuberEntfernen);
            EXPECT_EQ(boardText(kern), before);
            EXPECT_TRUE(anzeige.calls.empty());
        }
    }
}

TEST_F(Decision, IgnoredClickThenValidOne)
{
    pendStarvation();
    kern.clickfeld(1, 1);
    kern.clickfeld(3, 3);
    EXPECT_EQ(kern.warten(), Entscheidung::raeuberEntfernen);
    kern.clickfeld(2, 4);
    EXPECT_EQ(kern.warten(), Entscheidung::keine);
    EXPECT_TRUE(anzeige.diceEnabled);
    EXPECT_TRUE(anzeige.hilfetext.empty());
}

TEST_F(Decision, PlacementNextToHunterDoesNotAlsoRemoveIt)
{
    // A settled placement must not fall through to the hunter branch in the same click.
    pendPlacement();
    kern.clickfeld(4, 4);
    EXPECT_EQ(kern.anzraeuber(), 2);
    kern.clickfeld(6, 6);
    EXPECT_EQ(kern.anzraeuber(), 2);
}

TEST_F(Decision, ClicksWithoutPendingDecisionChangeNothing)
{
    kern.zufall().SetSeed(3);
    kern.neuspiel();
    const std::string before = boardText(kern);
    anzeige.clear();
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            kern.clickfeld(x, y);
    EXPECT_EQ(boardText(kern), before);
    EXPECT_TRUE(anzeige.calls.empty());
}

TEST_F(Decision, NewGameDropsThePendingDecision)
{
    pendStarvation();
    kern.neuspiel();
    EXPECT_EQ(kern.warten(), Entscheidung::keine);
    EXPECT_TRUE(anzeige.hilfetext.empty());
    const std::string before = boardText(kern);
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            kern.clickfeld(x, y);
    EXPECT_EQ(boardText(kern), before);
}
