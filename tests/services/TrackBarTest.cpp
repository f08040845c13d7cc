#include "Exception.h"
#include "RecordingErrorBox.h"
#include "TrackBar.h"

#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// The speed track bar as the window lays it out, with a handler that records the position it
// reads on every call.
struct TrackBarTest : ::testing::Test {
    void SetUp() override
    {
        bar = std::make_unique<TrackBar>(errors);
        bar->setMinimum(1);
        bar->setMaximum(1000);
        bar->setPosition(501);
        bar->setPageSize(50);
        bar->setLineSize(1);
        bar->setFrequency(100);
        bar->setGeometry(96, 30, 145, 22);
        bar->setChangeHandler([this] { seen.push_back(bar->position()); });
        bar->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(bar.get()));
    }

    QSlider* slider() const { return bar->slider(); }
    QPoint handleCenter() const
    {
        QStyleOptionSlider option;
        option.initFrom(slider());
        option.subControls = QStyle::SC_All;
        option.orientation = slider()->orientation();
        option.minimum = slider()->minimum();
        option.maximum = slider()->maximum();
        option.sliderPosition = slider()->sliderPosition();
        option.sliderValue = slider()->value();
        option.singleStep = slider()->singleStep();
        option.pageStep = slider()->pageStep();
        option.tickPosition = slider()->tickPosition();
        option.tickInterval = slider()->tickInterval();
        return slider()->style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider())
            .center();
    }

    RecordingErrorBox errors;
    std::unique_ptr<TrackBar> bar;
    std::vector<int> seen;
};

TEST_F(TrackBarTest, ProgramSetsCallOnlyOnARealChangeAndClamp)
{
    struct Row {
        int set, position;
        bool calls;
    };
    const Row rows[] = {{501, 501, false}, {600, 600, true}, {600, 600, false},
                        {5000, 1000, true}, {1001, 1000, false}, {-5, 1, true},
                        {0, 1, false}, {1, 1, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.set);
        seen.clear();
        bar->setPosition(row.set);
        EXPECT_EQ(bar->position(), row.position);
        EXPECT_EQ(seen, row.calls ? std::vector<int>{row.position} : std::vector<int>{});
    }
}

TEST_F(TrackBarTest, NarrowingTheLimitsMovesThePositionAndCalls)
{
    bar->setMaximum(400);
    EXPECT_EQ(seen, std::vector<int>{400});
    seen.clear();
    bar->setMinimum(300);
    EXPECT_TRUE(seen.empty());
    bar->setMinimum(450);
    EXPECT_EQ(bar->position(), 450);
    EXPECT_EQ(seen, std::vector<int>{450});
}

// Each key is one scroll action and one call, also at the ends where the position stays.
TEST_F(TrackBarTest, EveryKeyCallsWithTheNewPosition)
{
    struct Row {
        Qt::Key key;
        int position;
    };
    const Row rows[] = {{Qt::Key_Right, 502}, {Qt::Key_Left, 501}, {Qt::Key_Left, 500},
                        {Qt::Key_PageUp, 550}, {Qt::Key_PageDown, 500}, {Qt::Key_End, 1000},
                        {Qt::Key_End, 1000}, {Qt::Key_Right, 1000}, {Qt::Key_Home, 1},
                        {Qt::Key_Left, 1}};
    bar->setFocus();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.position);
        seen.clear();
        QTest::keyClick(slider(), row.key);
        EXPECT_EQ(seen, std::vector<int>{row.position});
    }
}

TEST_F(TrackBarTest, DraggingCallsOnEveryMoveAndAtTheEndEvenWhereItBegan)
{
    const QPoint start = handleCenter();
    QTest::mousePress(slider(), Qt::LeftButton, {}, start);
    QTest::mouseMove(slider(), start + QPoint(10, 0));
    QTest::mouseMove(slider(), start + QPoint(30, 0));
    QTest::mouseMove(slider(), start);
    QTest::mouseRelease(slider(), Qt::LeftButton, {}, start);

    ASSERT_EQ(seen.size(), 4u);
    EXPECT_GT(seen[0], 501);
    EXPECT_GT(seen[1], seen[0]);
    EXPECT_EQ(seen[2], 501);
    EXPECT_EQ(seen[3], 501);  // the end of the drag, back where it began
}

TEST_F(TrackBarTest, PressingAndReleasingTheThumbStillCalls)
{
    const QPoint start = handleCenter();
    QTest::mouseClick(slider(), Qt::LeftButton, {}, start);
    EXPECT_EQ(seen, std::vector<int>{501});
}

TEST_F(TrackBarTest, AClickIntoTheChannelPagesTowardsIt)
{
    const QPoint handle = handleCenter();
    QTest::mouseClick(slider(), Qt::LeftButton, {}, QPoint(slider()->width() - 3, handle.y()));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 551);
}

TEST_F(TrackBarTest, AFailingHandlerIsReportedAndTheBarGoesOn)
{
    int calls = 0;
    bar->setChangeHandler([&calls] {
        if (++calls == 1)
            throw OutOfResources(QStringLiteral("Nicht genügend Timer verfügbar"));
    });
    const QPoint start = handleCenter();
    QTest::mousePress(slider(), Qt::LeftButton, {}, start);
    QTest::mouseMove(slider(), start + QPoint(10, 0));
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text, QStringLiteral("Nicht genügend Timer verfügbar."));
    QTest::mouseMove(slider(), start + QPoint(20, 0));
    QTest::mouseRelease(slider(), Qt::LeftButton, {}, start + QPoint(20, 0));
    EXPECT_EQ(calls, 3);

    // The slider is not left half-way through a step: keys and drags still reach the handler.
    const int position = bar->position();
    QTest::keyClick(slider(), Qt::Key_Right);
    EXPECT_EQ(bar->position(), position + 1);
    EXPECT_EQ(calls, 4);
    const QPoint again = handleCenter();
    QTest::mousePress(slider(), Qt::LeftButton, {}, again);
    QTest::mouseMove(slider(), again + QPoint(15, 0));
    QTest::mouseRelease(slider(), Qt::LeftButton, {}, again + QPoint(15, 0));
    EXPECT_EQ(calls, 6);
    EXPECT_EQ(errors.boxes.size(), 1u);
}

}  // namespace
