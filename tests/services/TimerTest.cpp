#include "Exception.h"
#include "RecordingErrorBox.h"
#include "Timer.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A timer whose system timer can be made to run out.
class ScarceTimer : public Timer {
public:
    using Timer::Timer;

    bool timersLeft = true;
    int arms = 0;

protected:
    bool arm(int ms) override
    {
        ++arms;
        return timersLeft && Timer::arm(ms);
    }
};

void waitAtLeast(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QTest::qWait(5);
}

TEST(Timer, AFreshTimerIsEnabledWithOneSecondAndArmsOnceItHasAHandler)
{
    RecordingErrorBox errors;
    Timer timer(errors);
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_EQ(timer.interval(), 1000);
    EXPECT_FALSE(timer.isArmed());
    timer.setTickHandler([] {});
    EXPECT_TRUE(timer.isArmed());
}

TEST(Timer, IsArmedExactlyWhenEnabledWithAnIntervalAndAHandler)
{
    RecordingErrorBox errors;
    for (bool enabled : {false, true})
        for (int interval : {0, -5, 250})
            for (bool handler : {false, true}) {
                SCOPED_TRACE(testing::Message() << enabled << " " << interval << " " << handler);
                Timer timer(errors);
                timer.setEnabled(enabled);
                timer.setInterval(interval);
                timer.setTickHandler(handler ? std::function<void()>([] {}) : nullptr);
                EXPECT_EQ(timer.isArmed(), enabled && interval > 0 && handler);
            }
}

TEST(Timer, TicksCallTheHandler)
{
    RecordingErrorBox errors;
    Timer timer(errors);
    int ticks = 0;
    timer.setInterval(2);
    timer.setTickHandler([&ticks] { ++ticks; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }));
    timer.setEnabled(false);
    const int stopped = ticks;
    QTest::qWait(30);
    EXPECT_EQ(ticks, stopped);
}

// Setting the value a timer already has must not push its next tick back.
TEST(Timer, SettingAnUnchangedValueKeepsThePendingTick)
{
    RecordingErrorBox errors;
    ScarceTimer timer(errors);
    timer.setTickHandler([] {});
    ASSERT_EQ(timer.arms, 1);
    waitAtLeast(40);
    timer.setInterval(1000);
    timer.setEnabled(true);
    EXPECT_EQ(timer.arms, 1);
    EXPECT_LE(timer.remainingTime(), 1000 - 30);
}

TEST(Timer, AChangeRestartsTheWholeInterval)
{
    RecordingErrorBox errors;
    ScarceTimer timer(errors);
    timer.setTickHandler([] {});
    waitAtLeast(40);
    const int before = timer.remainingTime();
    timer.setInterval(999);
    EXPECT_EQ(timer.arms, 2);
    EXPECT_GT(timer.remainingTime(), before);

    waitAtLeast(40);
    const int beforeToggle = timer.remainingTime();
    timer.setEnabled(false);
    EXPECT_FALSE(timer.isArmed());
    timer.setEnabled(true);
    EXPECT_GT(timer.remainingTime(), beforeToggle);
}

TEST(Timer, AFailedArmKeepsTheNewValuesAndALaterChangeArms)
{
    RecordingErrorBox errors;
    ScarceTimer timer(errors);
    timer.setEnabled(false);
    timer.setTickHandler([] {});
    timer.timersLeft = false;

    try {
        timer.setEnabled(true);
        ADD_FAILURE() << "no error";
    } catch (const OutOfResources& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Nicht genügend Timer verfügbar"));
    }
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_FALSE(timer.isArmed());

    EXPECT_THROW(timer.setInterval(500), OutOfResources);
    EXPECT_EQ(timer.interval(), 500);
    EXPECT_FALSE(timer.isArmed());

    // Unchanged values still do nothing, so nothing is tried and nothing fails.
    const int tries = timer.arms;
    timer.setInterval(500);
    timer.setEnabled(true);
    EXPECT_EQ(timer.arms, tries);
    EXPECT_FALSE(timer.isArmed());

    timer.timersLeft = true;
    timer.setInterval(600);
    EXPECT_TRUE(timer.isArmed());
    EXPECT_EQ(timer.interval(), 600);
}

TEST(Timer, AFailingHandlerIsReportedOnEveryTickAndTheTimerStaysArmed)
{
    RecordingErrorBox recorder;
    Timer timer(recorder);
    int ticks = 0;
    timer.setInterval(2);
    timer.setTickHandler([&ticks] {
        ++ticks;
        throw PrinterError(QStringLiteral("Drucker belegt"));
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }));
    EXPECT_TRUE(timer.isArmed());
    EXPECT_GE(recorder.boxes.size(), 3u);
    EXPECT_EQ(recorder.boxes.size(), static_cast<size_t>(ticks));
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Drucker belegt."));
}

TEST(Timer, AHandlerMayStopItsTimerOrReplaceItself)
{
    RecordingErrorBox errors;
    Timer timer(errors);
    int first = 0, second = 0;
    timer.setInterval(2);
    timer.setTickHandler([&] {
        ++first;
        timer.setTickHandler([&] {
            ++second;
            timer.setEnabled(false);
        });
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return second == 1; }));
    QTest::qWait(20);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
    EXPECT_FALSE(timer.isArmed());
}

}  // namespace
