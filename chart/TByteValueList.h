#pragma once

#include <cstdint>
#include <vector>

// The y values of a series, one byte each: the population feed only ever gives whole counts from
// 0 to 36, and a long simulation collects millions of points. It also keeps the smallest and
// largest value, so the chart finds an automatic range without scanning the points. This class
// is the one place that knows how points are stored.
class TByteValueList {
public:
    // Appends value, rounded to a whole number and clamped to 0..255.
    void append(double value);
    void clear();
    int count() const { return static_cast<int>(values_.size()); }
    // The stored value at index (0 <= index < count()).
    std::uint8_t at(int index) const { return values_[static_cast<std::size_t>(index)]; }
    // Smallest and largest stored value; 0 when the list is empty.
    std::uint8_t minimum() const { return minimum_; }
    std::uint8_t maximum() const { return maximum_; }

private:
    std::vector<std::uint8_t> values_;
    std::uint8_t minimum_ = 0;
    std::uint8_t maximum_ = 0;
};
