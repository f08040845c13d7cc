// Every bitmap layout the reader accepts, each written byte by byte and checked pixel by pixel.
#include "BitmapBytes.h"
#include "BitmapReader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {
constexpr QRgb red = 0xFFFF0000, green = 0xFF00FF00, blue = 0xFF0000FF;
constexpr QRgb white = 0xFFFFFFFF, black = 0xFF000000, yellow = 0xFFFFFF00;

QRgb shade16(int i) { return qRgb(i * 16, 255 - i * 16, i); }
QRgb shade256(int i) { return qRgb(i, 255 - i, (i * 7) & 0xFF); }

std::vector<QRgb> shades(int count, QRgb (*shade)(int))
{
    std::vector<QRgb> palette;
    for (int i = 0; i < count; ++i)
        palette.push_back(shade(i));
    return palette;
}

struct Pixel {
    int x, y;
    QRgb color;
};

struct LayoutCase {
    std::string name;
    BitmapFile file;
    std::vector<Pixel> expected;
    int tolerance = 0;  // per channel, for channels narrower than 8 bits
    // How far Qt's own decoder may be off per channel; -1 where it reads the file otherwise.
    // Qt widens 5- and 6-bit channels by shifting (31 becomes 248), this reader to full range.
    int qtTolerance = 0;
    QImage::Format format = QImage::Format_RGB32;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

// A 3 × 2 bitmap: three columns keep every row shorter than its 32-bit padding.
BitmapFile threeByTwo(int headerSize, int bitsPerPixel, QByteArray pixels,
                      std::vector<QRgb> palette = {})
{
    BitmapFile f;
    f.headerSize = headerSize;
    f.width = 3;
    f.height = 2;
    f.bitsPerPixel = bitsPerPixel;
    f.palette = std::move(palette);
    f.pixels = std::move(pixels);
    return f;
}

// Rows as stored: the bottom row (y = 1) first.
const QByteArray rgbRows = PackRows(24, {{0xFF0000, 0x00FF00, 0x0000FF}, {0xFFFFFF, 0, 0xFFFF00}});
const std::vector<Pixel> rgbPixels{{0, 1, red}, {1, 1, green}, {2, 1, blue},
                                   {0, 0, white}, {1, 0, black}, {2, 0, yellow}};

BitmapFile with(BitmapFile f, void (*change)(BitmapFile&))
{
    change(f);
    return f;
}

std::vector<LayoutCase> layoutCases()
{
    const auto oneBit = PackRows(1, {{1, 0, 1}, {0, 1, 1}});
    const std::vector<Pixel> oneBitPixels{{0, 1, blue}, {1, 1, red}, {2, 1, blue},
                                          {0, 0, red}, {1, 0, blue}, {2, 0, blue}};
    const auto fourBit = PackRows(4, {{1, 2, 15}, {14, 0, 7}});
    const std::vector<Pixel> fourBitPixels{{0, 1, shade16(1)}, {1, 1, shade16(2)},
                                           {2, 1, shade16(15)}, {0, 0, shade16(14)},
                                           {1, 0, shade16(0)}, {2, 0, shade16(7)}};
    const auto eightBit = PackRows(8, {{0, 128, 255}, {3, 200, 77}});
    const std::vector<Pixel> eightBitPixels{{0, 1, shade256(0)}, {1, 1, shade256(128)},
                                            {2, 1, shade256(255)}, {0, 0, shade256(3)},
                                            {1, 0, shade256(200)}, {2, 0, shade256(77)}};
    const std::array<std::uint32_t, 4> mask565{0xF800, 0x07E0, 0x001F, 0};
    const auto rows565 = PackRows(16, {{0xF800, 0x07E0, 0x001F}, {0xFFFF, 0, 0x8410}});
    const std::vector<Pixel> pixels565{{0, 1, red}, {1, 1, green}, {2, 1, blue},
                                       {0, 0, white}, {1, 0, black}, {2, 0, qRgb(132, 130, 132)}};

    std::vector<LayoutCase> cases;
    cases.push_back({"CoreHeader1Bit", threeByTwo(12, 1, oneBit, {red, blue}), oneBitPixels});
    const auto palette16 = shades(16, shade16);
    const auto palette256 = shades(256, shade256);
    cases.push_back({"CoreHeader4Bit", threeByTwo(12, 4, fourBit, palette16), fourBitPixels});
    cases.push_back({"CoreHeader8Bit", threeByTwo(12, 8, eightBit, palette256), eightBitPixels});
    cases.push_back({"CoreHeader24Bit", threeByTwo(12, 24, rgbRows), rgbPixels});
    cases.push_back({"InfoHeader1Bit", threeByTwo(40, 1, oneBit, {red, blue}), oneBitPixels});
    cases.push_back({"InfoHeader4Bit", threeByTwo(40, 4, fourBit, palette16), fourBitPixels});
    cases.push_back({"InfoHeader8Bit", threeByTwo(40, 8, eightBit, palette256), eightBitPixels});
    cases.push_back({"InfoHeader16Bit555",
                     threeByTwo(40, 16,
                                PackRows(16, {{0x7C00, 0x03E0, 0x001F}, {0x7FFF, 0, 0x4210}})),
                     {{0, 1, red}, {1, 1, green}, {2, 1, blue}, {0, 0, white}, {1, 0, black},
                      {2, 0, qRgb(132, 132, 132)}},
                     1, 7});
    cases.push_back({"InfoHeader24Bit", threeByTwo(40, 24, rgbRows), rgbPixels});
    // The fourth byte of a plain 32-bit pixel is no alpha: the pixels stay opaque.
    cases.push_back({"InfoHeader32BitIgnoresFourthByte",
                     threeByTwo(40, 32, PackRows(32, {{0x80FF0000, 0x0000FF00, 0xFF0000FF},
                                                      {0x01FFFFFF, 0, 0x7FFFFF00}})),
                     rgbPixels});

    auto bitFields565 = threeByTwo(40, 16, rows565);
    bitFields565.compression = 3;
    bitFields565.masks = mask565;
    cases.push_back({"BitFields16Bit565", bitFields565, pixels565, 1, 7});
    auto bitFields32 = threeByTwo(40, 32, PackRows(32, {{0x0000FF, 0x00FF00, 0xFF0000},
                                                        {0xFFFFFF, 0, 0x00FFFF}}));
    bitFields32.compression = 3;
    bitFields32.masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0};
    cases.push_back({"BitFields32BitRedInLowByte", bitFields32, rgbPixels});

    auto v4Alpha = threeByTwo(108, 32, PackRows(32, {{0x80FF0000, 0xFF00FF00, 0x000000FF},
                                                     {0xFFFFFFFF, 0xFF000000, 0x40FFFF00}}));
    v4Alpha.compression = 3;
    v4Alpha.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    cases.push_back({"V4Header32BitWithAlphaMask", v4Alpha,
                     {{0, 1, qRgba(255, 0, 0, 0x80)}, {1, 1, green}, {2, 1, qRgba(0, 0, 255, 0)},
                      {0, 0, white}, {1, 0, black}, {2, 0, qRgba(255, 255, 0, 0x40)}},
                     0, 0, QImage::Format_ARGB32});
    auto v5Masks = threeByTwo(124, 16, rows565);
    v5Masks.compression = 3;
    v5Masks.masks = mask565;
    cases.push_back({"V5Header16Bit565", v5Masks, pixels565, 1, 7});
    cases.push_back({"V4HeaderPlain24Bit", threeByTwo(108, 24, rgbRows), rgbPixels});
    cases.push_back({"V5HeaderPlain8Bit", threeByTwo(124, 8, eightBit, shades(256, shade256)),
                     eightBitPixels});

    auto topDown = threeByTwo(40, 24, rgbRows);
    topDown.height = -2;
    cases.push_back({"TopDownRows", topDown,
                     {{0, 0, red}, {1, 0, green}, {2, 0, blue}, {0, 1, white}, {1, 1, black},
                      {2, 1, yellow}}});

    auto fewColors = threeByTwo(40, 8, PackRows(8, {{0, 1, 2}, {2, 1, 0}}), {red, green, blue});
    fewColors.colorsUsed = 3;
    cases.push_back({"FewerColoursThanTheDefault", fewColors,
                     {{0, 1, red}, {1, 1, green}, {2, 1, blue}, {0, 0, blue}, {2, 0, red}}});
    auto beyondTable = threeByTwo(40, 4, PackRows(4, {{0, 1, 5}, {15, 1, 0}}), {red, green});
    beyondTable.colorsUsed = 2;
    cases.push_back({"IndexBeyondTheTableIsBlack", beyondTable,
                     {{0, 1, red}, {1, 1, green}, {2, 1, black}, {0, 0, black}, {2, 0, red}},
                     0, -1});
    auto manyColors = threeByTwo(40, 8, eightBit, shades(300, shade256));
    manyColors.colorsUsed = 300;
    cases.push_back({"MoreThan256ColoursInTheFile", manyColors, eightBitPixels, 0, -1});
    auto tableAt24 = threeByTwo(40, 24, rgbRows, {yellow, yellow});
    tableAt24.colorsUsed = 2;
    cases.push_back({"ColourTableBefore24BitPixels", tableAt24, rgbPixels});

    BitmapFile wide;
    wide.width = 33;
    wide.height = 2;
    wide.bitsPerPixel = 1;
    wide.palette = {black, white};
    std::vector<std::uint32_t> lastSet(33, 0), firstSet(33, 0);
    lastSet[32] = 1;
    firstSet[0] = 1;
    wide.pixels = PackRows(1, {lastSet, firstSet});
    cases.push_back({"RowsPaddedTo32Bits", wide,
                     {{32, 1, white}, {31, 1, black}, {0, 1, black}, {0, 0, white}, {1, 0, black},
                      {32, 0, black}}});

    auto cutPalette = threeByTwo(40, 8, PackRows(8, {{1, 1, 1}, {1, 1, 1}}), {green, red});
    cutPalette.colorsUsed = 2;
    cutPalette.pixels.truncate(5);
    cases.push_back({"CutShortPaletteRowsAreIndexZero", cutPalette,
                     {{0, 1, red}, {2, 1, red}, {0, 0, red}, {1, 0, green}, {2, 0, green}},
                     0, -1});
    // The cut leaves the top row one white pixel and one pixel's blue byte.
    auto cut24 = threeByTwo(40, 24, PackRows(24, {{0xFF0000, 0x00FF00, 0x0000FF},
                                                  {0xFFFFFF, 0xFFFFFF, 0xFFFFFF}}));
    cut24.pixels.truncate(16);
    cases.push_back({"CutShort24BitRowsAreBlack", cut24,
                     {{0, 1, red}, {2, 1, blue}, {0, 0, white}, {1, 0, blue}, {2, 0, black}},
                     0, -1});
    auto smallImageSize = threeByTwo(40, 24, rgbRows);
    smallImageSize.imageSize = 12;
    cases.push_back({"ImageSizeLimitsTheData", smallImageSize,
                     {{0, 1, red}, {2, 1, blue}, {0, 0, black}, {2, 0, black}}, 0, -1});

    auto gap = threeByTwo(40, 24, rgbRows);
    gap.gap = QByteArray(6, '\xEE');
    cases.push_back({"OffsetSkipsAGap", gap, rgbPixels});
    cases.push_back({"OffsetZeroMeansAfterTheTable",
                     with(threeByTwo(40, 8, eightBit, shades(256, shade256)),
                          [](BitmapFile& f) { f.offset = 0; }),
                     eightBitPixels, 0, -1});
    cases.push_back({"OffsetPastTheEndMeansAfterTheTable",
                     with(threeByTwo(40, 24, rgbRows), [](BitmapFile& f) { f.offset = 100000; }),
                     rgbPixels, 0, -1});
    cases.push_back({"OffsetInsideTheTableMeansAfterTheTable",
                     with(threeByTwo(40, 4, fourBit, shades(16, shade16)),
                          [](BitmapFile& f) { f.offset = 14 + 40 + 8; }),
                     fourBitPixels, 0, -1});

    // Run-length data: a run is a count and a value, 00 00 ends a row, 00 01 the bitmap.
    auto rle8 = threeByTwo(40, 8, QByteArray::fromHex("0201" "0103" "0000" "0302" "0000" "0001"),
                           {black, red, green, blue});
    rle8.colorsUsed = 4;
    rle8.compression = 1;
    rle8.imageSize = static_cast<std::uint32_t>(rle8.pixels.size());
    cases.push_back({"RunLength8", rle8,
                     {{0, 1, red}, {1, 1, red}, {2, 1, blue}, {0, 0, green}, {2, 0, green}}});
    auto rle4 = threeByTwo(40, 4, QByteArray::fromHex("0312" "0000" "0333" "0000" "0001"),
                           {black, red, green, blue});
    rle4.colorsUsed = 4;
    rle4.compression = 2;
    rle4.imageSize = static_cast<std::uint32_t>(rle4.pixels.size());
    cases.push_back({"RunLength4", rle4,
                     {{0, 1, red}, {1, 1, green}, {2, 1, red}, {0, 0, blue}, {2, 0, blue}}});
    return cases;
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance && qAlpha(a) == qAlpha(b);
}

class BitmapLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(BitmapLayout, ReadsEveryPixel)
{
    const LayoutCase& c = GetParam();
    const QImage image = readBitmap(c.file.bytes());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), c.file.width);
    EXPECT_EQ(image.height(), std::abs(c.file.height));
    EXPECT_EQ(image.format(), c.format);
    for (const Pixel& p : c.expected) {
        EXPECT_PRED3(near, image.pixel(p.x, p.y), p.color, c.tolerance)
            << "pixel (" << p.x << ", " << p.y << ") is " << std::hex << image.pixel(p.x, p.y);
    }
}

// Qt's decoder is an independent reading of the same format: where it reads a file fully,
// both readers must agree on every pixel.
class BitmapLikeQt : public testing::TestWithParam<LayoutCase> {};

TEST_P(BitmapLikeQt, AgreesWithQtsDecoder)
{
    const LayoutCase& c = GetParam();
    const QByteArray bytes = c.file.bytes();
    const QImage ours = readBitmap(bytes);
    const QImage qts = QImage::fromData(bytes, "BMP");
    ASSERT_FALSE(qts.isNull());
    ASSERT_EQ(ours.size(), qts.size());
    for (int y = 0; y < ours.height(); ++y) {
        for (int x = 0; x < ours.width(); ++x)
            EXPECT_PRED3(near, ours.pixel(x, y), qts.pixel(x, y), c.qtTolerance) << x << ", " << y;
    }
}

std::vector<LayoutCase> casesQtReadsAlike()
{
    std::vector<LayoutCase> cases = layoutCases();
    std::erase_if(cases, [](const LayoutCase& c) { return c.qtTolerance < 0; });
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Accepted, BitmapLayout, testing::ValuesIn(layoutCases()),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(Accepted, BitmapLikeQt, testing::ValuesIn(casesQtReadsAlike()),
                         [](const auto& info) { return info.param.name; });

TEST(BitmapFileEmpty, ZeroBytesGiveAnEmptyImage)
{
    const QImage image = readBitmap(QByteArray());
    EXPECT_TRUE(image.isNull());
    EXPECT_EQ(image.size(), QSize(0, 0));
}
}  // namespace
