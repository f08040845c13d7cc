#include "BatchPlan.h"

#include "BatchTotals.h"

std::uint64_t BatchPlan::totalsBytes() const
{
    return summary ? BatchTotals::bytes(checkpointCount(), rounds) : 0;
}

std::uint64_t BatchPlan::countsBytes() const
{
    // Two counts of a byte per game and checkpoint.
    return counts ? 2 * std::uint64_t{checkpointCount()} * static_cast<std::uint64_t>(games) : 0;
}

std::uint64_t BatchPlan::maxThreads() const
{
    const std::uint64_t table = totalsBytes();
    const std::uint64_t kept = countsBytes();
    if (kept + table > maxKeptBytes)
        return 0;
    return table ? (maxKeptBytes - kept) / table : std::uint64_t{1} << 31;
}
