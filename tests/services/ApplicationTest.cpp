#include "Application.h"
#include "ApplicationErrors.h"
#include "ErrorReporting.h"
#include "Exception.h"

#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

// Handlers run their commands through callReporting: the error goes to the error box, the click
// or drag it interrupted ends, and the next event is handled as ever.
struct ApplicationTest : ::testing::Test {
    RecordingErrorBox& recorder = applicationErrors();
    template <typename Command> auto reporting(Command command) { return ::reporting(recorder, command); }
};

TEST_F(ApplicationTest, IsCalledQuorvel)
{
    ASSERT_NE(qobject_cast<Application*>(qApp), nullptr);
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Quorvel"));
}

TEST_F(ApplicationTest, ReportsAnErrorInAClickHandlerAndTheNextClickRuns)
{
    QPushButton button(QStringLiteral("Neu"));
    button.show();
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, reporting([&clicks] {
                         ++clicks;
                         if (clicks == 1)
                             throw FileOpenError(QStringLiteral("Datei leer.bmp kann nicht geöffnet werden. weg"));
                     }));

    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text,
              QStringLiteral("Datei leer.bmp kann nicht geöffnet werden. weg."));
    EXPECT_EQ(recorder.boxes[0].title, QStringLiteral("Quorvel"));
    EXPECT_FALSE(button.isDown());

    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(recorder.boxes.size(), 1u);
}

TEST_F(ApplicationTest, ReportsOtherExceptionsWithTheFatalTextAndGoesOn)
{
    QPushButton button(QStringLiteral("Ende"));
    button.show();
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, reporting([&clicks] {
                         if (++clicks == 1)
                             throw std::logic_error("unerwartet");
                     }));

    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].title, QStringLiteral("Anwendungsfehler"));
    EXPECT_TRUE(recorder.boxes[0].text.startsWith(QStringLiteral("Exception std::logic_error in Modul ")));
    EXPECT_TRUE(recorder.boxes[0].text.endsWith(QStringLiteral("\r\nunerwartet.\r\n")));

    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ApplicationTest, AnErrorWhileAButtonIsHeldPopsItUpWithoutAClick)
{
    QPushButton button(QStringLiteral("Würfeln"));
    button.show();
    int clicks = 0;
    QObject::connect(&button, &QPushButton::pressed,
                     reporting([] { throw ConvertError(QStringLiteral("beim Drücken")); }));
    QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });

    QTest::mousePress(&button, Qt::LeftButton);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_FALSE(button.isDown());
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
}

QPoint handleCenter(QSlider& slider)
{
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.subControls = QStyle::SC_All;
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.sliderPosition = slider.sliderPosition();
    option.sliderValue = slider.value();
    option.singleStep = slider.singleStep();
    option.pageStep = slider.pageStep();
    option.tickPosition = slider.tickPosition();
    option.tickInterval = slider.tickInterval();
    option.upsideDown = false;
    return slider.style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider)
        .center();
}

TEST_F(ApplicationTest, AnErrorDuringADragEndsTheDrag)
{
    QSlider slider(Qt::Horizontal);
    slider.setRange(0, 100);
    slider.resize(200, 30);
    slider.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&slider));
    int moves = 0;
    QObject::connect(&slider, &QSlider::valueChanged, reporting([&moves] {
                         if (++moves == 2)
                             throw ConvertError(QStringLiteral("beim Ziehen"));
                     }));

    const QPoint start = handleCenter(slider);
    QTest::mousePress(&slider, Qt::LeftButton, {}, start);
    ASSERT_TRUE(slider.isSliderDown());
    QTest::mouseMove(&slider, start + QPoint(20, 0));
    QTest::mouseMove(&slider, start + QPoint(40, 0));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_FALSE(slider.isSliderDown());

    // The thumb no longer follows the mouse.
    const int after = slider.value();
    QTest::mouseMove(&slider, start + QPoint(80, 0));
    EXPECT_EQ(slider.value(), after);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, start + QPoint(80, 0));
}

TEST_F(ApplicationTest, AnErrorReleasesAnExplicitMouseGrab)
{
    QWidget window;
    window.resize(100, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.grabMouse();
    ASSERT_EQ(QWidget::mouseGrabber(), &window);

    QTimer::singleShot(0, reporting([] { throw ConvertError(QStringLiteral("im Takt")); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.boxes.empty(); }));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

// A command gets the signal's arguments where it takes them, and nothing of a signal's private
// tag (the sanitizers' build reports a reference to it where it has no object).
TEST_F(ApplicationTest, ACommandTakesTheArgumentsItAsksFor)
{
    QSlider slider(Qt::Horizontal);
    slider.setRange(0, 100);
    std::vector<int> values;
    QObject::connect(&slider, &QSlider::valueChanged, reporting([&values](int value) { values.push_back(value); }));
    int ticks = 0;
    QTimer timer;
    // Queued, as a worker thread's finished() reaches the window: then the tag has no object.
    QObject::connect(&timer, &QTimer::timeout, &timer, reporting([&] {
                         ++ticks;
                         timer.stop();
                     }), Qt::QueuedConnection);
    slider.setValue(42);
    timer.start(0);
    EXPECT_EQ(values, std::vector<int>{42});
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks == 1; }));
    EXPECT_TRUE(recorder.boxes.empty());
}

}  // namespace
