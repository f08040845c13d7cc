// Writes the fuzzers' seed corpus: one small file per bitmap layout the reader accepts and per
// way a bitmap file can be refused, and one text per accepted and refused form of an integer.
// Usage: quorvel-fuzz-seeds <corpus folder>; it fills <folder>/bitmap and <folder>/integer.
#include "BitmapBytes.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {
using Seed = std::pair<std::string, QByteArray>;

bool writeAll(const QString& folder, const std::vector<Seed>& seeds)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const auto& [name, bytes] : seeds) {
        QFile file(folder + u'/' + QString::fromStdString(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
    }
    return true;
}

std::vector<QRgb> palette(int count)
{
    std::vector<QRgb> colors;
    for (int i = 0; i < count; ++i)
        colors.push_back(qRgb(i * 37 & 0xFF, 255 - i, i * 11 & 0xFF));
    return colors;
}

// A 3 × 2 picture: rows shorter than their padding, so padding is exercised too.
BitmapFile picture(int headerSize, int bitsPerPixel)
{
    BitmapFile f;
    f.headerSize = headerSize;
    f.width = 3;
    f.height = 2;
    f.bitsPerPixel = bitsPerPixel;
    if (bitsPerPixel <= 8)
        f.palette = palette(1 << bitsPerPixel);
    const std::uint32_t top = bitsPerPixel == 1 ? 1 : bitsPerPixel == 4 ? 15 : 0xFFFFFF;
    f.pixels = PackRows(bitsPerPixel, {{0, top / 2, top}, {top, 1, 0}});
    return f;
}

BitmapFile with(BitmapFile f, const std::function<void(BitmapFile&)>& change)
{
    change(f);
    return f;
}

// Run-length files that leave pixels out or stop early, in both depths; all of them are read.
std::vector<Seed> runLengthBitmaps()
{
    auto rle = [](int bits, const char* hex, const std::function<void(BitmapFile&)>& change =
                                                 [](BitmapFile&) {}) {
        BitmapFile f = picture(40, bits);
        f.width = 5;
        f.height = 3;
        f.compression = bits == 8 ? 1 : 2;
        f.pixels = QByteArray::fromHex(hex);
        f.imageSize = static_cast<std::uint32_t>(f.pixels.size());
        change(f);
        return f.bytes();
    };
    return {
        {"ok-run-length-4-delta.bmp", rle(4, "0312" "00020101" "0234" "0001")},
        {"ok-run-length-end-of-row.bmp", rle(8, "0201" "0000" "0302" "0000" "0403" "0001")},
        {"ok-run-length-4-end-of-row.bmp", rle(4, "0456" "0000" "0003" "7890" "0000" "0001")},
        {"ok-run-length-end-of-bitmap.bmp", rle(8, "0504" "0000" "0201" "0001")},
        {"ok-run-length-4-odd-literal.bmp", rle(4, "0005" "123450" "00" "0000" "02EE" "0001")},
        {"ok-run-length-run-past-row.bmp", rle(8, "0709" "0000" "0001")},
        {"ok-run-length-delta-past-top.bmp", rle(8, "0101" "00020105" "0102" "0001")},
        {"ok-run-length-cut-in-literal.bmp", rle(8, "0205" "0000" "0005" "0102")},
        {"ok-run-length-no-data.bmp", rle(8, "")},
        {"ok-run-length-top-down.bmp", rle(8, "0301" "0000" "0003" "020304" "00" "0001",
                                           [](BitmapFile& f) { f.height = -3; })},
        {"ok-run-length-image-size-short.bmp", rle(8, "0501" "0000" "0502" "0001",
                                                   [](BitmapFile& f) { f.imageSize = 4; })},
        {"ok-run-length-no-image-size.bmp", rle(4, "05AB" "0000" "05CD" "0001",
                                                [](BitmapFile& f) { f.imageSize = 0; })},
    };
}

std::vector<Seed> acceptedBitmaps()
{
    std::vector<Seed> seeds{{"ok-empty.bmp", QByteArray()}};
    for (int bits : {1, 4, 8, 24})
        seeds.push_back({"ok-core-" + std::to_string(bits) + "bit.bmp", picture(12, bits).bytes()});
    for (int bits : {1, 4, 8, 16, 24, 32})
        seeds.push_back({"ok-info-" + std::to_string(bits) + "bit.bmp", picture(40, bits).bytes()});
    const std::array<std::uint32_t, 4> mask565{0xF800, 0x07E0, 0x001F, 0};
    const std::array<std::uint32_t, 4> maskAlpha{0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    auto masked = [](int headerSize, int bits, std::array<std::uint32_t, 4> masks) {
        return with(picture(headerSize, bits), [masks](BitmapFile& f) {
            f.compression = 3;
            f.masks = masks;
        });
    };
    seeds.push_back({"ok-bitfields-16bit-565.bmp", masked(40, 16, mask565).bytes()});
    seeds.push_back({"ok-bitfields-32bit.bmp", masked(40, 32, {0xFF, 0xFF00, 0xFF0000, 0}).bytes()});
    seeds.push_back({"ok-header52-masks.bmp", masked(52, 16, mask565).bytes()});
    seeds.push_back({"ok-header56-alpha.bmp", masked(56, 32, maskAlpha).bytes()});
    seeds.push_back({"ok-v4-alpha.bmp", masked(108, 32, maskAlpha).bytes()});
    seeds.push_back({"ok-v5-8bit.bmp", picture(124, 8).bytes()});
    seeds.push_back({"ok-top-down.bmp", with(picture(40, 24), [](BitmapFile& f) { f.height = -2; }).bytes()});
    seeds.push_back({"ok-short-colour-table.bmp", with(picture(40, 8), [](BitmapFile& f) {
                         f.colorsUsed = 3;
                         f.palette.resize(3);
                     }).bytes()});
    seeds.push_back({"ok-colour-count-over-256.bmp", with(picture(40, 8), [](BitmapFile& f) {
                         f.colorsUsed = 300;
                         f.palette = palette(300);
                     }).bytes()});
    seeds.push_back({"ok-gap-before-pixels.bmp",
                     with(picture(40, 24), [](BitmapFile& f) { f.gap = QByteArray(10, '\x55'); }).bytes()});
    seeds.push_back({"ok-offset-zero.bmp", with(picture(40, 24), [](BitmapFile& f) { f.offset = 0; }).bytes()});
    seeds.push_back({"ok-offset-past-end.bmp",
                     with(picture(40, 24), [](BitmapFile& f) { f.offset = 0xFFFFFF; }).bytes()});
    seeds.push_back({"ok-image-size-short.bmp",
                     with(picture(40, 24), [](BitmapFile& f) { f.imageSize = 5; }).bytes()});
    seeds.push_back({"ok-cut-in-pixels.bmp", picture(40, 24).bytes().chopped(7)});
    seeds.push_back({"ok-no-pixels.bmp", with(picture(40, 8), [](BitmapFile& f) { f.pixels.clear(); }).bytes()});
    seeds.push_back({"ok-run-length-8.bmp", with(picture(40, 8), [](BitmapFile& f) {
                         f.compression = 1;
                         f.pixels = QByteArray::fromHex("0201010300000302" "0003070809000001");
                     }).bytes()});
    seeds.push_back({"ok-run-length-4.bmp", with(picture(40, 4), [](BitmapFile& f) {
                         f.compression = 2;
                         f.pixels = QByteArray::fromHex("0312" "0000" "000321300000" "0001");
                     }).bytes()});
    seeds.push_back({"ok-run-length-delta.bmp", with(picture(40, 8), [](BitmapFile& f) {
                         f.compression = 1;
                         f.pixels = QByteArray::fromHex("01040002010101050001");
                     }).bytes()});
    for (const auto& [name, seed] : runLengthBitmaps())
        seeds.push_back({name, seed});
    return seeds;
}

std::vector<Seed> refusedBitmaps()
{
    const QByteArray good = picture(40, 24).bytes();
    const QByteArray eightBit = picture(40, 8).bytes();
    const QByteArray core8 = picture(12, 8).bytes();
    const auto min = std::numeric_limits<std::int32_t>::min();
    auto changed = [](BitmapFile f, const std::function<void(BitmapFile&)>& change) {
        return with(std::move(f), change).bytes();
    };
    QByteArray signature = good;
    signature[1] = 'A';
    return {
        {"err-one-byte.bmp", good.left(1)},
        {"err-cut-in-file-header.bmp", good.left(13)},
        {"err-text.bmp", QByteArray("Dies ist keine Bitmap, sondern Text.\n")},
        {"err-signature.bmp", signature},
        {"err-only-file-header.bmp", good.left(14)},
        {"err-cut-in-info-header.bmp", good.left(14 + 39)},
        {"err-cut-in-core-header.bmp", core8.left(14 + 11)},
        {"err-header-size-20.bmp", changed(picture(40, 24), [](BitmapFile& f) { f.headerSize = 20; })},
        {"err-planes-0.bmp", changed(picture(40, 24), [](BitmapFile& f) { f.planes = 0; })},
        {"err-core-planes-2.bmp", changed(picture(12, 8), [](BitmapFile& f) { f.planes = 2; })},
        {"err-cut-in-colour-table.bmp", eightBit.left(14 + 40 + 500)},
        {"err-cut-in-core-colour-table.bmp", core8.left(14 + 12 + 100)},
        {"err-cut-in-masks.bmp", changed(picture(40, 16), [](BitmapFile& f) {
             f.compression = 3;
             f.masks = {{0xF800, 0x07E0, 0x001F, 0}};
         }).left(14 + 40 + 8)},
        {"err-colour-count-huge.bmp", changed(picture(40, 8), [](BitmapFile& f) { f.colorsUsed = 0xFFFFFFFF; })},
        {"err-width-0.bmp", changed(picture(40, 24), [](BitmapFile& f) { f.width = 0; })},
        {"err-width-negative.bmp", changed(picture(40, 24), [](BitmapFile& f) { f.width = -3; })},
        {"err-height-0.bmp", changed(picture(40, 24), [](BitmapFile& f) { f.height = 0; })},
        {"err-height-most-negative.bmp", changed(picture(40, 24), [&](BitmapFile& f) { f.height = min; })},
        {"err-width-over-side.bmp", changed(picture(40, 24), [](BitmapFile& f) { f.width = 32769; })},
        {"err-core-width-65535.bmp", changed(picture(12, 8), [](BitmapFile& f) { f.width = 65535; })},
        {"err-pixel-budget.bmp", changed(picture(40, 24), [](BitmapFile& f) { f.width = f.height = 32768; })},
        {"err-bits-0.bmp", changed(picture(40, 24), [](BitmapFile& f) { f.bitsPerPixel = 0; })},
        {"err-bits-2.bmp", changed(picture(40, 24), [](BitmapFile& f) { f.bitsPerPixel = 2; })},
        {"err-bits-64.bmp", changed(picture(40, 24), [](BitmapFile& f) { f.bitsPerPixel = 64; })},
        {"err-bitfields-24bit.bmp", changed(picture(40, 24), [](BitmapFile& f) { f.compression = 3; })},
        {"err-run-length-24bit.bmp", changed(picture(40, 24), [](BitmapFile& f) { f.compression = 1; })},
        {"err-run-length-8-at-4bit.bmp", changed(picture(40, 4), [](BitmapFile& f) { f.compression = 1; })},
        {"err-run-length-4-at-8bit.bmp", changed(picture(40, 8), [](BitmapFile& f) { f.compression = 2; })},
        {"err-compression-4.bmp", changed(picture(40, 8), [](BitmapFile& f) { f.compression = 4; })},
        {"err-run-length-huge.bmp", changed(picture(40, 8), [](BitmapFile& f) {
             f.compression = 1;
             f.width = f.height = 30000;
             f.pixels = QByteArray::fromHex("00000001");
         })},
        {"err-compression-77.bmp", changed(picture(40, 24), [](BitmapFile& f) { f.compression = 77; })},
    };
}

std::vector<Seed> integers()
{
    const char* const accepted[] = {"42", "   42", "+42", "042", "$2A", "x2a", "X2A", "0x2A", "0X2a",
                                    "-$1A", "0", "-0", "-2147483648", "2147483647", "$FFFFFFFF",
                                    "-$FFFFFFFF", "$80000000", "0000000000002147483647",
                                    "0x00000000FF", "xDeadBeef"};
    const char* const refused[] = {"", "   ", "42 ", "4 2", "- 42", "1,5", "1e3", "$", "0x", "-",
                                   "+-1", "\t42", "2147483648", "-2147483649", "$100000000",
                                   "0x1G", "fünf", "٤٢", "4\xEF\xBC\x92"};
    std::vector<Seed> seeds;
    int n = 0;
    for (const char* text : accepted)
        seeds.push_back({"ok-" + std::to_string(++n), QByteArray(text)});
    n = 0;
    for (const char* text : refused)
        seeds.push_back({"err-" + std::to_string(++n), QByteArray(text)});
    return seeds;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvel-fuzz-seeds <corpus folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    std::vector<Seed> bitmaps = acceptedBitmaps();
    for (auto& seed : refusedBitmaps())
        bitmaps.push_back(std::move(seed));
    if (!writeAll(folder + "/bitmap", bitmaps) || !writeAll(folder + "/integer", integers())) {
        std::fprintf(stderr, "quorvel-fuzz-seeds: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
