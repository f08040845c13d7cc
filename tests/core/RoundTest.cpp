#include "BoardText.h"
#include "RecordingGameView.h"
#include "GameCore.h"

#include <gtest/gtest.h>

namespace {
struct Round : ::testing::Test {
    RecordingGameView view;
    GameCore core{view};
};
}  // namespace

TEST_F(Round, FirstEightRoundsFromSeedZero)
{
    view.core = &core;
    core.random().setSeed(0);
    core.newGame();
    view.clear();

    struct Row {
        int x, y;
        Side side;
        int hunters, prey;           // after the round
        int plotHunters, plotPrey;   // what the chart receives: before the rule
        int changedX, changedY;      // the cell the rule wrote, 0 for none
        Cell changedTo;
    };
    const Row rows[] = {
        {4, 5, Side::Hunter, 5, 9, 6, 9, 1, 1, Cell::Empty},     // the hunter at (1,1) starves
        {5, 4, Side::Prey, 5, 10, 5, 9, 5, 4, Cell::Prey},    // a prey is born
        {2, 5, Side::Hunter, 6, 9, 5, 10, 2, 5, Cell::Hunter}, // the hunter eats the prey
        {4, 6, Side::Prey, 6, 10, 6, 9, 4, 6, Cell::Prey},
        {4, 6, Side::Hunter, 7, 9, 6, 10, 4, 6, Cell::Hunter},
        {2, 5, Side::Prey, 7, 9, 7, 9, 0, 0, Cell::Empty},              // prey turn on a hunter: nothing
        {2, 1, Side::Hunter, 8, 8, 7, 9, 2, 1, Cell::Hunter},
        {5, 3, Side::Prey, 8, 9, 8, 8, 5, 3, Cell::Prey},
    };
    int round = 0;
    for (const auto& r : rows) {
        ++round;
        SCOPED_TRACE(round);
        const std::string before = boardText(core);
        view.clear();
        core.playRound(Mode::Automatic);
        EXPECT_EQ(core.currentRound(), round);
        EXPECT_EQ(core.side(), round % 2 ? Side::Hunter : Side::Prey);
        ASSERT_EQ(view.rolls.size(), 1u);
        EXPECT_EQ(view.rolls[0], std::make_pair(r.x, r.y));
        EXPECT_EQ(view.side, r.side);
        EXPECT_EQ(core.hunterCount(), r.hunters);
        EXPECT_EQ(core.preyCount(), r.prey);
        ASSERT_EQ(view.chartPoints.size(), 1u);
        EXPECT_EQ(view.chartPoints[0], std::make_pair(r.plotHunters, r.plotPrey));
        EXPECT_EQ(view.boardChanges, 1);
        // Exactly the written cell changed.
        std::string expected = before;
        if (r.changedX)
            expected[(r.changedY - 1) * 7 + (r.changedX - 1)] =
                r.changedTo == Cell::Prey ? 'b' : r.changedTo == Cell::Hunter ? 'R' : '.';
        EXPECT_EQ(boardText(core), expected);
        // The one board change redraws exactly the written cell.
        std::vector<std::pair<int, int>> expectedRedrawn;
        if (r.changedX)
            expectedRedrawn.emplace_back(r.changedX, r.changedY);
        EXPECT_EQ(view.redrawn, expectedRedrawn);
    }
}

TEST_F(Round, CallOrderOfAnOrdinaryRound)
{
    core.random().setSeed(0);
    core.newGame();
    view.clear();
    core.playRound(Mode::Automatic);
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"rolled 4 5", "chart 6 9", "side hunter", "board"}));
    EXPECT_EQ(core.markedPosition().x, 4);
    EXPECT_EQ(core.markedPosition().y, 5);
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
        Side side;
        Mode mode;
        int cx, cy;  // the cell that changes, 0 for none
        Cell to;
        Choice choice;
    };
    const Row rows[] = {
        {"prey born", 5, 5, Side::Prey, Mode::Automatic, 5, 5, Cell::Prey, Choice::None},
        {"prey born, interactive", 5, 5, Side::Prey, Mode::Interactive, 5, 5, Cell::Prey, Choice::None},
        {"hunter eats", 3, 3, Side::Hunter, Mode::Automatic, 3, 3, Cell::Hunter, Choice::None},
        {"hunter eats, interactive", 3, 3, Side::Hunter, Mode::Interactive, 3, 3, Cell::Hunter, Choice::None},
        {"hunter dies", 2, 1, Side::Hunter, Mode::Automatic, 2, 1, Cell::Empty, Choice::None},
        {"hunter dies, interactive", 1, 6, Side::Hunter, Mode::Interactive, 1, 6, Cell::Empty, Choice::None},
        {"prey multiplies into first empty of block", 3, 3, Side::Prey, Mode::Automatic, 2, 3, Cell::Prey, Choice::None},
        {"prey boxed in", 1, 1, Side::Prey, Mode::Automatic, 0, 0, Cell::Empty, Choice::None},
        {"prey boxed in, interactive", 1, 1, Side::Prey, Mode::Interactive, 0, 0, Cell::Empty, Choice::None},
        {"first hunter in scan order starves", 5, 5, Side::Hunter, Mode::Automatic, 1, 6, Cell::Empty, Choice::None},
        {"prey wants to multiply", 3, 3, Side::Prey, Mode::Interactive, 0, 0, Cell::Empty, Choice::PlacePrey},
        {"a hunter must starve", 5, 5, Side::Hunter, Mode::Interactive, 0, 0, Cell::Empty, Choice::RemoveHunter},
        {"prey turn on a hunter", 2, 1, Side::Prey, Mode::Automatic, 0, 0, Cell::Empty, Choice::None},
        {"prey turn on a hunter, interactive", 2, 1, Side::Prey, Mode::Interactive, 0, 0, Cell::Empty, Choice::None},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        RecordingGameView view;
        GameCore k{view};
        setBoard(k, board);
        const std::string before = boardText(k);
        k.applyRules({r.x, r.y}, r.side, r.mode);
        std::string expected = before;
        if (r.cx) {
            const char c = r.to == Cell::Prey ? 'b' : r.to == Cell::Hunter ? 'R' : '.';
            expected[(r.cy - 1) * 7 + (r.cx - 1)] = c;
        }
        EXPECT_EQ(boardText(k), expected);
        EXPECT_EQ(k.preyCount(), countOnBoard(k, Cell::Prey));
        EXPECT_EQ(k.hunterCount(), countOnBoard(k, Cell::Hunter));
        EXPECT_EQ(view.instruction, r.choice);
        EXPECT_EQ(k.pendingChoice(), r.choice);
        EXPECT_EQ(view.rollEnabled, r.choice == Choice::None);
        EXPECT_EQ(view.boardChanges, 1);
        ASSERT_EQ(view.chartPoints.size(), 1u);
        EXPECT_EQ(view.chartPoints[0], std::make_pair(2, 6));
        if (r.choice == Choice::PlacePrey) {
            EXPECT_EQ(k.choicePosition().x, r.x);
            EXPECT_EQ(k.choicePosition().y, r.y);
        }
    }
}

TEST_F(Round, NoHunterLeftMeansNothingInBothModes)
{
    for (Mode mode : {Mode::Automatic, Mode::Interactive}) {
        RecordingGameView view;
        GameCore k{view};
        setBoard(k, {"bb....", "......", "......", "......", "......", "......"});
        k.applyRules({4, 4}, Side::Hunter, mode);
        EXPECT_EQ(countOnBoard(k, Cell::Prey), 2);
        EXPECT_EQ(k.pendingChoice(), Choice::None);
        EXPECT_EQ(view.instruction, Choice::None);
        EXPECT_EQ(view.chartPoints.size(), 1u);
        EXPECT_EQ(view.side, Side::Hunter);
    }
}
