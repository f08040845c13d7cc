#include "TByteValueList.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Entries from..to (half-open) of one level of the pyramid.
struct Piece {
    std::size_t level = 0;
    std::int64_t from = 0;
    std::int64_t to = 0;
};

bool within(const TByteRange& r, const TByteRange& inside)
{
    return r.low >= inside.low && r.high <= inside.high;
}

}  // namespace

void TByteValueList::append(double value)
{
    // NaN turns into 0 here, like any value below the range.
    const double clamped = std::clamp(std::isnan(value) ? 0.0 : std::round(value), 0.0, 255.0);
    appendByte(static_cast<std::uint8_t>(clamped));
}

void TByteValueList::append(std::span<const std::uint8_t> values)
{
    for (std::uint8_t value : values)
        appendByte(value);
}

void TByteValueList::appendByte(std::uint8_t value)
{
    // The new point completes a block on as many levels as 16 divides its count; every
    // allocation those blocks need happens before anything changes.
    std::size_t completed = 0;
    for (std::int64_t n = values_.size() + 1; n % fanOut == 0; n /= fanOut)
        ++completed;
    values_.reserveNext();
    if (levels_.size() < completed)
        levels_.resize(completed);
    if (open_.size() < completed + 1)
        open_.resize(completed + 1);
    for (std::size_t level = 0; level < completed; ++level)
        levels_[level].reserveNext();

    values_.pushReserved(value);
    whole_.add(value);
    open_[0].add(value);
    for (std::size_t level = 0; level < completed; ++level) {
        levels_[level].pushReserved(open_[level]);
        open_[level + 1].add(open_[level]);
        open_[level] = TByteRange{};
    }
}

void TByteValueList::clear()
{
    values_.clear();
    std::vector<Level>().swap(levels_);
    std::vector<TByteRange>().swap(open_);
    whole_ = TByteRange{};
}

TByteRange TByteValueList::range(std::int64_t first, std::int64_t last) const
{
    TByteRange result;
    // [from, to) in entries of the current level; level 0 is the values themselves. Blocks
    // that lie wholly inside the range are read one level up, where they are one entry each.
    std::int64_t from = first;
    std::int64_t to = last + 1;
    for (std::size_t level = 0; from < to; ++level) {
        const std::int64_t alignedFrom = (from + fanOut - 1) / fanOut * fanOut;
        const std::int64_t alignedTo = to / fanOut * fanOut;
        if (alignedFrom >= alignedTo) {
            addEntries(result, level, from, to);
            break;
        }
        addEntries(result, level, from, alignedFrom);
        addEntries(result, level, alignedTo, to);
        from = alignedFrom / fanOut;
        to = alignedTo / fanOut;
    }
    return result;
}

void TByteValueList::addEntries(TByteRange& range, std::size_t level, std::int64_t from, std::int64_t to) const
{
    if (level > 0) {
        // Whole blocks inside [0, count()) are complete, so their entries exist.
        const Level& entries = levels_[level - 1];
        for (std::int64_t i = from; i < to; ++i)
            range.add(entries[i]);
        return;
    }
    while (from < to) {
        std::size_t length = 0;
        const std::uint8_t* run = values_.run(from, length);
        length = std::min<std::size_t>(length, static_cast<std::size_t>(to - from));
        const auto [low, high] = std::minmax_element(run, run + length);
        range.add(*low);
        range.add(*high);
        from += static_cast<std::int64_t>(length);
    }
}

TByteRange TByteValueList::entry(std::size_t level, std::int64_t index) const
{
    if (level > 0)
        return levels_[level - 1][index];
    return TByteRange{values_[index], values_[index]};
}

std::int64_t TByteValueList::findOutside(std::int64_t first, std::int64_t last, TByteRange inside,
                                         bool fromEnd) const
{
    // The range split as in range(), but kept in index order: the pieces left of the aligned
    // middle by rising level, then the ones right of it by falling level. At most two pieces a
    // level and a few dozen levels at the very most.
    std::array<Piece, 64> left{};
    std::array<Piece, 64> right{};
    std::size_t lefts = 0;
    std::size_t rights = 0;
    std::int64_t from = first;
    std::int64_t to = last + 1;
    for (std::size_t level = 0; from < to; ++level) {
        const std::int64_t alignedFrom = (from + fanOut - 1) / fanOut * fanOut;
        const std::int64_t alignedTo = to / fanOut * fanOut;
        if (alignedFrom >= alignedTo) {
            left[lefts++] = Piece{level, from, to};
            break;
        }
        left[lefts++] = Piece{level, from, alignedFrom};
        right[rights++] = Piece{level, alignedTo, to};
        from = alignedFrom / fanOut;
        to = alignedTo / fanOut;
    }
    std::array<Piece, 128> pieces{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < lefts; ++i)
        pieces[count++] = left[i];
    for (std::size_t i = rights; i-- > 0;)
        pieces[count++] = right[i];

    for (std::size_t k = 0; k < count; ++k) {
        const Piece& piece = pieces[fromEnd ? count - 1 - k : k];
        for (std::int64_t j = 0; j < piece.to - piece.from; ++j) {
            std::int64_t index = fromEnd ? piece.to - 1 - j : piece.from + j;
            if (within(entry(piece.level, index), inside))
                continue;
            // Down through the block to the point that lies outside.
            for (std::size_t level = piece.level; level > 0; --level) {
                std::int64_t child = index * fanOut + (fromEnd ? fanOut - 1 : 0);
                while (within(entry(level - 1, child), inside))
                    child += fromEnd ? -1 : 1;
                index = child;
            }
            return index;
        }
    }
    return -1;
}

std::size_t TByteValueList::allocatedBytes() const
{
    std::size_t bytes = values_.allocatedBytes() + levels_.capacity() * sizeof(Level) +
                        open_.capacity() * sizeof(TByteRange);
    for (const Level& level : levels_)
        bytes += level.allocatedBytes();
    return bytes;
}
