// The rules of the game: the help button and F1 open one small window that leaves the main
// window usable.
#include "MainWindowFixture.h"
#include "RulesWindow.h"

namespace {

using Rules = MainWindowTest;

TEST_F(Rules, ButtonAndF1OpenOneWindowThatIsNotModal)
{
    EXPECT_FALSE(form->rulesWindow());
    QTest::mouseClick(button("rulesButton"), Qt::LeftButton);
    RulesWindow* rules = form->rulesWindow();
    ASSERT_TRUE(rules);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(rules));
    EXPECT_TRUE(rules->isWindow());
    EXPECT_EQ(rules->windowModality(), Qt::NonModal);
    EXPECT_EQ(rules->windowTitle(), "Spielregeln");
    EXPECT_TRUE(rules->showsPictures());

    // The game goes on beside it.
    newGame(3);
    EXPECT_TRUE(button("startStopButton")->isEnabled());

    QTest::keyClick(rules, Qt::Key_Escape);
    EXPECT_FALSE(rules->isVisible());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(form->rulesWindow(), rules) << "the same window again";
    EXPECT_TRUE(rules->isVisible());
    EXPECT_EQ(form->findChildren<RulesWindow*>().size(), 1);
}

}  // namespace
