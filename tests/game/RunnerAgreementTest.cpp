// The window's game N and `quorvel-sim --seed N` are the same game: the same board, the same
// dice, the same counts, round for round.
#include "FakeRoundTimer.h"
#include "GameController.h"
#include "RecordingGameControls.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> runnerRows(std::uint32_t number, int rounds)
{
    const std::string command =
        std::string(QUORVEL_SIM_PATH) + " --seed " + std::to_string(number) + " --rounds " + std::to_string(rounds);
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::vector<std::string> rows;
    if (!pipe)
        return rows;
    char line[256];
    while (std::fgets(line, sizeof line, pipe.get()))
        rows.emplace_back(line, std::string_view(line).find('\n'));
    return rows;
}

class RunnerAgreement : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(RunnerAgreement, TheRunnerPlaysTheWindowsGameOfTheSameNumber)
{
    const std::uint32_t number = GetParam();
    constexpr int rounds = 400;
    const std::vector<std::string> rows = runnerRows(number, rounds);
    ASSERT_EQ(rows.size(), std::size_t{rounds + 2});  // the header, the new game, one row per round

    RecordingGameControls controls;
    FakeRoundTimer timer;
    GameController controller(controls, timer);
    controller.onGameByNumber();
    controller.onGameNumberEntered(std::to_string(number));
    ASSERT_EQ(controller.gameNumber(), number);
    const GameCore& core = controller.core();
    for (int round = 0; round <= rounds; ++round) {
        if (round > 0)
            controller.onTick();
        const Position rolled = core.markedPosition();
        std::ostringstream expected;
        expected << controls.counts[0] << ',' << static_cast<int>(core.side()) << ',' << rolled.x << ',' << rolled.y
                 << ',' << controls.counts[1] << ',' << controls.counts[2];
        ASSERT_EQ(rows[static_cast<std::size_t>(round) + 1], expected.str()) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(Numbers, RunnerAgreement,
                         ::testing::Values(0u, 1u, 20261208u, 2147483647u, 2147483648u, 3000000001u, 4294967295u));

}  // namespace
