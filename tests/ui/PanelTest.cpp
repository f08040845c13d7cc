#include "FormFixture.h"
#include "ChartView.h"

namespace {
class Panel : public FormTest {
protected:
    int points(int series) { return form->diagramm().series(series).count(); }
};
}  // namespace

TEST_F(Panel, OpeningAndClosingChangesWidthLimits)
{
    newGame(2);
    QPushButton* gra = button("gra");
    QTest::mouseClick(gra, Qt::LeftButton);
    EXPECT_EQ(gra->text(), "Diagramm <<");
    EXPECT_TRUE(button("druck")->isEnabled());
    EXPECT_FALSE(control("dia")->isHidden());
    EXPECT_EQ(form->minimumWidth(), TForm1::openMinWidth);
    EXPECT_EQ(form->maximumWidth(), QWIDGETSIZE_MAX);
    EXPECT_GE(form->width(), TForm1::openMinWidth);
    EXPECT_EQ(form->height(), TForm1::clientHeight);
    form->resize(1000, TForm1::clientHeight);
    QTest::qWait(10);
    EXPECT_EQ(form->width(), 1000);
    EXPECT_GT(form->diagramm().width(), 1000 - TForm1::clientWidth - 20);

    QTest::mouseClick(gra, Qt::LeftButton);
    EXPECT_EQ(gra->text(), "Diagramm >>");
    EXPECT_FALSE(button("druck")->isEnabled());
    EXPECT_TRUE(control("dia")->isHidden());
    EXPECT_EQ(form->minimumWidth(), TForm1::clientWidth);
    EXPECT_EQ(form->maximumWidth(), TForm1::clientWidth);
    QTest::qWait(10);
    EXPECT_EQ(form->width(), TForm1::clientWidth);
}

TEST_F(Panel, PointsAreCollectedOnlyWhileShown)
{
    newGame(0);
    form->Timer1Timer();  // panel closed: nothing plotted
    EXPECT_EQ(points(0), 0);
    form->graClick();
    for (int i = 0; i < 3; ++i)
        form->Timer1Timer();
    ASSERT_EQ(points(0), 3);
    ASSERT_EQ(points(1), 3);
    // Seed 0, rounds 2 to 4: the counts before each round's rule.
    EXPECT_EQ(form->diagramm().series(0).yValue(0), 5);
    EXPECT_EQ(form->diagramm().series(1).yValue(0), 9);
    EXPECT_EQ(form->diagramm().series(1).yValue(1), 10);
    EXPECT_EQ(form->diagramm().series(0).yValue(2), 6);

    form->graClick();
    form->Timer1Timer();
    form->Timer1Timer();
    form->graClick();
    EXPECT_EQ(points(0), 3) << "closed panel collects nothing, and nothing is lost";
    form->Timer1Timer();
    EXPECT_EQ(points(0), 4);

    form->PMDelClick();
    EXPECT_EQ(points(0), 0);
    EXPECT_EQ(points(1), 0);
    form->Timer1Timer();
    EXPECT_EQ(points(0), 1);

    newGame(1);
    EXPECT_EQ(points(0), 0);
    EXPECT_EQ(points(1), 0);
}
