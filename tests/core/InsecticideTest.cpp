#include "RecordingGameView.h"
#include "GameCore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {
struct Insecticide : ::testing::Test {
    RecordingGameView view;
    GameCore core{view};

    int greenFrames() const
    {
        return static_cast<int>(std::count_if(view.calls.begin(), view.calls.end(), [](auto& c) {
            return c.starts_with("frame") && c.ends_with("green");
        }));
    }
};
}  // namespace

TEST_F(Insecticide, TenRoundCampaignThenCleanUp)
{
    core.random().setSeed(11);
    core.newGame();
    core.orderSpray(10);
    for (int round = 1; round <= 11; ++round) {
        SCOPED_TRACE(round);
        view.clear();
        core.playRound(Mode::Automatic);
        const bool sprays = round <= 10;
        EXPECT_EQ(greenFrames(), sprays ? 6 : 0);
        EXPECT_EQ(core.sprayMarksShown(), sprays);
        EXPECT_EQ(view.sprayLabelVisible, sprays);
        EXPECT_EQ(core.sprayRoundsLeft(), std::max(0, 10 - round));
        if (round > 1) {
            // The previous marks are removed first, so the label never flickers off mid-campaign.
            ASSERT_GE(view.calls.size(), 7u);
            for (int k = 0; k < 6; ++k)
                EXPECT_TRUE(view.calls[k].ends_with("black")) << view.calls[k];
        }
    }
}

TEST_F(Insecticide, SprayingRoundDrawsTwelveBeforeTheRoll)
{
    core.random().setSeed(77);
    core.newGame();
    core.orderSpray(1);
    RandomSource shadow = core.random();
    std::vector<std::pair<int, int>> sprayed;
    for (int k = 0; k < 6; ++k) {
        const int x = static_cast<int>(shadow.nextBelow(6)) + 1;
        const int y = static_cast<int>(shadow.nextBelow(6)) + 1;
        sprayed.emplace_back(x, y);
    }
    const int rx = static_cast<int>(shadow.nextBelow(6)) + 1;
    const int ry = static_cast<int>(shadow.nextBelow(6)) + 1;

    // Expected counters: each sprayed cell loses its animal once.
    int prey = core.preyCount(), hunters = core.hunterCount();
    std::set<std::pair<int, int>> seen;
    for (auto c : sprayed)
        if (seen.insert(c).second) {
            prey -= core.cell(c.first, c.second) == Cell::Prey;
            hunters -= core.cell(c.first, c.second) == Cell::Hunter;
        }

    view.clear();
    core.playRound(Mode::Automatic);
    EXPECT_EQ(view.rolls.back(), std::make_pair(rx, ry));
    EXPECT_EQ(core.random().seed(), shadow.seed());
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(core.sprayedPositions()[k].x, sprayed[k].first);
        EXPECT_EQ(core.sprayedPositions()[k].y, sprayed[k].second);
    }
    // The chart sees the counts after spraying and before the rule.
    ASSERT_EQ(view.chartPoints.size(), 1u);
    EXPECT_EQ(view.chartPoints[0], std::make_pair(hunters, prey));
    // Call order: label, six green frames, a draw, then the marker.
    EXPECT_EQ(view.calls[0], "spray label on");
    EXPECT_EQ(view.calls[7], "board");
    EXPECT_EQ(view.calls[8], "rolled " + std::to_string(rx) + " " + std::to_string(ry));
}

TEST_F(Insecticide, NewGameEndsTheCampaign)
{
    core.random().setSeed(2);
    core.newGame();
    core.orderSpray(10);
    core.playRound(Mode::Automatic);
    ASSERT_TRUE(view.sprayLabelVisible);
    core.newGame();
    EXPECT_FALSE(view.sprayLabelVisible);
    EXPECT_FALSE(core.sprayMarksShown());
    view.clear();
    core.playRound(Mode::Automatic);
    EXPECT_EQ(greenFrames(), 0);
    EXPECT_EQ(view.calls.front().rfind("rolled", 0), 0u) << "no spraying, no un-marking";
}

TEST_F(Insecticide, ZeroOrNegativeSpraysNothing)
{
    for (int n : {0, -4}) {
        core.random().setSeed(2);
        core.newGame();
        core.orderSpray(n);
        view.clear();
        core.playRound(Mode::Automatic);
        EXPECT_EQ(greenFrames(), 0);
        EXPECT_EQ(core.sprayRoundsLeft(), n);
    }
}
