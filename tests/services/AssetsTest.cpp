// The four committed pictures, read the way the program reads them at start-up.
#include "PictureFile.h"

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
    EXPECT_EQ(loadPicture(GetParam().file).size(), GetParam().size);
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

}  // namespace
