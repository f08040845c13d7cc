#include "TByteValueList.h"

#include <algorithm>
#include <cmath>

void TByteValueList::append(double value)
{
    // NaN turns into 0 here, like any value below the range.
    const double clamped = std::clamp(std::isnan(value) ? 0.0 : std::round(value), 0.0, 255.0);
    const auto byte = static_cast<std::uint8_t>(clamped);
    if (values_.empty()) {
        minimum_ = byte;
        maximum_ = byte;
    } else {
        minimum_ = std::min(minimum_, byte);
        maximum_ = std::max(maximum_, byte);
    }
    values_.push_back(byte);
}

void TByteValueList::clear()
{
    // Hands the memory back too: a cleared chart after a long run should not keep megabytes.
    std::vector<std::uint8_t>().swap(values_);
    minimum_ = 0;
    maximum_ = 0;
}
