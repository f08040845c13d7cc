// quorvel-sim: plays games without a window, for reproducible experiments and for checking
// the game against hand-worked examples. One game is printed round by round; a batch of games
// is condensed into a summary table and per-checkpoint CSV rows. Built as quorvel-sim-mpi (with
// QUORVEL_MPI) the same program shares a batch's games among the ranks of an MPI job.
#include "BatchCommand.h"
#include "GameCore.h"
#include "NullGameView.h"
#include "ProcessGroup.h"
#include "SimMessages.h"
#include "SimOptions.h"
#ifdef QUORVEL_MPI
#include "MpiGroup.h"
#endif

#include <cerrno>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

namespace {
// Keeps only what the rows need: the rolled cell.
class RollRecorder final : public NullGameView {
public:
    Position rolled;
    void cellRolled(Position cell) override { rolled = cell; }
};

// Stops at the first row that cannot be written: a full disk or a closed pipe ends the game.
int runSingleGame(const SimOptions& options)
{
    RollRecorder view;
    GameCore core{view};
    if (options.seed)
        core.random().setSeed(*options.seed);
    else
        core.random().seedFromClock();
    core.newGame();

    if (std::printf("round,side,x,y,hunters,prey\n") < 0 ||
        std::printf("0,%d,0,0,%d,%d\n", static_cast<int>(core.side()), core.hunterCount(), core.preyCount()) < 0)
        return failOutput(errno);
    for (std::int32_t i = 0; i < options.rounds; ++i) {
        if (const auto count = options.sprays.countBefore(core.currentRound() + 1))
            core.orderSpray(*count);
        core.playRound(Mode::Automatic);
        if (std::printf("%d,%d,%d,%d,%d,%d\n", core.currentRound(), static_cast<int>(core.side()), view.rolled.x,
                        view.rolled.y, core.hunterCount(), core.preyCount()) < 0)
            return failOutput(errno);
    }
    if (options.board)
        for (int y = 1; y <= 6; ++y) {
            for (int x = 1; x <= 6; ++x)
                std::putchar('0' + static_cast<int>(core.cell(x, y)));
            std::putchar('\n');
        }
    int error = 0;
    return standardOutputWritten(error) ? 0 : failOutput(error);
}
}  // namespace

namespace {
int runCommand(const std::vector<std::string>& args, ProcessGroup& group)
{
    const bool first = group.rank() == 0;
    std::string error;
    const auto options = parseSimOptions(args, error);
    // Every process reads the same command line the same way; rank 0 speaks for all.
    if (!options)
        return first ? refuse(error) : 2;
    int code = 0;
    if (options->help || options->version) {
        if (first) {
            if (options->help)
                std::fputs(simUsage, stdout);
            else
                std::printf("quorvel-sim %s\n", QUORVEL_VERSION);
            int outputError = 0;
            code = standardOutputWritten(outputError) ? 0 : failOutput(outputError);
        }
        return static_cast<int>(group.fromFirst(static_cast<std::uint32_t>(code)));
    }
    if (options->batch)
        return runBatch(*options, group);
    if (first)
        code = runSingleGame(*options);
    return static_cast<int>(group.fromFirst(static_cast<std::uint32_t>(code)));
}
}  // namespace

int main(int argc, char** argv)
{
#ifdef QUORVEL_MPI
    MpiGroup group{argc, argv};
#else
    ProcessGroup group;
#endif
    try {
        return runCommand(std::vector<std::string>(argv + 1, argv + argc), group);
    } catch (const std::bad_alloc&) {
        // What a batch keeps is bounded before it starts; a machine may still have less to give.
        fail("out of memory");
        group.abandon(2);
        return 2;
    }
}
