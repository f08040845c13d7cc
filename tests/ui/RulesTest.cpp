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

// A window frame of 4 pixels each side and a 24-pixel title bar.
TEST(RulesPlace, NeverLargerThanTheScreenAndBesideTheWindowWhereItFits)
{
    RulesWindow rules({}, nullptr);
    rules.resize(480, 720);
    const QRect client(104, 124, 413, 398);
    const QRect frame = client.adjusted(-4, -24, 4, 4);
    struct Row {
        const char* screen;
        QRect available, expected;
    };
    const Row rows[] = {
        {"a large screen", {0, 0, 1920, 1080}, {528, 100, 480, 720}},
        {"a low screen", {0, 0, 1200, 600}, {528, 0, 480, 572}},
        {"a projector at scale 2", {0, 0, 960, 540}, {0, 0, 480, 512}},
        {"too narrow beside", {0, 0, 1000, 1080}, {0, 0, 480, 720}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(rules.placeBeside(frame, client, r.available), r.expected) << r.screen;
}

}  // namespace
