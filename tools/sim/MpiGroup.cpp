#include "MpiGroup.h"

#include "BatchResults.h"
#include "BatchTotals.h"

#include <mpi.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace {
constexpr int countsTag = 1;
// Checkpoints whose totals, and rounds whose first extinctions, are merged in one reduction: a
// few MiB, so no rank holds more than that beyond its own table while merging.
constexpr std::size_t checkpointsPerReduction = std::size_t{1} << 14;
constexpr std::size_t roundsPerReduction = std::size_t{1} << 20;

// The reduction of totals rows: exact integer sums (and least and greatest), so any order and
// grouping the library chooses gives the same result.
extern "C" void mergeRows(void* in, void* inout, int* length, MPI_Datatype*)
{
    const auto* from = static_cast<const CheckpointTotals*>(in);
    auto* into = static_cast<CheckpointTotals*>(inout);
    for (int i = 0; i < *length; ++i) {
        into[i].hunters.merge(from[i].hunters);
        into[i].prey.merge(from[i].prey);
    }
}
}  // namespace

MpiGroup::MpiGroup(int& argc, char**& argv)
{
    int provided = 0;
    MPI_Init_thread(&argc, &argv, MPI_THREAD_FUNNELED, &provided);
    MPI_Comm_rank(MPI_COMM_WORLD, &rank_);
    MPI_Comm_size(MPI_COMM_WORLD, &size_);
}

MpiGroup::~MpiGroup() { MPI_Finalize(); }

std::uint32_t MpiGroup::fromFirst(std::uint32_t value)
{
    MPI_Bcast(&value, 1, MPI_UINT32_T, 0, MPI_COMM_WORLD);
    return value;
}

int MpiGroup::firstFailing(bool ok)
{
    int mine = ok ? INT_MAX : rank_;
    int lowest = INT_MAX;
    MPI_Allreduce(&mine, &lowest, 1, MPI_INT, MPI_MIN, MPI_COMM_WORLD);
    return lowest == INT_MAX ? -1 : lowest;
}

void MpiGroup::mergeTotals(BatchTotals& totals)
{
    MPI_Datatype row;
    MPI_Type_contiguous(static_cast<int>(sizeof(CheckpointTotals)), MPI_BYTE, &row);
    MPI_Type_commit(&row);
    MPI_Op merge;
    MPI_Op_create(&mergeRows, 1, &merge);
    for (std::size_t c = 0; c < totals.checkpoints(); c += checkpointsPerReduction) {
        const int count = static_cast<int>(std::min(checkpointsPerReduction, totals.checkpoints() - c));
        CheckpointTotals* rows = totals.data() + c;
        if (rank_ == 0)
            MPI_Reduce(MPI_IN_PLACE, rows, count, row, merge, 0, MPI_COMM_WORLD);
        else
            MPI_Reduce(rows, nullptr, count, row, merge, 0, MPI_COMM_WORLD);
    }
    MPI_Op_free(&merge);
    MPI_Type_free(&row);
    for (const Side side : {Side::Hunter, Side::Prey}) {
        std::vector<std::int32_t>& games = totals.firstExtinctions(side);
        for (std::size_t r = 0; r < games.size(); r += roundsPerReduction) {
            const int count = static_cast<int>(std::min(roundsPerReduction, games.size() - r));
            if (rank_ == 0)
                MPI_Reduce(MPI_IN_PLACE, games.data() + r, count, MPI_INT32_T, MPI_SUM, 0, MPI_COMM_WORLD);
            else
                MPI_Reduce(games.data() + r, nullptr, count, MPI_INT32_T, MPI_SUM, 0, MPI_COMM_WORLD);
        }
    }
}

void MpiGroup::sendCounts(const BatchResults& results)
{
    const std::int32_t chunk = chunkGames(results.checkpoints());
    const std::size_t perGame = 2 * results.checkpoints();
    for (std::int32_t g = 0; g < results.games(); g += chunk) {
        const auto games = static_cast<std::size_t>(std::min(chunk, results.games() - g));
        MPI_Send(results.data() + static_cast<std::size_t>(g) * perGame, static_cast<int>(games * perGame), MPI_BYTE, 0,
                 countsTag, MPI_COMM_WORLD);
    }
}

void MpiGroup::receiveCounts(int rank, std::int32_t games, std::size_t checkpoints,
                             const std::function<void(const BatchResults&, std::int32_t)>& write)
{
    const std::int32_t chunk = chunkGames(checkpoints);
    for (std::int32_t g = 0; g < games; g += chunk) {
        BatchResults counts(std::min(chunk, games - g), checkpoints);
        MPI_Recv(counts.data(), static_cast<int>(counts.bytes()), MPI_BYTE, rank, countsTag, MPI_COMM_WORLD,
                 MPI_STATUS_IGNORE);
        write(counts, g);
    }
}

void MpiGroup::abandon(int code) { MPI_Abort(MPI_COMM_WORLD, code); }
