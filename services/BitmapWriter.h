#pragma once

#include <QByteArray>
#include <QImage>

// Writes an image as an uncompressed Windows bitmap file: 14-byte file header, 40-byte info
// header, no colour table, rows bottom-up and padded to 32 bits. bitsPerPixel is 24 or 32
// (the fourth byte is written as 0 and carries no alpha); for any other value, and for a null
// image, the result is empty, which reads back as an empty picture.
QByteArray writeBitmap(const QImage& image, int bitsPerPixel = 24);
