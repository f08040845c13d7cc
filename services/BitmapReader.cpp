#include "BitmapReader.h"

#include "Exception.h"
#include "RunLengthDecoder.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace {
constexpr qint64 fileHeaderSize = 14;
constexpr qint64 coreHeaderSize = 12;
constexpr qint64 infoHeaderSize = 40;
constexpr qint64 headerWithMasks = 52;       // red, green and blue masks inside the header
constexpr qint64 headerWithAlphaMask = 56;   // and the alpha mask too
constexpr quint32 uncompressed = 0;
constexpr quint32 runLength8 = 1;
constexpr quint32 runLength4 = 2;
constexpr quint32 bitFields = 3;
constexpr int paletteCapacity = 256;

[[noreturn]] void invalidBitmap() { throw InvalidGraphic(QCoreApplication::translate("BitmapReader", "Bitmap ist ungültig")); }
[[noreturn]] void streamReadError() { throw ReadError(QCoreApplication::translate("BitmapReader", "Stream-Lesefehler")); }

// Callers check the bounds first; these only assemble little-endian values.
quint32 u16At(const QByteArray& data, qint64 at)
{
    return quint32{static_cast<uchar>(data.at(at))} | quint32{static_cast<uchar>(data.at(at + 1))} << 8;
}

quint32 u32At(const QByteArray& data, qint64 at)
{
    return u16At(data, at) | u16At(data, at + 2) << 16;
}

qint32 i32At(const QByteArray& data, qint64 at) { return static_cast<qint32>(u32At(data, at)); }

// One colour channel of a 16- or 32-bit pixel, widened to 8 bits.
class Channel {
public:
    Channel() = default;
    explicit Channel(quint32 mask)
        : mask_(mask),
          shift_(mask == 0 ? 0 : std::countr_zero(mask)),
          bits_(mask == 0 ? 0 : 32 - std::countl_zero(mask >> shift_))
    {
    }
    bool present() const { return bits_ != 0; }
    int value(quint32 pixel) const
    {
        if (bits_ == 0)
            return 0;
        const quint32 v = (pixel & mask_) >> shift_;
        if (bits_ >= 8)
            return static_cast<int>(v >> (bits_ - 8));
        const quint32 max = (1u << bits_) - 1;
        return static_cast<int>((v * 255 + max / 2) / max);
    }

private:
    quint32 mask_ = 0;
    int shift_ = 0;
    int bits_ = 0;
};

struct Layout {
    qint64 headerSize = 0;
    qint64 width = 0;
    qint64 height = 0;  // number of rows, always positive once the headers are read
    bool topDown = false;
    int bitsPerPixel = 0;
    quint32 compression = uncompressed;
    qint64 imageSize = 0;
    qint64 colorCount = 0;
    std::array<quint32, 4> masks{};  // red, green, blue, alpha
    std::vector<QRgb> palette;
    qint64 pixelStart = 0;
};

Layout readBitmapHeader(const QByteArray& data)
{
    const qint64 size = data.size();
    if (size < fileHeaderSize + 4)
        invalidBitmap();
    Layout layout;
    layout.headerSize = u32At(data, fileHeaderSize);
    const bool core = layout.headerSize == coreHeaderSize;
    if (!core && layout.headerSize < infoHeaderSize)
        invalidBitmap();
    if (size - fileHeaderSize < layout.headerSize)
        invalidBitmap();

    constexpr qint64 h = fileHeaderSize;
    quint32 planes = 0;
    qint64 signedHeight = 0;
    if (core) {
        layout.width = u16At(data, h + 4);
        signedHeight = u16At(data, h + 6);
        planes = u16At(data, h + 8);
        layout.bitsPerPixel = static_cast<int>(u16At(data, h + 10));
    } else {
        layout.width = i32At(data, h + 4);
        signedHeight = i32At(data, h + 8);
        planes = u16At(data, h + 12);
        layout.bitsPerPixel = static_cast<int>(u16At(data, h + 14));
        layout.compression = u32At(data, h + 16);
        layout.imageSize = u32At(data, h + 20);
        layout.colorCount = u32At(data, h + 32);
    }
    if (planes != 1)
        invalidBitmap();
    layout.topDown = signedHeight < 0;
    layout.height = signedHeight < 0 ? -signedHeight : signedHeight;
    return layout;
}

bool hasMaskedPixels(const Layout& layout)
{
    return layout.compression == bitFields
        && (layout.bitsPerPixel == 16 || layout.bitsPerPixel == 32);
}

// Reads the masks and the colour table; returns where the colour table ends.
qint64 readMasksAndColorTable(const QByteArray& data, Layout& layout)
{
    const qint64 size = data.size();
    qint64 at = fileHeaderSize + layout.headerSize;
    if (hasMaskedPixels(layout)) {
        if (layout.headerSize >= headerWithMasks) {
            const qint64 m = fileHeaderSize + infoHeaderSize;
            layout.masks = {u32At(data, m), u32At(data, m + 4), u32At(data, m + 8), 0};
            if (layout.headerSize >= headerWithAlphaMask)
                layout.masks[3] = u32At(data, m + 12);
        } else {
            if (size - at < 12)
                streamReadError();
            layout.masks = {u32At(data, at), u32At(data, at + 4), u32At(data, at + 8), 0};
            at += 12;
        }
    } else if (layout.bitsPerPixel == 16) {
        layout.masks = {0x7C00, 0x03E0, 0x001F, 0};
    } else if (layout.bitsPerPixel == 32) {
        layout.masks = {0xFF0000, 0x00FF00, 0x0000FF, 0};
    }

    qint64 count = layout.colorCount;
    if (count == 0 && layout.bitsPerPixel >= 1 && layout.bitsPerPixel <= 8) {
        if (layout.bitsPerPixel == 1)
            count = 2;
        else if (layout.bitsPerPixel == 4)
            count = 16;
        else if (layout.bitsPerPixel == 8)
            count = 256;
    }
    const qint64 entrySize = layout.headerSize == coreHeaderSize ? 3 : 4;
    if ((size - at) / entrySize < count)
        streamReadError();
    // Indexes past the table read as black, so the table is padded to what a pixel can address.
    layout.palette.assign(paletteCapacity, qRgb(0, 0, 0));
    for (qint64 i = 0; i < std::min<qint64>(count, paletteCapacity); ++i) {
        const auto* e = reinterpret_cast<const uchar*>(data.constData()) + at + i * entrySize;
        layout.palette[static_cast<size_t>(i)] = qRgb(e[2], e[1], e[0]);
    }
    return at + count * entrySize;
}

void checkCreatable(const Layout& layout)
{
    if (layout.width <= 0 || layout.height == 0 || layout.width > maxBitmapSide
        || layout.height > maxBitmapSide || layout.width * layout.height > maxBitmapPixels)
        invalidBitmap();
}

void checkPixelFormat(const Layout& layout)
{
    const quint32 c = layout.compression;
    switch (layout.bitsPerPixel) {
    case 1:
    case 24:
        if (c != uncompressed)
            invalidBitmap();
        return;
    case 4:
        if (c != uncompressed && c != runLength4)
            invalidBitmap();
        return;
    case 8:
        if (c != uncompressed && c != runLength8)
            invalidBitmap();
        return;
    case 16:
    case 32:
        if (c != uncompressed && c != bitFields)
            invalidBitmap();
        return;
    default:
        invalidBitmap();
    }
}

bool isRunLength(const Layout& layout)
{
    return layout.compression == runLength8 || layout.compression == runLength4;
}

void decodeRow(const uchar* row, QRgb* out, const Layout& layout,
               const std::array<Channel, 4>& channels)
{
    const auto width = static_cast<int>(layout.width);
    const auto& palette = layout.palette;
    switch (layout.bitsPerPixel) {
    case 1:
        for (int x = 0; x < width; ++x)
            out[x] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
        break;
    case 4:
        for (int x = 0; x < width; ++x)
            out[x] = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
        break;
    case 8:
        for (int x = 0; x < width; ++x)
            out[x] = palette[row[x]];
        break;
    case 24:
        for (int x = 0; x < width; ++x)
            out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        break;
    default: {
        const int bytes = layout.bitsPerPixel / 8;
        for (int x = 0; x < width; ++x) {
            const uchar* p = row + bytes * x;
            quint32 v = quint32{p[0]} | quint32{p[1]} << 8;
            if (bytes == 4)
                v |= quint32{p[2]} << 16 | quint32{p[3]} << 24;
            const int alpha = channels[3].present() ? channels[3].value(v) : 255;
            out[x] = qRgba(channels[0].value(v), channels[1].value(v), channels[2].value(v), alpha);
        }
    }
    }
}

QImage decodePixels(const QByteArray& data, const Layout& layout)
{
    const std::array<Channel, 4> channels{Channel(layout.masks[0]), Channel(layout.masks[1]),
                                          Channel(layout.masks[2]), Channel(layout.masks[3])};
    QImage image(static_cast<int>(layout.width), static_cast<int>(layout.height),
                 channels[3].present() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        invalidBitmap();

    const qint64 stride = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
    const qint64 wanted = layout.imageSize != 0 ? layout.imageSize : stride * layout.height;
    const qint64 available = std::min(wanted, data.size() - layout.pixelStart);
    const auto* pixels = reinterpret_cast<const uchar*>(data.constData()) + layout.pixelStart;
    std::vector<uchar> shortRow(static_cast<size_t>(stride));
    for (qint64 r = 0; r < layout.height; ++r) {
        const qint64 begin = r * stride;
        const uchar* row = pixels + begin;
        if (begin + stride > available) {
            std::fill(shortRow.begin(), shortRow.end(), uchar{0});
            if (begin < available)
                std::memcpy(shortRow.data(), row, static_cast<size_t>(available - begin));
            row = shortRow.data();
        }
        const qint64 y = layout.topDown ? r : layout.height - 1 - r;
        decodeRow(row, reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y))), layout,
                  channels);
    }
    return image;
}

QImage decodeRunLength(const QByteArray& data, const Layout& layout)
{
    const auto width = static_cast<int>(layout.width);
    const auto height = static_cast<int>(layout.height);
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        invalidBitmap();

    // The stream marks its own end and may well be longer than the unpacked rows, so only an
    // image size the header states limits it.
    const qint64 left = data.size() - layout.pixelStart;
    const qint64 available = layout.imageSize != 0 ? std::min(layout.imageSize, left) : left;
    const auto* pixels = reinterpret_cast<const uchar*>(data.constData()) + layout.pixelStart;
    const std::vector<uchar> indexes =
        RunLengthDecoder(width, height, layout.bitsPerPixel).decode(pixels, available);
    for (int r = 0; r < height; ++r) {
        const uchar* row = indexes.data() + qint64{r} * width;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(layout.topDown ? r : height - 1 - r));
        for (int x = 0; x < width; ++x)
            out[x] = layout.palette[row[x]];
    }
    return image;
}
}  // namespace

QImage readBitmap(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    if (data.size() < fileHeaderSize)
        streamReadError();
    if (data[0] != 'B' || data[1] != 'M')
        invalidBitmap();

    Layout layout = readBitmapHeader(data);
    const qint64 tableEnd = readMasksAndColorTable(data, layout);
    checkCreatable(layout);
    checkPixelFormat(layout);

    const qint64 offset = u32At(data, 10);
    layout.pixelStart = offset >= tableEnd && offset < data.size() ? offset : tableEnd;
    return isRunLength(layout) ? decodeRunLength(data, layout) : decodePixels(data, layout);
}
