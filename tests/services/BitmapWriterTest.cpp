#include "BitmapReader.h"
#include "BitmapWriter.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QSize& size, std::ostream* os)
{
    *os << size.width() << "x" << size.height();
}

namespace {
// Odd widths make every row need padding; each pixel gets its own colour.
QImage sample(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 40, y * 60, (x * 13 + y * 7) & 0xFF));
    }
    return image;
}

class BitmapWriterRoundTrip : public testing::TestWithParam<std::tuple<int, QSize>> {};

TEST_P(BitmapWriterRoundTrip, BothReadersGetThePixelsBack)
{
    const auto [bits, size] = GetParam();
    const QImage original = sample(size.width(), size.height());
    const QByteArray file = writeBitmap(original, bits);
    ASSERT_FALSE(file.isEmpty());
    EXPECT_EQ(readBitmap(file), original);
    EXPECT_EQ(QImage::fromData(file, "BMP").convertToFormat(QImage::Format_RGB32), original);
}

INSTANTIATE_TEST_SUITE_P(Sizes, BitmapWriterRoundTrip,
                         testing::Combine(testing::Values(24, 32),
                                          testing::Values(QSize(1, 1), QSize(3, 2), QSize(5, 4),
                                                          QSize(41, 41))),
                         [](const auto& info) {
                             const QSize size = std::get<1>(info.param);
                             return std::to_string(std::get<0>(info.param)) + "Bit"
                                 + std::to_string(size.width()) + "x"
                                 + std::to_string(size.height());
                         });

TEST(BitmapWriter, NothingToWriteGivesNoBytes)
{
    EXPECT_TRUE(writeBitmap(QImage()).isEmpty());
    EXPECT_TRUE(writeBitmap(sample(2, 2), 16).isEmpty());
    EXPECT_TRUE(readBitmap(writeBitmap(QImage())).isNull());
}
}  // namespace
