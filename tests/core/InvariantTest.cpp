#include "BoardText.h"
#include "RecordingAnzeige.h"
#include "TSpielkern.h"

#include <gtest/gtest.h>

// Long random games in both modes, with campaigns and clicks thrown in: the counters must
// equal the board after every step, and every state field stay in its range.
TEST(Invariant, CountersFollowTheBoardThroughLongRandomRuns)
{
    for (std::uint32_t seed : {0u, 1u, 42u, 0xDEADBEEFu}) {
        SCOPED_TRACE(seed);
        RecordingAnzeige view;
        TSpielkern kern{view};
        kern.zufall().SetSeed(seed);
        TRandomSource chooser;  // separate source for the test's own choices
        chooser.SetSeed(seed ^ 0x9E3779B9u);
        kern.neuspiel();
        for (int step = 0; step < 50000; ++step) {
            const auto what = chooser.NextBelow(100);
            if (what < 2)
                kern.setinsrunden(static_cast<std::int32_t>(chooser.NextBelow(12)));
            else if (what < 3) {
                kern.neuspiel();
                view.diceEnabled = true;  // the window's mode handler does this after a new game
            }
            else if (kern.warten() != Entscheidung::keine || what < 30)
                kern.clickfeld(static_cast<int>(chooser.NextBelow(6)) + 1,
                               static_cast<int>(chooser.NextBelow(6)) + 1);
            else if (what < 60)
                kern.runde(false);
            else
                kern.runde(true);

            ASSERT_EQ(kern.anzbeute(), countOnBoard(kern, zelle::beute)) << "step " << step;
            ASSERT_EQ(kern.anzraeuber(), countOnBoard(kern, zelle::raeuber)) << "step " << step;
            ASSERT_LE(kern.anzbeute() + kern.anzraeuber(), 36);
            ASSERT_EQ(view.diceEnabled, kern.warten() == Entscheidung::keine) << "step " << step;
        }
        EXPECT_GT(view.drawCount, 0);
    }
}
