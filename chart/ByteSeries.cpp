#include "ByteSeries.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

bool within(const ByteRange& r, const ByteRange& inside)
{
    return r.low >= inside.low && r.high <= inside.high;
}

}  // namespace

void ByteSeries::append(double value)
{
    // NaN turns into 0 here, like any value below the range.
    const double clamped = std::clamp(std::isnan(value) ? 0.0 : std::round(value), 0.0, 255.0);
    appendByte(static_cast<std::uint8_t>(clamped));
}

void ByteSeries::append(std::span<const std::uint8_t> values)
{
    for (std::uint8_t value : values)
        appendByte(value);
}

void ByteSeries::appendByte(std::uint8_t value)
{
    const std::int64_t index = values_.size();
    // The step from the previous value lies inside the smallest block holding both: one level
    // above as many levels as the new point starts a block of.
    std::size_t starts = 0;
    for (std::int64_t n = index; n > 0 && n % fanOut == 0; n /= fanOut)
        ++starts;
    // The new point completes a block on as many levels as 16 divides the new count.
    std::size_t completed = 0;
    for (std::int64_t n = index + 1; n % fanOut == 0; n /= fanOut)
        ++completed;

    // Every allocation happens before anything changes.
    values_.reserveNext();
    if (completed > 0)
        fine_.reserveNext();
    if (coarse_.size() + 1 < completed)
        coarse_.resize(completed - 1);
    for (std::size_t level = 1; level < completed; ++level)
        coarse_[level - 1].reserveNext();
    if (open_.size() < std::max(completed, starts) + 1)
        open_.resize(std::max(completed, starts) + 1);

    if (index > 0)
        open_[starts].variation += static_cast<std::uint32_t>(std::abs(int{value} - int{values_[index - 1]}));
    values_.pushReserved(value);
    whole_.add(value);
    open_[0].range.add(value);
    for (std::size_t level = 0; level < completed; ++level) {
        const Block block = open_[level];
        if (level == 0)
            fine_.pushReserved(FineBlock{block.range, static_cast<std::uint16_t>(block.variation)});
        else
            coarse_[level - 1].pushReserved(block);
        open_[level + 1].range.add(block.range);
        open_[level + 1].variation += block.variation;
        open_[level] = Block{};
    }
}

void ByteSeries::clear()
{
    values_.clear();
    fine_.clear();
    std::vector<ChunkedArray<Block, 4096>>().swap(coarse_);
    std::vector<Block>().swap(open_);
    whole_ = ByteRange{};
}

std::int64_t ByteSeries::blockSize(std::size_t level) const
{
    std::int64_t size = 1;
    for (std::size_t k = 0; k < level; ++k)
        size *= fanOut;
    return size;
}

ByteSeries::Block ByteSeries::entry(std::size_t level, std::int64_t index) const
{
    // Whole blocks inside [0, count()) are complete, so their entries exist.
    if (level == 0)
        return Block{ByteRange{values_[index], values_[index]}, 0};
    if (level == 1)
        return Block{fine_[index].range, fine_[index].variation};
    return coarse_[level - 2][index];
}

ByteSeries::Pieces ByteSeries::split(std::int64_t first, std::int64_t last) const
{
    // Blocks that lie wholly inside the range are taken one level up, where they are one entry
    // each: the pieces left of the aligned middle by rising level, then the ones right of it by
    // falling level.
    Pieces left;
    Pieces right;
    std::int64_t from = first;
    std::int64_t to = last + 1;
    for (std::size_t level = 0; from < to; ++level) {
        const std::int64_t alignedFrom = (from + fanOut - 1) / fanOut * fanOut;
        const std::int64_t alignedTo = to / fanOut * fanOut;
        if (alignedFrom >= alignedTo) {
            left.piece[left.count++] = Piece{level, from, to};
            break;
        }
        left.piece[left.count++] = Piece{level, from, alignedFrom};
        right.piece[right.count++] = Piece{level, alignedTo, to};
        from = alignedFrom / fanOut;
        to = alignedTo / fanOut;
    }
    for (std::size_t i = right.count; i-- > 0;)
        left.piece[left.count++] = right.piece[i];
    return left;
}

ByteRange ByteSeries::range(std::int64_t first, std::int64_t last) const
{
    ByteRange result;
    if (first > last)
        return result;
    const Pieces pieces = split(first, last);
    for (std::size_t k = 0; k < pieces.count; ++k) {
        const Piece& piece = pieces.piece[k];
        if (piece.level > 0) {
            for (std::int64_t i = piece.from; i < piece.to; ++i)
                result.add(entry(piece.level, i).range);
            continue;
        }
        for (std::int64_t i = piece.from; i < piece.to;) {
            std::size_t length = 0;
            const std::uint8_t* run = values_.run(i, length);
            length = std::min<std::size_t>(length, static_cast<std::size_t>(piece.to - i));
            const auto [low, high] = std::minmax_element(run, run + length);
            result.add(*low);
            result.add(*high);
            i += static_cast<std::int64_t>(length);
        }
    }
    return result;
}

std::int64_t ByteSeries::variation(std::int64_t first, std::int64_t last) const
{
    if (first >= last)
        return 0;
    // The blocks' own variation plus the step into each block from the value before it.
    std::int64_t total = 0;
    const Pieces pieces = split(first, last);
    for (std::size_t k = 0; k < pieces.count; ++k) {
        const Piece& piece = pieces.piece[k];
        const std::int64_t size = blockSize(piece.level);
        for (std::int64_t i = piece.from; i < piece.to; ++i) {
            total += entry(piece.level, i).variation;
            const std::int64_t start = i * size;
            if (start > first)
                total += std::abs(int{values_[start]} - int{values_[start - 1]});
        }
    }
    return total;
}

std::int64_t ByteSeries::findOutside(std::int64_t first, std::int64_t last, ByteRange inside,
                                         bool fromEnd) const
{
    if (first > last)
        return -1;
    const Pieces pieces = split(first, last);
    for (std::size_t k = 0; k < pieces.count; ++k) {
        const Piece& piece = pieces.piece[fromEnd ? pieces.count - 1 - k : k];
        for (std::int64_t j = 0; j < piece.to - piece.from; ++j) {
            std::int64_t index = fromEnd ? piece.to - 1 - j : piece.from + j;
            if (within(entry(piece.level, index).range, inside))
                continue;
            // Down through the block to the point that lies outside.
            for (std::size_t level = piece.level; level > 0; --level) {
                std::int64_t child = index * fanOut + (fromEnd ? fanOut - 1 : 0);
                while (within(entry(level - 1, child).range, inside))
                    child += fromEnd ? -1 : 1;
                index = child;
            }
            return index;
        }
    }
    return -1;
}

std::size_t ByteSeries::allocatedBytes() const
{
    std::size_t bytes = values_.allocatedBytes() + fine_.allocatedBytes() +
                        coarse_.capacity() * sizeof(ChunkedArray<Block, 4096>) + open_.capacity() * sizeof(Block);
    for (const auto& level : coarse_)
        bytes += level.allocatedBytes();
    return bytes;
}
