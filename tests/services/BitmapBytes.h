#pragma once

#include <QByteArray>
#include <QRgb>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Writes bitmap files field by field, so a test can produce every layout and every fault
// without depending on the writer under test.
struct BitmapFile {
    int headerSize = 40;  // 12 core, 40 info, 52/56, 108 V4, 124 V5
    std::int32_t width = 0;
    std::int32_t height = 0;
    int planes = 1;
    int bitsPerPixel = 24;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<QRgb> palette;               // entries written, 3 or 4 bytes as the header wants
    std::optional<std::array<std::uint32_t, 4>> masks;  // in the header (52+) or after it (40)
    QByteArray gap;                          // bytes between the colour table and the pixels
    std::optional<std::uint32_t> offset;     // bfOffBits; by default where the pixels start
    QByteArray pixels;                       // raw, as stored in the file

    QByteArray bytes() const
    {
        QByteArray header;
        const bool core = headerSize == 12;
        if (core) {
            put16(header, 12);
            put16(header, 0);
            put16(header, width);
            put16(header, height);
            put16(header, planes);
            put16(header, bitsPerPixel);
        } else {
            put32(header, static_cast<std::uint32_t>(headerSize));
            put32(header, static_cast<std::uint32_t>(width));
            put32(header, static_cast<std::uint32_t>(height));
            put16(header, planes);
            put16(header, bitsPerPixel);
            put32(header, compression);
            put32(header, imageSize);
            put32(header, 2835);
            put32(header, 2835);
            put32(header, colorsUsed);
            put32(header, 0);
            for (int i = 0; i < 4 && header.size() + 4 <= headerSize; ++i)
                put32(header, masks && headerSize >= 52 ? (*masks)[static_cast<size_t>(i)] : 0);
            header.append(QByteArray(headerSize - header.size(), '\0'));
        }
        if (masks && headerSize < 52) {
            for (int i = 0; i < 3; ++i)
                put32(header, (*masks)[static_cast<size_t>(i)]);
        }
        for (QRgb c : palette) {
            header.append(static_cast<char>(qBlue(c)));
            header.append(static_cast<char>(qGreen(c)));
            header.append(static_cast<char>(qRed(c)));
            if (!core)
                header.append('\0');
        }
        header.append(gap);
        const auto start = static_cast<std::uint32_t>(14 + header.size());
        QByteArray file("BM");
        put32(file, static_cast<std::uint32_t>(start + pixels.size()));
        put32(file, 0);
        put32(file, offset.value_or(start));
        return file + header + pixels;
    }

    static void put16(QByteArray& out, int v)
    {
        out.append(static_cast<char>(v & 0xFF));
        out.append(static_cast<char>((v >> 8) & 0xFF));
    }
    static void put32(QByteArray& out, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
};

// Packs pixel values into one stored row padded to 32 bits: palette indexes for 1/4/8 bits,
// the raw little-endian value for 16 and 32, 0xRRGGBB (stored blue first) for 24.
inline QByteArray PackRow(int bitsPerPixel, const std::vector<std::uint32_t>& values)
{
    const auto bits = static_cast<std::size_t>(bitsPerPixel) * values.size();
    QByteArray row(static_cast<qsizetype>((bits + 31) / 32 * 4), '\0');
    auto* out = reinterpret_cast<unsigned char*>(row.data());
    for (std::size_t x = 0; x < values.size(); ++x) {
        const std::uint32_t v = values[x];
        if (bitsPerPixel < 8) {
            const std::size_t bit = x * static_cast<std::size_t>(bitsPerPixel);
            const int shift = 8 - bitsPerPixel - static_cast<int>(bit % 8);
            out[bit / 8] |= static_cast<unsigned char>(v << shift);
        } else {
            const std::size_t bytes = static_cast<std::size_t>(bitsPerPixel) / 8;
            for (std::size_t b = 0; b < bytes; ++b)
                out[x * bytes + b] = static_cast<unsigned char>(v >> (8 * b));
        }
    }
    return row;
}

inline QByteArray PackRows(int bitsPerPixel, const std::vector<std::vector<std::uint32_t>>& rows)
{
    QByteArray all;
    for (const auto& row : rows)
        all += PackRow(bitsPerPixel, row);
    return all;
}
