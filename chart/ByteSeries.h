#pragma once

#include "ChunkedArray.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The smallest and largest of a set of byte values; empty (low > high) while it holds none.
struct ByteRange {
    std::uint8_t low = 255;
    std::uint8_t high = 0;

    bool empty() const { return low > high; }
    void add(std::uint8_t value)
    {
        low = value < low ? value : low;
        high = value > high ? value : high;
    }
    void add(const ByteRange& other)
    {
        low = other.low < low ? other.low : low;
        high = other.high > high ? other.high : high;
    }
};

// The y values of a series, one byte each: the population feed only ever gives whole counts from
// 0 to 36, and a run left going for days collects hundreds of millions of points. Beside the
// values it keeps a summary pyramid: for every block of 16 points, of 16 such blocks, and so
// on, the smallest and largest value and the total variation (the sum of the steps between
// neighbouring values). Appending costs amortised O(1); the summary of any index range is found
// in O(log n), which lets the chart draw a pixel column without visiting its points. Values and
// summary live in fixed-size chunks, so the list costs about 1.3 bytes per point however long
// it grows. This class is the one place that knows how points are stored.
class ByteSeries {
public:
    static constexpr int fanOut = 16;

    // Appends value, rounded to a whole number and clamped to 0..255 (NaN counts as 0). May
    // throw std::bad_alloc and then leaves the list as it was.
    void append(double value);
    // Appends values in order; a failed allocation keeps the values appended before it.
    void append(std::span<const std::uint8_t> values);
    // Removes every value and hands the memory back.
    void clear();

    std::int64_t count() const { return values_.size(); }
    // The stored value at index (0 <= index < count()).
    std::uint8_t at(std::int64_t index) const { return values_[index]; }
    // Smallest and largest stored value; 0 when the list is empty.
    std::uint8_t minimum() const { return whole_.empty() ? 0 : whole_.low; }
    std::uint8_t maximum() const { return whole_.empty() ? 0 : whole_.high; }
    // Smallest and largest value from index first to index last, both included
    // (0 <= first <= last < count()); empty when first > last.
    ByteRange range(std::int64_t first, std::int64_t last) const;
    // The sum of |at(i + 1) − at(i)| for first <= i < last (0 <= first <= last < count()).
    std::int64_t variation(std::int64_t first, std::int64_t last) const;
    // The first (or with fromEnd the last) index from first to last whose value lies outside
    // inside, or -1 when there is none.
    std::int64_t findOutside(std::int64_t first, std::int64_t last, ByteRange inside, bool fromEnd) const;

    // Bytes allocated for values and summary, counted by capacity.
    std::size_t allocatedBytes() const;

private:
    // What the summary knows of a block.
    struct Block {
        ByteRange range;
        std::uint32_t variation = 0;
    };
    // The first level's blocks of 16 points vary by at most 15 × 255, which two bytes hold.
    struct FineBlock {
        ByteRange range;
        std::uint16_t variation = 0;
    };
    // A stretch of consecutive entries of one level, level 0 being the values themselves.
    struct Piece {
        std::size_t level;
        std::int64_t from;
        std::int64_t to;  // one past the last
    };
    // At most two pieces a level, and a 64-bit count has at most 16 levels.
    struct Pieces {
        std::array<Piece, 34> piece;
        std::size_t count = 0;
    };

    void appendByte(std::uint8_t value);
    Block entry(std::size_t level, std::int64_t index) const;
    std::int64_t blockSize(std::size_t level) const;
    // [first, last] as whole entries of the highest levels that fit, in index order.
    Pieces split(std::int64_t first, std::int64_t last) const;

    ChunkedArray<std::uint8_t, 65536> values_;
    ChunkedArray<FineBlock, 8192> fine_;                  // blocks of 16 points
    std::vector<ChunkedArray<Block, 4096>> coarse_;      // coarse_[k]: blocks of 16^(k+2) points
    // open_[k] gathers the block of level k + 1 that is still being filled; only complete
    // blocks are stored.
    std::vector<Block> open_;
    ByteRange whole_;
};
