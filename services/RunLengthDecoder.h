#pragma once

#include <QtGlobal>

#include <vector>

// Expands the run-length pixel data of a 4- or 8-bit bitmap into one palette index per pixel.
//
// The data is a sequence of byte pairs. A pair (n, v) with n > 0 is a run of n pixels: n times
// v at 8 bits, at 4 bits v's high and low nibble by turns. A pair (0, c) is an escape:
// c = 0 ends the row, c = 1 ends the bitmap, c = 2 is followed by two bytes dx, dy that move
// the position right and up (further into the data's row order), and c >= 3 is followed by c
// literal pixels (c bytes at 8 bits, c nibbles high first at 4 bits), padded to an even number
// of bytes.
//
// Every pixel of the result is defined: whatever the data leaves out (a delta jumps over it, a
// row or the bitmap ends early, the data stops) is index 0. Pixels that would land right of the
// last column are dropped rather than wrapped into the next row, and decoding stops once the
// position has left the last row; nothing the data says can write outside the image.
class RunLengthDecoder {
public:
    // bitsPerPixel is 4 or 8; width and height are positive.
    RunLengthDecoder(int width, int height, int bitsPerPixel);

    // Returns width × height indexes, row by row in the data's order (the first row stored,
    // the bottom one of the picture, comes first). Reads at most size bytes of data.
    std::vector<uchar> decode(const uchar* data, qint64 size);

private:
    void put(uchar index);
    void run(int count, uchar value);
    // Returns false when the data ends before the literal pixels do.
    bool literal(int count);

    qint64 width_;
    qint64 height_;
    bool fourBit_;
    std::vector<uchar> indexes_;
    const uchar* data_ = nullptr;
    qint64 size_ = 0;
    qint64 at_ = 0;
    qint64 x_ = 0;
    qint64 y_ = 0;
};
