// quorvel-sim: plays games without a window, for reproducible experiments and for checking
// the game against hand-worked examples. One game is printed round by round; a batch of games
// is condensed into a summary table and per-checkpoint CSV rows.
#include "BatchCommand.h"
#include "SilentAnzeige.h"
#include "SimOptions.h"
#include "TSpielkern.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {
// Keeps only what the rows need: the rolled cell.
class RollRecorder final : public SilentAnzeige {
public:
    int x = 0, y = 0;
    void markfeld(int rx, int ry) override
    {
        x = rx;
        y = ry;
    }
};

int runSingleGame(const SimOptions& options)
{
    RollRecorder view;
    TSpielkern kern{view};
    if (options.seed)
        kern.zufall().SetSeed(*options.seed);
    else
        kern.zufall().SeedFromClock();
    kern.neuspiel();

    std::printf("round,side,x,y,hunters,prey\n");
    std::printf("0,%d,0,0,%d,%d\n", kern.spieler(), kern.anzraeuber(), kern.anzbeute());
    auto spray = options.sprays.begin();
    for (std::int32_t i = 0; i < options.rounds; ++i) {
        if (spray != options.sprays.end() && spray->round == kern.durchgang() + 1) {
            kern.setinsrunden(spray->count);
            ++spray;
        }
        kern.runde(true);
        std::printf("%d,%d,%d,%d,%d,%d\n", kern.durchgang(), kern.spieler(), view.x, view.y,
                    kern.anzraeuber(), kern.anzbeute());
    }
    if (options.board)
        for (int y = 1; y <= 6; ++y) {
            for (int x = 1; x <= 6; ++x)
                std::putchar('0' + kern.feld(x, y));
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
    if (options->help || options->version) {
        if (options->help)
            std::fputs(simUsage, stdout);
        else
            std::printf("quorvel-sim %s\n", QUORVEL_VERSION);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            std::fprintf(stderr, "quorvel-sim: cannot write to standard output\n");
            return 2;
        }
        return 0;
    }
    return options->batch ? runBatch(*options) : runSingleGame(*options);
}
