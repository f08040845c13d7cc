#include "BoardText.h"
#include "RecordingGameView.h"
#include "GameCore.h"

#include <gtest/gtest.h>

namespace {
struct Decision : ::testing::Test {
    RecordingGameView view;
    GameCore core{view};

    // Prey at (3,3) wanting to multiply; (2,2) and (4,3) taken by prey, (2,4) by a hunter,
    // a hunter far away at (6,6).
    void pendPlacement()
    {
        setBoard(core, {"......", ".b....", "..bb..", ".R....", "......", ".....R"});
        core.applyRules({3, 3}, Side::Prey, Mode::Interactive);
        ASSERT_EQ(core.pendingChoice(), Choice::PlacePrey);
        view.clear();
    }
    void pendStarvation()
    {
        setBoard(core, {"......", ".b....", "..bb..", ".R....", "......", ".....R"});
        core.applyRules({5, 5}, Side::Hunter, Mode::Interactive);
        ASSERT_EQ(core.pendingChoice(), Choice::RemoveHunter);
        view.clear();
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
        const std::string before = boardText(core);
        const int prey = core.preyCount();
        core.chooseCell({r.x, r.y});
        if (r.settles) {
            EXPECT_EQ(core.pendingChoice(), Choice::None);
            EXPECT_EQ(core.cell(r.x, r.y), Cell::Prey);
            EXPECT_EQ(core.preyCount(), prey + 1);
            EXPECT_EQ(view.calls, (std::vector<std::string>{"instruction none", "board", "roll on"}));
            EXPECT_TRUE(core.needsRedraw(r.x, r.y));
        } else {
            EXPECT_EQ(core.pendingChoice(), Choice::PlacePrey);
            EXPECT_EQ(boardText(core), before);
            EXPECT_TRUE(view.calls.empty());
        }
    }
}

TEST_F(Decision, CornerPreyAcceptsOnlyItsThreeNeighbours)
{
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y) {
            RecordingGameView view;
            GameCore k{view};
            k.setCell(1, 1, Cell::Prey);
            k.applyRules({1, 1}, Side::Prey, Mode::Interactive);
            ASSERT_EQ(k.pendingChoice(), Choice::PlacePrey);
            k.chooseCell({x, y});
            const bool accepted = (x == 1 && y == 2) || (x == 2 && y == 1) || (x == 2 && y == 2);
            EXPECT_EQ(k.pendingChoice() == Choice::None, accepted) << x << "," << y;
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
        const std::string before = boardText(core);
        core.chooseCell({r.x, r.y});
        if (r.settles) {
            EXPECT_EQ(core.pendingChoice(), Choice::None);
            EXPECT_EQ(core.cell(r.x, r.y), Cell::Empty);
            EXPECT_EQ(core.hunterCount(), 1);
            EXPECT_EQ(view.calls, (std::vector<std::string>{"instruction none", "board", "roll on"}));
        } else {
            EXPECT_EQ(core.pendingChoice(), Choice::RemoveHunter);
            EXPECT_EQ(boardText(core), before);
            EXPECT_TRUE(view.calls.empty());
        }
    }
}

TEST_F(Decision, ClicksWithoutPendingDecisionChangeNothing)
{
    core.random().setSeed(3);
    core.newGame();
    const std::string before = boardText(core);
    view.clear();
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            core.chooseCell({x, y});
    EXPECT_EQ(boardText(core), before);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(Decision, NewGameDropsThePendingDecision)
{
    pendStarvation();
    core.newGame();
    EXPECT_EQ(core.pendingChoice(), Choice::None);
    EXPECT_EQ(view.instruction, Choice::None);
    const std::string before = boardText(core);
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            core.chooseCell({x, y});
    EXPECT_EQ(boardText(core), before);
}
