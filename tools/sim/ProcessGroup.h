#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>

class BatchResults;
class BatchTotals;

// The processes that play one batch together: this process alone, which is what this class is,
// or the ranks of an MPI job (MpiGroup, in quorvel-sim-mpi only). Every process runs the same
// command line and makes the same calls in the same order; rank 0 writes every file, every line
// on standard output and every message.
class ProcessGroup {
public:
    virtual ~ProcessGroup() = default;

    virtual int rank() const { return 0; }
    virtual int size() const { return 1; }

    // Rank 0's value, on every process.
    virtual std::uint32_t fromFirst(std::uint32_t value) { return value; }
    // The lowest rank that passes false, or -1 when every process passes true.
    virtual int firstFailing(bool ok) { return ok ? -1 : 0; }
    // Adds every process's totals into rank 0's; the others' stay as they were.
    virtual void mergeTotals(BatchTotals&) {}
    // Hands a rank's counts (of the games of its share) to rank 0, which takes them in
    // receiveCounts; rank 0 calls that for each other rank in turn.
    virtual void sendCounts(const BatchResults&) {}
    // Rank 0 receives the counts of rank's share of games games, a chunk of whole games at a time
    // (chunkGames), and hands each chunk to write with the index of its first game in the share.
    virtual void receiveCounts(int, std::int32_t, std::size_t,
                               const std::function<void(const BatchResults&, std::int32_t)>&)
    {
    }
    // Ends every process of the group at once, after an error this process cannot report to the
    // others the usual way; alone, it leaves the ending to the caller.
    virtual void abandon(int) {}

    // How many games of a given number of checkpoints travel in one message: whole games of
    // about 1 MiB of counts in all, at least one.
    static std::int32_t chunkGames(std::size_t checkpoints)
    {
        constexpr std::size_t bytes = std::size_t{1} << 20;
        const std::size_t perGame = 2 * checkpoints;
        return static_cast<std::int32_t>(perGame >= bytes ? 1 : bytes / perGame);
    }
};

// The games [first, second) of a batch of games games that rank plays among size processes: as
// even shares of consecutive games as there are, the lower ranks first.
inline std::pair<std::int32_t, std::int32_t> shareOf(std::int32_t games, int rank, int size)
{
    const auto edge = [&](int r) { return static_cast<std::int32_t>(std::int64_t{games} * r / size); };
    return {edge(rank), edge(rank + 1)};
}
