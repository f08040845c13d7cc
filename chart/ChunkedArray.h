#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// A growing array of T kept in chunks of ChunkSize elements. It never moves what it holds, so a
// run that collects hundreds of millions of points never copies them and never holds more than
// one partly filled chunk of slack, unlike a vector that doubles.
template <typename T, std::size_t ChunkSize>
class ChunkedArray {
public:
    std::int64_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // The element at index (0 <= index < size()).
    const T& operator[](std::int64_t index) const
    {
        return chunks_[static_cast<std::size_t>(index) / ChunkSize][static_cast<std::size_t>(index) % ChunkSize];
    }
    T& operator[](std::int64_t index)
    {
        return chunks_[static_cast<std::size_t>(index) / ChunkSize][static_cast<std::size_t>(index) % ChunkSize];
    }

    // Makes sure the next push_back needs no allocation; may throw std::bad_alloc and then
    // leaves the contents as they were.
    void reserveNext()
    {
        if (size_ < capacity())
            return;
        auto chunk = std::make_unique_for_overwrite<T[]>(ChunkSize);
        chunks_.push_back(std::move(chunk));
    }

    // Appends value; reserveNext() must have been called since the last push_back.
    void pushReserved(const T& value)
    {
        (*this)[size_] = value;
        ++size_;
    }

    void push_back(const T& value)
    {
        reserveNext();
        pushReserved(value);
    }

    // Appends count elements from values, a chunk's worth at a time.
    void append(const T* values, std::size_t count)
    {
        while (count > 0) {
            reserveNext();
            const std::size_t offset = static_cast<std::size_t>(size_) % ChunkSize;
            const std::size_t room = ChunkSize - offset;
            const std::size_t part = count < room ? count : room;
            T* target = chunks_[static_cast<std::size_t>(size_) / ChunkSize].get() + offset;
            std::copy(values, values + part, target);
            size_ += static_cast<std::int64_t>(part);
            values += part;
            count -= part;
        }
    }

    // The elements from index on up to the end of their chunk, as a pointer and a length, for
    // loops that read many neighbours (0 <= index < size()).
    const T* run(std::int64_t index, std::size_t& length) const
    {
        const std::size_t offset = static_cast<std::size_t>(index) % ChunkSize;
        const std::int64_t left = size_ - index;
        length = ChunkSize - offset;
        if (static_cast<std::int64_t>(length) > left)
            length = static_cast<std::size_t>(left);
        return chunks_[static_cast<std::size_t>(index) / ChunkSize].get() + offset;
    }

    // Removes every element and hands the memory back.
    void clear()
    {
        std::vector<std::unique_ptr<T[]>>().swap(chunks_);
        size_ = 0;
    }

    // Bytes held: every chunk in full plus the chunk table.
    std::size_t allocatedBytes() const
    {
        return chunks_.size() * ChunkSize * sizeof(T) + chunks_.capacity() * sizeof(std::unique_ptr<T[]>);
    }

private:
    std::int64_t capacity() const { return static_cast<std::int64_t>(chunks_.size() * ChunkSize); }

    std::vector<std::unique_ptr<T[]>> chunks_;
    std::int64_t size_ = 0;
};
