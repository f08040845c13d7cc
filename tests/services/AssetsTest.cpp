// The four committed pictures, read the way the program reads them at start-up.
#include "PictureView.h"
#include "Picture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
class Assets : public testing::Test {
protected:
    void SetUp() override
    {
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(QUORVEL_ASSET_DIR));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

struct AssetCase {
    const char* file;
    QSize size;
};

void PrintTo(const AssetCase& c, std::ostream* os) { *os << c.file; }

class AssetSizes : public Assets, public testing::WithParamInterface<AssetCase> {};

TEST_P(AssetSizes, LoadWithTheirSize)
{
    Picture picture;
    picture.loadFromFile(GetParam().file);
    EXPECT_EQ(picture.image().size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Files, AssetSizes,
                         testing::Values(AssetCase{"leer.bmp", {41, 41}},
                                         AssetCase{"prey.bmp", {41, 41}},
                                         AssetCase{"hunter.bmp", {41, 41}},
                                         AssetCase{"back.bmp", {297, 297}}),
                         [](const auto& info) {
                             const std::string file = info.param.file;
                             return file.substr(0, file.find('.'));
                         });

// A tile over the background at the first cell's place, as the board lays them out.
TEST_F(Assets, EmptyTilesShowTheBackgroundAndAnimalTilesHideIt)
{
    QWidget board;
    board.resize(320, 320);
    auto* background = new PictureView(&board);
    background->setGeometry(8, 16, 297, 297);
    background->setStretched(true);
    background->picture().loadFromFile("back.bmp");
    Picture empty, prey;
    empty.loadFromFile("leer.bmp");
    prey.loadFromFile("prey.bmp");
    auto* tile = new PictureView(&board);
    tile->setGeometry(18, 26, 41, 41);
    tile->setStretched(true);
    tile->setTransparent(true);
    tile->picture().assign(empty);

    const QImage& back = background->picture().image();
    const QRgb key = empty.image().pixel(0, 40);
    QImage shown = board.grab().toImage();
    int keyed = 0, hidden = 0;
    for (int y = 0; y < 41; ++y) {
        for (int x = 0; x < 41; ++x) {
            if (empty.image().pixel(x, y) != key)
                continue;
            ++keyed;
            hidden += shown.pixel(18 + x, 26 + y) != back.pixel(10 + x, 10 + y);
        }
    }
    EXPECT_GT(keyed, 41 * 41 * 9 / 10);
    EXPECT_EQ(hidden, 0);

    tile->setTransparent(false);
    tile->picture().assign(prey);
    shown = board.grab().toImage();
    EXPECT_EQ(shown.copy(18, 26, 41, 41), prey.image());
}
}  // namespace
