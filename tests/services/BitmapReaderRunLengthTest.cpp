// Run-length pictures: every pixel the data leaves out is palette index 0, and data cut short
// anywhere gives the picture so far with the rest index 0.
#include "BitmapBytes.h"
#include "BitmapReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {
// Index 0 gets a colour of its own, so it cannot pass for black or for zeroed memory.
QRgb color(int index) { return qRgb(10 + index * 15, 200 - index * 8, 30 + index); }

BitmapFile runLengthFile(int bitsPerPixel, const char* hex)
{
    BitmapFile f;
    f.width = 5;
    f.height = 3;
    f.bitsPerPixel = bitsPerPixel;
    f.compression = bitsPerPixel == 8 ? 1 : 2;
    f.colorsUsed = 16;
    for (int i = 0; i < 16; ++i)
        f.palette.push_back(color(i));
    f.pixels = QByteArray::fromHex(hex);
    f.imageSize = static_cast<std::uint32_t>(f.pixels.size());
    return f;
}

// Leaves freed blocks of many sizes full of a non-zero byte, so that a pixel taken from memory
// nobody wrote shows in the picture even without a memory checker.
void scribbleOnFreedMemory()
{
    std::vector<std::unique_ptr<char[]>> blocks;
    for (std::size_t size = 16; size <= 4096; size += 16) {
        blocks.push_back(std::make_unique<char[]>(size));
        auto* volatile bytes = blocks.back().get();
        std::memset(bytes, 0xA5, size);
    }
}

struct GapCase {
    std::string name;
    BitmapFile file;
    std::vector<std::string> picture;  // hexadecimal indexes, top row first
};

void PrintTo(const GapCase& c, std::ostream* os) { *os << c.name; }

std::vector<GapCase> gapCases()
{
    // Escapes: 00 00 ends the row, 00 01 the bitmap, 00 02 dx dy jumps, 00 n holds n literals.
    return {
        {"EndOfRowEarly8", runLengthFile(8, "0201" "0000" "0302" "0000" "0403" "0001"),
         {"33330", "22200", "11000"}},
        {"Delta8", runLengthFile(8, "0101" "00020201" "0102" "0000" "0503" "0001"),
         {"33333", "00020", "10000"}},
        {"EndOfBitmapEarly8", runLengthFile(8, "0504" "0000" "0201" "0001"),
         {"00000", "11000", "44444"}},
        {"RunPastTheRowIsDropped8", runLengthFile(8, "0709" "0000" "0001"),
         {"00000", "00000", "99999"}},
        {"DeltaPastTheTopEnds8", runLengthFile(8, "0101" "00020105" "0102" "0001"),
         {"00000", "00000", "10000"}},
        {"Delta4", runLengthFile(4, "0312" "00020101" "0234" "0001"),
         {"00000", "00003", "12100"}},
        {"EndOfRowEarly4", runLengthFile(4, "0456" "0000" "0003" "7890" "0000" "0001"),
         {"00000", "78900", "56560"}},
        {"EndOfBitmapEarly4", runLengthFile(4, "03AB" "0001"), {"00000", "00000", "ABA00"}},
    };
}

class RunLengthGaps : public testing::TestWithParam<GapCase> {};

TEST_P(RunLengthGaps, LeftOutPixelsAreIndexZero)
{
    const GapCase& c = GetParam();
    scribbleOnFreedMemory();
    const QImage image = readBitmap(c.file.bytes());
    ASSERT_EQ(image.size(), QSize(5, 3));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            const int index = std::stoi(c.picture[static_cast<size_t>(y)].substr(x, 1), nullptr, 16);
            EXPECT_EQ(image.pixel(x, y), color(index)) << "pixel (" << x << ", " << y << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(RunLength, RunLengthGaps, testing::ValuesIn(gapCases()),
                         [](const auto& info) { return info.param.name; });

struct CutCase {
    std::string name;
    BitmapFile file;  // every pixel written, none of them index 0
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }

// Pixels in the order the data describes them: bottom row first, each from the left.
std::vector<QRgb> inDataOrder(const QImage& image)
{
    std::vector<QRgb> pixels;
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x)
            pixels.push_back(image.pixel(x, y));
    }
    return pixels;
}

class RunLengthCut : public testing::TestWithParam<CutCase> {};

TEST_P(RunLengthCut, EveryCutKeepsThePixelsSoFarAndTheRestIsIndexZero)
{
    const BitmapFile& file = GetParam().file;
    const QByteArray whole = file.bytes();
    const std::vector<QRgb> full = inDataOrder(readBitmap(whole));
    ASSERT_EQ(std::count(full.begin(), full.end(), color(0)), 0);

    std::size_t keptBefore = 0;
    for (qsizetype size = whole.size() - file.pixels.size(); size <= whole.size(); ++size) {
        SCOPED_TRACE(testing::Message() << "cut after " << size << " bytes");
        scribbleOnFreedMemory();
        const QImage image = readBitmap(whole.left(size));
        ASSERT_EQ(image.size(), QSize(5, 3));
        const std::vector<QRgb> pixels = inDataOrder(image);
        std::size_t kept = 0;
        while (kept < full.size() && pixels[kept] == full[kept])
            ++kept;
        for (std::size_t i = kept; i < pixels.size(); ++i)
            EXPECT_EQ(pixels[i], color(0)) << "pixel " << i << " in data order";
        EXPECT_GE(kept, keptBefore);
        keptBefore = kept;
    }
    EXPECT_EQ(keptBefore, full.size());
}

BitmapFile withoutImageSize(BitmapFile f)
{
    f.imageSize = 0;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    RunLength, RunLengthCut,
    testing::Values(
        CutCase{"Runs8",
                runLengthFile(8, "03010202" "0000" "0003030405000206" "0000" "03070208" "0001")},
        CutCase{"RunsWithoutImageSize8",
                withoutImageSize(runLengthFile(8, "050A" "0000" "050B" "0000" "050C" "0001"))},
        CutCase{"Runs4",
                runLengthFile(4, "0512" "0000" "000534567000" "0000" "049A01BB" "0001")}),
    [](const auto& info) { return info.param.name; });
}  // namespace
