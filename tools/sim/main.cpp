// quorvel-sim: plays games without a window, for reproducible experiments and for checking
// the game against hand-worked examples. One game is printed round by round; a batch of games
// is condensed into a summary table and per-checkpoint CSV rows.
#include "BatchCommand.h"
#include "NullGameView.h"
#include "SimOptions.h"
#include "GameCore.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {
// Keeps only what the rows need: the rolled cell.
class RollRecorder final : public NullGameView {
public:
    Position rolled;
    void cellRolled(Position cell) override { rolled = cell; }
};

int runSingleGame(const SimOptions& options)
{
    RollRecorder view;
    GameCore core{view};
    if (options.seed)
        core.random().setSeed(*options.seed);
    else
        core.random().seedFromClock();
    core.newGame();

    std::printf("round,side,x,y,hunters,prey\n");
    std::printf("0,%d,0,0,%d,%d\n", static_cast<int>(core.side()), core.hunterCount(), core.preyCount());
    auto spray = options.sprays.begin();
    for (std::int32_t i = 0; i < options.rounds; ++i) {
        if (spray != options.sprays.end() && spray->round == core.currentRound() + 1) {
            core.orderSpray(spray->count);
            ++spray;
        }
        core.playRound(Mode::Automatic);
        std::printf("%d,%d,%d,%d,%d,%d\n", core.currentRound(), static_cast<int>(core.side()), view.rolled.x, view.rolled.y,
                    core.hunterCount(), core.preyCount());
    }
    if (options.board)
        for (int y = 1; y <= 6; ++y) {
            for (int x = 1; x <= 6; ++x)
                std::putchar('0' + static_cast<int>(core.cell(x, y)));
            std::putchar('\n');
        }
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    std::string error;
    const auto options = parseSimOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "quorvel-sim: %s\n%s", error.c_str(), simUsage);
        return 2;
    }
    if (options->help) {
        std::fputs(simUsage, stdout);
        return 0;
    }
    return options->batch ? runBatch(*options) : runSingleGame(*options);
}
