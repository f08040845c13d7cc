#pragma once

#include "ProcessGroup.h"

// The ranks of an MPI job (MPI_COMM_WORLD) as the group that plays one batch: MPI is started
// with the object and finished with it. Only the main thread calls MPI; the workers that play
// the games never do. Built into quorvel-sim-mpi only.
class MpiGroup final : public ProcessGroup {
public:
    MpiGroup(int& argc, char**& argv);
    MpiGroup(const MpiGroup&) = delete;
    MpiGroup& operator=(const MpiGroup&) = delete;
    ~MpiGroup() override;

    int rank() const override { return rank_; }
    int size() const override { return size_; }
    std::uint32_t fromFirst(std::uint32_t value) override;
    int firstFailing(bool ok) override;
    void mergeTotals(BatchTotals& totals) override;
    void sendCounts(const BatchResults& results) override;
    void receiveCounts(int rank, std::int32_t games, std::size_t checkpoints,
                       const std::function<void(const BatchResults&, std::int32_t)>& write) override;
    void abandon(int code) override;

private:
    int rank_ = 0;
    int size_ = 1;
};
