// Damaged and hostile bitmap files: each fault gives its one error, and nothing crashes.
#include "BitmapBytes.h"
#include "BitmapReader.h"
#include "Exception.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>

namespace {
const QString invalid = QStringLiteral("Bitmap ist ungültig");
const QString readError = QStringLiteral("Stream-Lesefehler");

BitmapFile rgb24()
{
    BitmapFile f;
    f.width = 3;
    f.height = 2;
    f.pixels = PackRows(24, {{0xFF0000, 0x00FF00, 0x0000FF}, {0xFFFFFF, 0, 0xFFFF00}});
    return f;
}

BitmapFile palette8(int headerSize)
{
    BitmapFile f = rgb24();
    f.headerSize = headerSize;
    f.bitsPerPixel = 8;
    f.palette.assign(256, qRgb(1, 2, 3));
    f.pixels = PackRows(8, {{1, 2, 3}, {4, 5, 6}});
    return f;
}

enum class Refusal { StreamReadError, InvalidBitmap };
constexpr auto stream = Refusal::StreamReadError;
constexpr auto bad = Refusal::InvalidBitmap;

struct ErrorCase {
    std::string name;
    QByteArray data;
    Refusal refusal;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

QByteArray cut(const QByteArray& data, qsizetype size) { return data.left(size); }

template <typename Change>
QByteArray changed(BitmapFile f, Change change)
{
    change(f);
    return f.bytes();
}

std::vector<ErrorCase> errorCases()
{
    const QByteArray good = rgb24().bytes();
    QByteArray badSignature = good;
    badSignature[1] = 'A';
    const QByteArray eightBit = palette8(40).bytes();
    const QByteArray core8 = palette8(12).bytes();
    const auto big = std::numeric_limits<std::int32_t>::max();
    const auto min = std::numeric_limits<std::int32_t>::min();

    return {
        {"OneByte", cut(good, 1), stream},
        {"EndsInsideFileHeader", cut(good, 13), stream},
        {"TextFile", QByteArray("Dies ist keine Bitmap, sondern Text.\n"), bad},
        {"SignatureNotBM", badSignature, bad},
        {"ShortTextFile", QByteArray("Hallo"), stream},
        {"EndsAfterFileHeader", cut(good, 14), bad},
        {"EndsInsideHeaderSize", cut(good, 16), bad},
        {"EndsInsideInfoHeader", cut(good, 14 + 39), bad},
        {"EndsInsideCoreHeader", cut(core8, 14 + 11), bad},
        {"EndsInsideV5Header", cut(palette8(124).bytes(), 14 + 100), bad},
        {"HeaderSizeBetweenCoreAndInfo",
         changed(rgb24(), [](BitmapFile& f) { f.headerSize = 20; }), bad},
        {"HeaderSizeHuge", good.left(17) + '\x7F' + good.mid(18), bad},
        {"PlanesZero", changed(rgb24(), [](BitmapFile& f) { f.planes = 0; }), bad},
        {"PlanesTwo", changed(rgb24(), [](BitmapFile& f) { f.planes = 2; }), bad},
        {"CorePlanesTwo", changed(palette8(12), [](BitmapFile& f) { f.planes = 2; }), bad},
        {"EndsInsideColourTable", cut(eightBit, 14 + 40 + 1000), stream},
        {"EndsInsideCoreColourTable", cut(core8, 14 + 12 + 3 * 200 + 1), stream},
        {"EndsBeforeColourTable", cut(eightBit, 14 + 40), stream},
        {"EndsInsideMasks",
         cut(changed(rgb24(), [](BitmapFile& f) {
                 f.bitsPerPixel = 16;
                 f.compression = 3;
                 f.masks = {{0xF800, 0x07E0, 0x001F, 0}};
             }), 14 + 40 + 8),
         stream},
        {"ColourCountBeyondTheFile",
         changed(palette8(40), [](BitmapFile& f) { f.colorsUsed = 0xFFFFFFFF; }), stream},
        {"ColourCountBeyondTheFileAt24Bit",
         changed(rgb24(), [](BitmapFile& f) { f.colorsUsed = 1000; }), stream},
        {"WidthZero", changed(rgb24(), [](BitmapFile& f) { f.width = 0; }), bad},
        {"WidthNegative", changed(rgb24(), [](BitmapFile& f) { f.width = -3; }), bad},
        {"WidthMostNegative", changed(rgb24(), [&](BitmapFile& f) { f.width = min; }), bad},
        {"HeightZero", changed(rgb24(), [](BitmapFile& f) { f.height = 0; }), bad},
        {"HeightMostNegative", changed(rgb24(), [&](BitmapFile& f) { f.height = min; }), bad},
        {"WidthHuge", changed(rgb24(), [&](BitmapFile& f) { f.width = big; }), bad},
        {"WidthJustOverTheSide",
         changed(rgb24(), [](BitmapFile& f) { f.width = maxBitmapSide + 1; }), bad},
        {"TopDownJustOverTheSide",
         changed(rgb24(), [](BitmapFile& f) { f.height = -(maxBitmapSide + 1); }), bad},
        {"CoreWidthOverTheSide",
         changed(palette8(12), [](BitmapFile& f) { f.width = 65535; }), bad},
        {"OverThePixelBudget",
         changed(rgb24(), [](BitmapFile& f) { f.width = f.height = maxBitmapSide; }), bad},
        {"BitsPerPixelZero", changed(rgb24(), [](BitmapFile& f) { f.bitsPerPixel = 0; }), bad},
        {"BitsPerPixelTwo", changed(rgb24(), [](BitmapFile& f) { f.bitsPerPixel = 2; }), bad},
        {"BitsPerPixelSeven", changed(rgb24(), [](BitmapFile& f) { f.bitsPerPixel = 7; }), bad},
        {"BitsPerPixel64", changed(rgb24(), [](BitmapFile& f) { f.bitsPerPixel = 64; }), bad},
        {"BitFieldsAt24Bit", changed(rgb24(), [](BitmapFile& f) { f.compression = 3; }), bad},
        {"BitFieldsAt8Bit", changed(palette8(40), [](BitmapFile& f) { f.compression = 3; }), bad},
        {"RunLengthAt24Bit", changed(rgb24(), [](BitmapFile& f) { f.compression = 1; }), bad},
        {"RunLength4At8Bit", changed(palette8(40), [](BitmapFile& f) { f.compression = 2; }), bad},
        {"RunLength8At4Bit", changed(palette8(40), [](BitmapFile& f) {
             f.bitsPerPixel = 4;
             f.compression = 1;
         }), bad},
        {"RunLengthAt16Bit", changed(rgb24(), [](BitmapFile& f) {
             f.bitsPerPixel = 16;
             f.compression = 1;
         }), bad},
        {"EmbeddedJpegAt8Bit", changed(palette8(40), [](BitmapFile& f) { f.compression = 4; }), bad},
        {"RunLengthHuge",
         changed(palette8(40), [](BitmapFile& f) {
             f.compression = 1;
             f.width = f.height = 30000;
             f.pixels = QByteArray::fromHex("00000001");
         }),
         bad},
        {"UnknownCompression", changed(rgb24(), [](BitmapFile& f) { f.compression = 77; }), bad},
    };
}

class BitmapError : public testing::TestWithParam<ErrorCase> {};

TEST_P(BitmapError, RaisesItsError)
{
    const ErrorCase& c = GetParam();
    try {
        const QImage image = readBitmap(c.data);
        FAIL() << "read a " << image.width() << " x " << image.height() << " image";
    } catch (const Exception& e) {
        const bool streamError = c.refusal == Refusal::StreamReadError;
        EXPECT_STREQ(e.className(), streamError ? "EReadError" : "EInvalidGraphic");
        EXPECT_EQ(e.message(), streamError ? readError : invalid);
    }
}

INSTANTIATE_TEST_SUITE_P(Refused, BitmapError, testing::ValuesIn(errorCases()),
                         [](const auto& info) { return info.param.name; });

// A file cut anywhere, or with a few bytes of its headers scrambled, gives an image or one of
// the reader's errors; the sanitizer build turns any stray access into a failure.
void expectReadOrRefused(const QByteArray& data)
{
    try {
        readBitmap(data);
    } catch (const ReadError&) {
    } catch (const InvalidGraphic&) {
    }
}

struct SampleFile {
    std::string name;
    BitmapFile file;
};

void PrintTo(const SampleFile& s, std::ostream* os) { *os << s.name; }

class BitmapRobustness : public testing::TestWithParam<SampleFile> {};

TEST_P(BitmapRobustness, EveryCutIsReadOrRefused)
{
    const QByteArray whole = GetParam().file.bytes();
    for (qsizetype size = 0; size <= whole.size(); ++size)
        expectReadOrRefused(whole.left(size));
}

TEST_P(BitmapRobustness, ScrambledHeadersAreReadOrRefused)
{
    const QByteArray whole = GetParam().file.bytes();
    std::mt19937 random(20240601);
    const qsizetype headers = std::min<qsizetype>(whole.size(), 14 + 124 + 64);
    for (int round = 0; round < 300; ++round) {
        QByteArray data = whole;
        for (int flip = 0; flip < 3; ++flip) {
            const auto at = static_cast<qsizetype>(random() % static_cast<unsigned>(headers));
            data[at] = static_cast<char>(random() & 0xFF);
        }
        expectReadOrRefused(data);
    }
}

BitmapFile bitFields16()
{
    BitmapFile f = rgb24();
    f.bitsPerPixel = 16;
    f.compression = 3;
    f.masks = {{0xF800, 0x07E0, 0x001F, 0}};
    f.pixels = PackRows(16, {{1, 2, 3}, {4, 5, 6}});
    return f;
}

BitmapFile runLength8()
{
    BitmapFile f = palette8(40);
    f.compression = 1;
    f.pixels = QByteArray::fromHex("0201010300000302" "00000001");
    return f;
}

BitmapFile runLength4()
{
    BitmapFile f = palette8(40);
    f.bitsPerPixel = 4;
    f.compression = 2;
    f.palette.resize(16);
    f.pixels = QByteArray::fromHex("0312" "00020101" "00034560" "0000" "0001");
    return f;
}

INSTANTIATE_TEST_SUITE_P(Files, BitmapRobustness,
                         testing::Values(SampleFile{"Info24Bit", rgb24()},
                                         SampleFile{"Info8Bit", palette8(40)},
                                         SampleFile{"Core8Bit", palette8(12)},
                                         SampleFile{"V4Header8Bit", palette8(108)},
                                         SampleFile{"BitFields16Bit", bitFields16()},
                                         SampleFile{"RunLength8", runLength8()},
                                         SampleFile{"RunLength4", runLength4()}),
                         [](const auto& info) { return info.param.name; });
}  // namespace
