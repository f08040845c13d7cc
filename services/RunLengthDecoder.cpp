#include "RunLengthDecoder.h"

#include <algorithm>

namespace {
constexpr uchar endOfRow = 0;
constexpr uchar endOfBitmap = 1;
constexpr uchar delta = 2;
}  // namespace

RunLengthDecoder::RunLengthDecoder(int width, int height, int bitsPerPixel)
    : width_(width), height_(height), fourBit_(bitsPerPixel == 4)
{
}

std::vector<uchar> RunLengthDecoder::decode(const uchar* data, qint64 size)
{
    indexes_.assign(static_cast<size_t>(width_ * height_), 0);
    data_ = data;
    size_ = std::max<qint64>(size, 0);
    at_ = x_ = y_ = 0;
    // Every step takes at least two bytes, so the loop ends with the data at the latest.
    while (y_ < height_ && size_ - at_ >= 2) {
        const uchar first = data_[at_];
        const uchar second = data_[at_ + 1];
        at_ += 2;
        if (first != 0) {
            run(first, second);
        } else if (second == endOfRow) {
            x_ = 0;
            ++y_;
        } else if (second == endOfBitmap) {
            break;
        } else if (second == delta) {
            if (size_ - at_ < 2)
                break;
            x_ += data_[at_];
            y_ += data_[at_ + 1];
            at_ += 2;
        } else if (!literal(second)) {
            break;
        }
    }
    return std::move(indexes_);
}

void RunLengthDecoder::put(uchar index)
{
    if (x_ < width_)
        indexes_[static_cast<size_t>(y_ * width_ + x_)] = index;
    ++x_;
}

void RunLengthDecoder::run(int count, uchar value)
{
    uchar* row = indexes_.data() + y_ * width_;
    const qint64 end = std::min(x_ + count, width_);
    if (!fourBit_) {
        if (x_ < end)
            std::fill(row + x_, row + end, value);
    } else {
        const uchar pair[2] = {static_cast<uchar>(value >> 4), static_cast<uchar>(value & 0x0F)};
        for (qint64 x = x_; x < end; ++x)
            row[x] = pair[(x - x_) & 1];
    }
    x_ += count;
}

bool RunLengthDecoder::literal(int count)
{
    const qint64 bytes = fourBit_ ? (count + 1) / 2 : count;
    const qint64 present = std::min(bytes, size_ - at_);
    const qint64 pixels = fourBit_ ? std::min<qint64>(count, 2 * present) : present;
    const uchar* from = data_ + at_;
    for (qint64 i = 0; i < pixels; ++i) {
        if (fourBit_)
            put((i & 1) != 0 ? from[i / 2] & 0x0F : from[i / 2] >> 4);
        else
            put(from[i]);
    }
    if (present < bytes)
        return false;
    at_ = std::min(at_ + bytes + (bytes & 1), size_);
    return true;
}
