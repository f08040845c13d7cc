#include "BoardText.h"
#include "RecordingGameView.h"
#include "GameCore.h"

#include <gtest/gtest.h>

#include <set>

namespace {
struct NewGame : ::testing::Test {
    RecordingGameView view;
    GameCore core{view};
};

}  // namespace

TEST_F(NewGame, SeedZeroPlacesTheKnownAnimalsIn47Draws)
{
    core.random().setSeed(0);
    core.newGame();

    struct Animal {
        int x, y;
        Cell kind;
    };
    const Animal expected[] = {
        {1, 1, Cell::Hunter}, {2, 2, Cell::Hunter}, {2, 1, Cell::Prey}, {3, 1, Cell::Prey}, {1, 6, Cell::Prey}, {2, 6, Cell::Prey}, {5, 2, Cell::Hunter}, {6, 5, Cell::Prey},
        {1, 2, Cell::Prey}, {2, 5, Cell::Prey}, {6, 2, Cell::Hunter}, {6, 3, Cell::Hunter}, {5, 1, Cell::Prey}, {1, 4, Cell::Prey}, {4, 1, Cell::Hunter},
    };
    GameCore reference{view};
    for (const auto& a : expected)
        reference.setCell(a.x, a.y, a.kind);
    EXPECT_EQ(boardText(core), boardText(reference));
    EXPECT_EQ(core.preyCount(), 9);
    EXPECT_EQ(core.hunterCount(), 6);

    RandomSource r;
    for (int i = 0; i < 47; ++i)
        r.nextBelow(6);
    EXPECT_EQ(core.random().seed(), r.seed()) << "the seeding takes exactly 47 draws";
}

TEST_F(NewGame, ResetsStateAndDrawsOnce)
{
    core.random().setSeed(99);
    core.newGame();
    core.orderSpray(3);
    core.setRoundLimit(12);
    for (int i = 0; i < 5; ++i)
        core.playRound(Mode::Interactive);
    view.clear();

    core.newGame();
    EXPECT_EQ(core.currentRound(), 0);
    EXPECT_EQ(core.roundLimit(), GameCore::noRoundLimit);
    EXPECT_EQ(core.sprayRoundsLeft(), 0);
    EXPECT_FALSE(core.sprayMarksShown());
    EXPECT_EQ(core.side(), Side::Prey);
    EXPECT_EQ(core.markedPosition().x, 0);
    EXPECT_EQ(core.markedPosition().y, 0);
    EXPECT_EQ(core.pendingChoice(), Choice::None);
    EXPECT_EQ(core.preyCount() + core.hunterCount(), 15);
    EXPECT_EQ(countOnBoard(core, Cell::Prey), core.preyCount());
    EXPECT_EQ(countOnBoard(core, Cell::Hunter), core.hunterCount());
    EXPECT_EQ(view.calls, (std::vector<std::string>{"spray label off", "instruction none", "board"}));

    // Exactly the seeded cells are flagged for the closing draw.
    int flagged = 0;
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y) {
            EXPECT_EQ(core.needsRedraw(x, y), core.cell(x, y) != Cell::Empty) << x << "," << y;
            flagged += core.needsRedraw(x, y);
        }
    EXPECT_EQ(flagged, 15);
}

TEST_F(NewGame, SecondGameContinuesTheSequence)
{
    core.random().setSeed(0);
    core.newGame();
    const std::string first = boardText(core);
    const auto seedAfterFirst = core.random().seed();
    core.newGame();
    EXPECT_NE(boardText(core), first);

    GameCore fresh{view};
    fresh.random().setSeed(seedAfterFirst);
    fresh.newGame();
    EXPECT_EQ(boardText(fresh), boardText(core));
}

TEST_F(NewGame, SplitVariesButTotalIsFifteen)
{
    std::set<int> splits;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        core.random().setSeed(seed);
        core.newGame();
        ASSERT_EQ(core.preyCount() + core.hunterCount(), 15);
        ASSERT_EQ(countOnBoard(core, Cell::Empty), 21);
        splits.insert(core.preyCount());
    }
    EXPECT_GT(splits.size(), 4u);
}
