#include "RandomSource.h"

#include <chrono>

void RandomSource::seedFromClock()
{
    // steady_clock is the high-resolution counter here; it never fails to read, so the
    // millisecond tick count that would stand in for it is never needed.
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch();
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(ticks).count();
    seed_ = static_cast<std::uint32_t>(static_cast<std::uint64_t>(ns));
}
