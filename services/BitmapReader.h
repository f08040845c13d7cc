#pragma once

#include <QByteArray>
#include <QImage>

// Reads the content of a Windows bitmap file (all fields little-endian): a 14-byte file header
// starting with "BM", a core header (12 bytes) or an info header (40 bytes or more, successors
// included), optional bit-field masks, a colour table and the pixel rows.
//
// Accepted: 1, 4 and 8 bits per pixel with a colour table; 16 (5-5-5 unless bit-field masks say
// otherwise), 24 and 32 (8-8-8 unless masks say otherwise) without; rows bottom-up (positive
// height) or top-down (negative height), each padded to whole 32-bit words.
// The result is Format_RGB32, or Format_ARGB32 when bit-field masks of a header of 56 bytes
// or more include a non-zero alpha mask; the fourth byte of plain 32-bit pixels is unused and
// ignored. Run-length data (compression 1 at 8 bits, 2 at 4 bits per pixel) is expanded by
// RunLengthDecoder: every pixel the data leaves undefined (skipped by a delta, after an early end
// of row or of the bitmap, or missing because the data is cut short) is palette index 0, so a
// file always gives the same picture.
//
// Outcomes, checked in file order:
// - 0 bytes: a null (0 × 0) image, no error;
// - ends inside the file header: ReadError "Stream-Lesefehler";
// - signature not "BM", ends inside the bitmap header, header size neither 12 nor 40 and
//   more, plane count not 1: InvalidGraphic "Bitmap ist ungültig";
// - ends inside the bit-field masks or the colour table: ReadError "Stream-Lesefehler";
// - after that, a bitmap that cannot be created is InvalidGraphic "Bitmap ist ungültig":
//   width not positive, height 0, a side over maxBitmapSide, more than maxBitmapPixels pixels,
//   a pixel size not in the list, bit-field compression at another pixel size than 16 or 32,
//   run-length compression at another pixel size than its own, or any other compression.
//   Run-length data itself is never refused.
//
// The colour table has the header's used-colour count of entries (3 bytes each after a core
// header, 4 otherwise), or 2/16/256 entries for 1/4/8 bits per pixel when that count is 0.
// Only its first 256 entries can be addressed; a pixel index beyond the table is black.
// Pixel rows start at the file header's offset field when it points at or after the end of
// the colour table and inside the file; otherwise right after the colour table (sloppy
// writers leave the offset 0 or wrong). The data read is the smaller of the header's image
// size (the padded rows when 0; for run-length data, the rest of the file) and what is left in
// the file; whatever is missing reads as zero bits, so a file cut short inside its pixels keeps
// its first rows and the rest is palette entry 0 or black.
QImage readBitmap(const QByteArray& data);

// Limits that keep a hostile header from allocating absurd amounts of memory: a side may be
// at most 32768 pixels and the whole image at most 2^25 pixels (128 MiB as 32-bit pixels).
// The fuzz build defines a far smaller budget, so that it spends its time on the files'
// structure instead of filling huge pictures.
#ifndef QUORVEL_MAX_BITMAP_PIXELS
#define QUORVEL_MAX_BITMAP_PIXELS (qint64{1} << 25)
#endif
inline constexpr int maxBitmapSide = 32768;
inline constexpr qint64 maxBitmapPixels = QUORVEL_MAX_BITMAP_PIXELS;
