#include "BoardText.h"
#include "RecordingGameView.h"
#include "GameCore.h"

#include <gtest/gtest.h>

// Long random games in both modes, with campaigns and clicks thrown in: the counters must
// equal the board after every step, and every state field stay in its range.
TEST(Invariant, CountersFollowTheBoardThroughLongRandomRuns)
{
    for (std::uint32_t seed : {0u, 1u, 42u, 0xDEADBEEFu}) {
        SCOPED_TRACE(seed);
        RecordingGameView view;
        GameCore core{view};
        core.random().setSeed(seed);
        RandomSource chooser;  // separate source for the test's own choices
        chooser.setSeed(seed ^ 0x9E3779B9u);
        core.newGame();
        for (int step = 0; step < 50000; ++step) {
            const auto what = chooser.nextBelow(100);
            if (what < 2)
                core.orderSpray(static_cast<std::int32_t>(chooser.nextBelow(12)));
            else if (what < 3) {
                core.newGame();
                view.rollEnabled = true;  // the window's mode handler does this after a new game
            }
            else if (core.pendingChoice() != Choice::None || what < 30)
                core.chooseCell({static_cast<int>(chooser.nextBelow(6)) + 1,
                                 static_cast<int>(chooser.nextBelow(6)) + 1});
            else if (what < 60)
                core.playRound(Mode::Interactive);
            else
                core.playRound(Mode::Automatic);

            ASSERT_EQ(core.preyCount(), countOnBoard(core, Cell::Prey)) << "step " << step;
            ASSERT_EQ(core.hunterCount(), countOnBoard(core, Cell::Hunter)) << "step " << step;
            ASSERT_LE(core.preyCount() + core.hunterCount(), 36);
            ASSERT_EQ(view.rollEnabled, core.pendingChoice() == Choice::None) << "step " << step;
        }
        EXPECT_GT(view.boardChanges, 0);
    }
}
