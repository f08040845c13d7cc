// What merging costs a batch under MPI, the part of quorvel-sim-mpi's time that grows with the
// ranks: the reduction of every rank's totals into rank 0's (80 bytes per checkpoint and rank)
// and the counts of the other ranks' games sent to rank 0 for the CSV (2 bytes per game and
// checkpoint). A small timing harness: medians of several runs, printed by rank 0.
//   mpirun -np 2 build/bench/quorvel-bench-merge
#include "BatchResults.h"
#include "BatchTotals.h"
#include "MpiGroup.h"

#include <mpi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int runs = 7;

template <typename Work>
double medianSeconds(Work&& work)
{
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        MPI_Barrier(MPI_COMM_WORLD);
        const double start = MPI_Wtime();
        work();
        MPI_Barrier(MPI_COMM_WORLD);
        seconds.push_back(MPI_Wtime() - start);
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[runs / 2];
}
}  // namespace

int main(int argc, char** argv)
{
    MpiGroup group{argc, argv};
    const bool first = group.rank() == 0;
    if (first)
        std::printf("%d ranks\n", group.size());
    for (const std::size_t checkpoints : {std::size_t{11}, std::size_t{1001}, std::size_t{100001}, std::size_t{1000001}}) {
        BatchTotals totals{checkpoints, 1000};
        for (std::size_t c = 0; c < checkpoints; ++c)
            totals.add(c, 12, 18, neverExtinct, neverExtinct);
        const double seconds = medianSeconds([&] { group.mergeTotals(totals); });
        if (first)
            std::printf("totals of %7zu checkpoints (%6.1f MB per rank): merged in %8.3f ms\n", checkpoints,
                        checkpoints * sizeof(CheckpointTotals) / 1e6, seconds * 1e3);
    }
    // Rank 0 takes every other rank's counts in turn, as it does for the CSV (without writing).
    for (const std::int32_t games : {1000, 100000, 1000000}) {
        constexpr std::size_t checkpoints = 11;
        BatchResults counts(games, checkpoints);
        const double seconds = medianSeconds([&] {
            if (first) {
                for (int r = 1; r < group.size(); ++r)
                    group.receiveCounts(r, games, checkpoints, [](const BatchResults&, std::int32_t) {});
            } else {
                group.sendCounts(counts);
            }
        });
        if (first)
            std::printf("counts of %7d games x %zu checkpoints (%6.1f MB per rank): gathered in %8.3f ms\n", games,
                        checkpoints, counts.bytes() / 1e6, seconds * 1e3);
    }
    return 0;
}
