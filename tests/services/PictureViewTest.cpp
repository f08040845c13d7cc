#include "PictureView.h"
#include "Picture.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
constexpr QRgb parentColor = 0xFF204080;
constexpr QRgb key = 0xFFFF00FF;
constexpr QRgb red = 0xFFFF0000, green = 0xFF00FF00, blue = 0xFF0000FF, white = 0xFFFFFFFF;

// A parent with a plain background, so whatever the picture leaves out shows its colour.
class PictureWidget : public testing::Test {
protected:
    PictureWidget() : image_(new PictureView(&parent_))
    {
        parent_.resize(100, 100);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor::fromRgb(parentColor));
        parent_.setPalette(palette);
        parent_.setAutoFillBackground(true);
        image_->setGeometry(10, 20, 40, 40);
    }

    QRgb shown(int x, int y) { return parent_.grab().toImage().pixel(10 + x, 20 + y); }

    // 2 × 2: red, green on top; the key colour at the bottom left, blue at the bottom right.
    static QImage quadrants()
    {
        QImage image(2, 2, QImage::Format_RGB32);
        image.setPixel(0, 0, red);
        image.setPixel(1, 0, green);
        image.setPixel(0, 1, key);
        image.setPixel(1, 1, blue);
        return image;
    }

    QWidget parent_;
    PictureView* image_;
};

TEST_F(PictureWidget, WithoutAPictureTheParentShows)
{
    EXPECT_EQ(shown(0, 0), parentColor);
    EXPECT_EQ(shown(39, 39), parentColor);
}

struct StretchCase {
    const char* name;
    bool stretch;
    bool center;
    // Widget pixels probed: top-left quadrant, bottom-right quadrant, far corner.
    QPoint redAt, blueAt, parentAt;
};

void PrintTo(const StretchCase& c, std::ostream* os) { *os << c.name; }

class PicturePlacement : public PictureWidget, public testing::WithParamInterface<StretchCase> {};

TEST_P(PicturePlacement, PlacesAndScalesThePicture)
{
    const StretchCase& c = GetParam();
    image_->setStretched(c.stretch);
    image_->setCentered(c.center);
    image_->picture().setImage(quadrants());
    EXPECT_EQ(shown(c.redAt.x(), c.redAt.y()), red);
    EXPECT_EQ(shown(c.blueAt.x(), c.blueAt.y()), blue);
    if (!c.parentAt.isNull()) {
        EXPECT_EQ(shown(c.parentAt.x(), c.parentAt.y()), parentColor);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PicturePlacement,
    testing::Values(StretchCase{"Stretched", true, false, {2, 2}, {37, 37}, {}},
                    StretchCase{"StretchWinsOverCenter", true, true, {2, 2}, {37, 37}, {}},
                    StretchCase{"TopLeft", false, false, {0, 0}, {1, 1}, {39, 39}},
                    StretchCase{"Centred", false, true, {19, 19}, {20, 20}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PictureWidget, TransparentLeavesOutTheBottomLeftColour)
{
    image_->setStretched(true);
    image_->picture().setImage(quadrants());
    EXPECT_EQ(shown(5, 35), key);
    image_->setTransparent(true);
    EXPECT_EQ(shown(5, 35), parentColor);
    EXPECT_EQ(shown(35, 35), blue);
    EXPECT_EQ(shown(5, 5), red);
    image_->setTransparent(false);
    EXPECT_EQ(shown(5, 35), key);
}

TEST_F(PictureWidget, TransparentKeyIsWhateverColourSitsBottomLeft)
{
    QImage picture = quadrants();
    picture.setPixel(0, 1, white);
    picture.setPixel(1, 0, white);
    image_->setStretched(true);
    image_->setTransparent(true);
    image_->picture().setImage(picture);
    EXPECT_EQ(shown(35, 5), parentColor);
    EXPECT_EQ(shown(5, 35), parentColor);
    EXPECT_EQ(shown(5, 5), red);
}

TEST_F(PictureWidget, TilesSharingAPictureShowEachTheirOwnMode)
{
    auto* other = new PictureView(&parent_);
    other->setGeometry(55, 20, 40, 40);
    image_->setStretched(true);
    other->setStretched(true);
    image_->picture().setImage(quadrants());
    other->picture().assign(image_->picture());
    other->setTransparent(true);
    const QImage grabbed = parent_.grab().toImage();
    EXPECT_EQ(grabbed.pixel(10 + 5, 20 + 35), key);
    EXPECT_EQ(grabbed.pixel(55 + 5, 20 + 35), parentColor);
}

TEST_F(PictureWidget, APictureChangeRepaints)
{
    parent_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent_));
    int paints = 0;
    struct PaintCounter : QObject {
        int* count;
        explicit PaintCounter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                ++*count;
            return false;
        }
    } counter(&paints);
    image_->installEventFilter(&counter);
    image_->picture().setImage(quadrants());
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints > 0; }));
    image_->removeEventFilter(&counter);
}

struct ClickCase {
    const char* name;
    Qt::MouseButton button;
    QPoint pressAt, releaseAt;
    int clicks;
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class PictureClicks : public PictureWidget, public testing::WithParamInterface<ClickCase> {};

TEST_P(PictureClicks, ALeftPressAndReleaseOnTheWidgetClicks)
{
    const ClickCase& c = GetParam();
    QSignalSpy clicked(image_, &PictureView::clicked);
    QTest::mousePress(image_, c.button, {}, c.pressAt);
    QTest::mouseRelease(image_, c.button, {}, c.releaseAt);
    EXPECT_EQ(clicked.count(), c.clicks);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, PictureClicks,
    testing::Values(ClickCase{"Left", Qt::LeftButton, {20, 20}, {20, 20}, 1},
                    ClickCase{"LeftMovedWithin", Qt::LeftButton, {1, 1}, {38, 38}, 1},
                    ClickCase{"LeftReleasedOutside", Qt::LeftButton, {20, 20}, {45, 20}, 0},
                    ClickCase{"Right", Qt::RightButton, {20, 20}, {20, 20}, 0},
                    ClickCase{"Middle", Qt::MiddleButton, {20, 20}, {20, 20}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PictureWidget, AnEmptyWidgetStillClicks)
{
    QSignalSpy clicked(image_, &PictureView::clicked);
    QTest::mouseClick(image_, Qt::LeftButton);
    QTest::mouseClick(image_, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 2);
}
}  // namespace
