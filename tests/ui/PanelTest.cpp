#include "ChartCommands.h"
#include "MainWindowFixture.h"
#include "ChartView.h"

namespace {
class Panel : public MainWindowTest {
protected:
    int points(int series) { return static_cast<int>(form->chart().model().points(series).count()); }
};
}  // namespace

TEST_F(Panel, OpeningAndClosingChangesWidthLimits)
{
    newGame(2);
    QPushButton* chartButton = button("chartButton");
    QTest::mouseClick(chartButton, Qt::LeftButton);
    EXPECT_EQ(chartButton->text(), "Diagramm <<");
    EXPECT_TRUE(button("printButton")->isEnabled());
    EXPECT_FALSE(control("analysisBox")->isHidden());
    EXPECT_EQ(form->minimumWidth(), MainWindow::openMinWidth);
    EXPECT_EQ(form->maximumWidth(), QWIDGETSIZE_MAX);
    EXPECT_GE(form->width(), MainWindow::openMinWidth);
    EXPECT_EQ(form->height(), MainWindow::clientHeight);
    form->resize(1000, MainWindow::clientHeight);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->width() == 1000; }));
    EXPECT_GT(form->chart().width(), 1000 - MainWindow::clientWidth - 20);

    QTest::mouseClick(chartButton, Qt::LeftButton);
    EXPECT_EQ(chartButton->text(), "Diagramm >>");
    EXPECT_FALSE(button("printButton")->isEnabled());
    EXPECT_TRUE(control("analysisBox")->isHidden());
    EXPECT_EQ(form->minimumWidth(), MainWindow::clientWidth);
    EXPECT_EQ(form->maximumWidth(), MainWindow::clientWidth);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->width() == MainWindow::clientWidth; }));
}

TEST_F(Panel, PointsAreCollectedOnlyWhileShown)
{
    newGame(0);
    controller->onTick();  // panel closed: nothing plotted
    EXPECT_EQ(points(0), 0);
    controller->onToggleChart();
    for (int i = 0; i < 3; ++i)
        controller->onTick();
    ASSERT_EQ(points(0), 3);
    ASSERT_EQ(points(1), 3);
    // Seed 0, rounds 2 to 4: the counts before each round's rule.
    EXPECT_EQ(form->chart().model().points(0).at(0), 5);
    EXPECT_EQ(form->chart().model().points(1).at(0), 9);
    EXPECT_EQ(form->chart().model().points(1).at(1), 10);
    EXPECT_EQ(form->chart().model().points(0).at(2), 6);

    controller->onToggleChart();
    controller->onTick();
    controller->onTick();
    controller->onToggleChart();
    EXPECT_EQ(points(0), 3) << "closed panel collects nothing, and nothing is lost";
    controller->onTick();
    EXPECT_EQ(points(0), 4);

    chartCommands->clear();
    EXPECT_EQ(points(0), 0);
    EXPECT_EQ(points(1), 0);
    controller->onTick();
    EXPECT_EQ(points(0), 1);

    newGame(1);
    EXPECT_EQ(points(0), 0);
    EXPECT_EQ(points(1), 0);
}
