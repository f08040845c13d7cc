// The chart on screen: buffered, repainted once per burst of changes, black and white in
// Monochrome.
#include "ChartImages.h"

#include <QCoreApplication>
#include <QTimer>
#include <QEvent>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace charttest;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

class ShownChart : public testing::Test {
protected:
    void SetUp() override
    {
        chart_ = twoCurveChart();
        chart_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(chart_.get()));
        settle();
    }

    std::unique_ptr<ChartView> chart_;
};

// New points are shown at the chart's next frame, one paint however many came.
TEST_F(ShownChart, PointsWaitForTheNextFrameAndCostOnePaint)
{
    PaintCounter counter(*chart_);
    auto* frame = chart_->findChild<QTimer*>("frameTimer");
    ASSERT_TRUE(frame);
    frame->setInterval(std::chrono::hours(1));  // the frames fall due when the test says
    for (int round = 1; round <= 2; ++round) {
        for (int i = 0; i < 300; ++i) {
            chart_->model().append(0, i % 37);
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(counter.paints, round - 1) << "new points wait for the next frame";
        EXPECT_TRUE(frame->isActive());
        frame->start(0);
        settle();
        frame->setInterval(std::chrono::hours(1));
        EXPECT_EQ(counter.paints, round);
    }
    chart_->model().clear(0);
    settle();
    EXPECT_EQ(counter.paints, 3) << "a clearing shows at once";
}

// A burst of model changes without an event loop in between costs one paint.
TEST_F(ShownChart, ABurstOfChangesRepaintsOnce)
{
    PaintCounter counter(*chart_);
    ChartModel& model = chart_->model();
    model.setColor(chartcolor::green);
    model.setLeftAxis(fixedRange(model.leftAxis(), 0, 40));
    setLinePen(model, 0, 1, PenStyle::DashDot);
    settle();
    EXPECT_EQ(counter.paints, 1);
}

TEST_F(ShownChart, MonochromeShowsOnlyBlackAndWhiteAndBackAgain)
{
    fill(*chart_, 100, 9, 27);
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    const int hunterRow = rowOf(p, 9);

    chart_->model().setMonochrome(true);
    settle();
    const QImage mono = chart_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(mono.size(), chart_->size());
    for (int y = 0; y < mono.height(); ++y)
        for (int x = 0; x < mono.width(); ++x) {
            const QRgb c = mono.pixel(x, y);
            ASSERT_TRUE(c == qRgb(0, 0, 0) || c == qRgb(255, 255, 255)) << x << "," << y;
        }
    EXPECT_EQ(at(mono, 5, 5), chartcolor::white);               // silver panel
    EXPECT_EQ(at(mono, p.left + 20, hunterRow), chartcolor::black);  // red curve
    EXPECT_EQ(chart_->model().color(), chartcolor::silver);  // the flag leaves the colours alone

    chart_->model().setMonochrome(false);
    settle();
    const QImage color = chart_->grab().toImage();
    EXPECT_EQ(at(color, 5, 5), chartcolor::silver);
    EXPECT_EQ(at(color, p.left + 20, hunterRow), chartcolor::red);
}

// The black-and-white image takes each pixel by a threshold, so the chart draws its text there
// without antialiasing, and the glyphs keep their shapes; in colour the text stays smooth.
TEST(MonochromeText, HasNoShadesBetweenInkAndPaper)
{
    auto chart = twoCurveChart();
    chart->model().setColor(Qt::white);
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    // The band under the bottom axis's ticks: its labels and its title, black on white.
    const auto colorsUnderThePlot = [&](bool monochrome) {
        chart->model().setMonochrome(monochrome);
        const QImage image = render(*chart);
        QSet<QRgb> colors;
        for (int y = p.bottom + 7; y < chartHeight - 2; ++y)
            for (int x = p.left - 5; x < p.right + 5; ++x)
                colors.insert(image.pixel(x, y));
        return colors.size();
    };
    EXPECT_EQ(colorsUnderThePlot(true), 2);
    EXPECT_GT(colorsUnderThePlot(false), 2);
}

struct Threshold {
    const char* name;
    QRgb color;
    bool black;
};

class MonochromeRule : public testing::TestWithParam<Threshold> {};

TEST_P(MonochromeRule, GreyLevelsBelow128TurnBlack)
{
    QImage image(9, 1, QImage::Format_RGB32);
    image.fill(GetParam().color);
    const QImage mono = ChartView::toMonochrome(image);
    ASSERT_EQ(mono.format(), QImage::Format_Mono);
    for (int x = 0; x < 9; ++x)
        EXPECT_EQ(mono.pixel(x, 0), GetParam().black ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) << x;
}

INSTANTIATE_TEST_SUITE_P(
    Colours, MonochromeRule,
    testing::Values(Threshold{"black", qRgb(0, 0, 0), true}, Threshold{"red", qRgb(255, 0, 0), true},
                    Threshold{"blue", qRgb(0, 0, 255), true}, Threshold{"green", qRgb(0, 255, 0), true},
                    Threshold{"grey127", qRgb(127, 127, 127), true},
                    Threshold{"grey128", qRgb(128, 128, 128), false},
                    Threshold{"silver", qRgb(192, 192, 192), false},
                    Threshold{"white", qRgb(255, 255, 255), false}),
    [](const testing::TestParamInfo<Threshold>& info) { return std::string(info.param.name); });

TEST(Bevel, RaisedOnScreenAbsentWhenPrinting)
{
    auto chart = twoCurveChart();
    const QImage screen = render(*chart);
    const QColor light = chart->palette().color(QPalette::Light);
    const QColor dark = chart->palette().color(QPalette::Dark);
    EXPECT_EQ(screen.pixel(10, 0), light.rgb());
    EXPECT_EQ(screen.pixel(0, 10), light.rgb());
    EXPECT_EQ(screen.pixel(10, chartHeight - 1), dark.rgb());
    EXPECT_EQ(screen.pixel(chartWidth - 1, 10), dark.rgb());
    EXPECT_EQ(at(screen, 10, 1), chartcolor::silver);

    const QImage printed = render(*chart, true);
    for (QPoint pt : {QPoint(10, 0), QPoint(0, 10), QPoint(10, chartHeight - 1), QPoint(10, 1)})
        EXPECT_EQ(at(printed, pt.x(), pt.y()), chartcolor::white) << pt.x() << "," << pt.y();
}

}  // namespace
