#include "BatchRunner.h"
#include "NullGameView.h"
#include "GameCore.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

namespace {
BatchPlan makePlan(std::uint32_t firstSeed, std::int32_t games, std::int32_t rounds, std::int32_t every,
                   const std::vector<SprayOrder>& orders = {})
{
    BatchPlan plan;
    plan.firstSeed = firstSeed;
    plan.games = games;
    plan.rounds = rounds;
    plan.every = every;
    for (const SprayOrder& order : orders)
        plan.sprays.order(order);
    plan.summary = true;
    plan.counts = true;
    return plan;
}

// Notes the rounds that sprayed: the insecticide label is switched on only by a spraying.
class SprayWatch final : public NullGameView {
public:
    const GameCore* core = nullptr;
    std::vector<std::int32_t> sprayedRounds;
    void setSprayLabelVisible(bool visible) override
    {
        if (visible)
            sprayedRounds.push_back(core->currentRound());
    }
};
}  // namespace

TEST(BatchRunner, SprayOrdersTakeEffectInTheirRound)
{
    struct Case {
        std::vector<SprayOrder> sprays;
        std::int32_t rounds;
        std::vector<std::int32_t> sprayed;
    };
    const Case cases[] = {
        {{{1, 3}}, 6, {1, 2, 3}},
        {{{4, 2}}, 10, {4, 5}},
        {{{3, 0}}, 10, {}},
        // A new order during a campaign replaces what is left of it.
        {{{2, 5}, {4, 1}}, 10, {2, 3, 4}},
        {{{2, 5}, {4, 0}}, 10, {2, 3}},
        {{{9, 3}}, 10, {9, 10}},
        {{{11, 3}}, 10, {}},
        // Beyond a run of play between progress checks.
        {{{300000, 2}}, 300005, {300000, 300001}},
        // Repeated campaigns: gaps when the period is longer than the campaign; a shorter one
        // restarts the campaign before it ends, so spraying never pauses.
        {{{2, 2, 5}}, 13, {2, 3, 7, 8, 12, 13}},
        {{{2, 3, 2}}, 12, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {{{2, 3, 5}, {8, 0}}, 13, {2, 3, 4, 7, 12, 13}},
        {{{1, 1, 1}}, 4, {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sprays.front().round);
        BatchRunner sprayed{makePlan(42, 1, c.rounds, c.rounds, c.sprays)};
        SprayWatch watch;
        GameCore core{watch};
        watch.core = &core;
        BatchTotals totals = sprayed.newTotals();
        sprayed.playOnCore(0, core, totals);
        EXPECT_EQ(watch.sprayedRounds, c.sprayed);
        // What a chart marks as the rounds that spray, worked out from the plan alone.
        EXPECT_EQ(sprayed.plan().sprays.sprayedRounds(c.rounds), c.sprayed);
    }
}

// The same game played round by hand through the core, with the button pressed before
// round 5 and again before round 9: every checkpoint's counts and first extinctions must agree.
TEST(BatchRunner, GameMatchesOnePlayedByHand)
{
    struct Case {
        std::uint32_t seed;
        std::int32_t every;
    };
    for (const auto [seed, every] : {Case{0, 1}, Case{7, 1}, Case{123456789, 7}, Case{4294967295u, 400}}) {
        SCOPED_TRACE(seed);
        constexpr std::int32_t rounds = 400;
        BatchRunner runner{makePlan(seed, 1, rounds, every, {{5, 4}, {9, 20}})};
        ASSERT_TRUE(runner.run(1));

        NullGameView view;
        GameCore core{view};
        core.random().setSeed(seed);
        core.newGame();
        std::int32_t firsts[2] = {neverExtinct, neverExtinct};
        for (std::int32_t round = 0; round <= rounds; ++round) {
            if (round > 0) {
                if (round == 5)
                    core.orderSpray(4);
                if (round == 9)
                    core.orderSpray(20);
                core.playRound(Mode::Automatic);
            }
            const int counts[2] = {core.hunterCount(), core.preyCount()};
            for (int side = 0; side < 2; ++side)
                if (counts[side] == 0 && firsts[side] == neverExtinct)
                    firsts[side] = round;
            if (round % every != 0)
                continue;
            const auto c = static_cast<std::size_t>(round / every);
            const SideTotals* totals[2] = {&runner.totals().at(c).hunters, &runner.totals().at(c).prey};
            for (int side = 0; side < 2; ++side) {
                ASSERT_EQ(runner.results().count(0, c, side == 0 ? Side::Hunter : Side::Prey), counts[side]) << round;
                ASSERT_EQ(totals[side]->gamesWith[static_cast<std::size_t>(counts[side])], 1) << round;
                ASSERT_EQ(totals[side]->wentExtinct, firsts[side] != neverExtinct) << round;
                ASSERT_EQ(totals[side]->firstRoundSum, std::max(firsts[side], 0)) << round;
            }
        }
        // The game's first extinctions over the whole run, in their rounds.
        for (int side = 0; side < 2; ++side) {
            std::vector<std::int32_t> expected(rounds + 1);
            if (firsts[side] != neverExtinct)
                expected[static_cast<std::size_t>(firsts[side])] = 1;
            EXPECT_EQ(runner.totals().firstExtinctions(side == 0 ? Side::Hunter : Side::Prey), expected);
        }
    }
}

TEST(BatchRunner, GamesFollowConsecutiveSeedsAcrossTheWrap)
{
    BatchRunner wrapping{makePlan(4294967295u, 3, 500, 50)};
    BatchRunner fromZero{makePlan(0u, 2, 500, 50)};
    ASSERT_TRUE(wrapping.run(2));
    ASSERT_TRUE(fromZero.run(2));
    // The progress counts cover every game once, the lanes a short block leaves idle not at all.
    EXPECT_EQ(wrapping.gamesDone(), 3);
    EXPECT_EQ(wrapping.roundsDone(), wrapping.totalRounds());
    for (std::int32_t g = 0; g < 2; ++g)
        for (std::size_t c = 0; c < fromZero.plan().checkpointCount(); ++c)
            EXPECT_EQ(wrapping.results().count(g + 1, c, Side::Prey), fromZero.results().count(g, c, Side::Prey));

    // Seed 0 opens with the board worked out by hand: 6 hunters and 9 prey.
    EXPECT_EQ(fromZero.results().count(0, 0, Side::Hunter), 6);
    EXPECT_EQ(fromZero.results().count(0, 0, Side::Prey), 9);
}

TEST(BatchRunner, StopsWhenCancelled)
{
    // Games that would play for hours; their counts only, as a summary of rounds this long would
    // not fit in memory.
    BatchPlan plan = makePlan(1, 1000, std::numeric_limits<std::int32_t>::max(), 1 << 30);
    plan.summary = false;
    ASSERT_GE(plan.maxThreads(), 1u);
    BatchRunner runner{plan};
    std::atomic<bool> cancel{true};
    EXPECT_FALSE(runner.run(2, {}, &cancel));
    EXPECT_LT(runner.roundsDone(), runner.totalRounds());
}
