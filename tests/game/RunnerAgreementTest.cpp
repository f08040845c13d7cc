// The window's game N and `quorvel-sim --seed N` are the same game: the same board, the same
// dice, the same counts, round for round.
#include "GameController.h"
#include "RecordingErrorBox.h"
#include "RecordingGameControls.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

class RunnerAgreement : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(RunnerAgreement, TheRunnerPlaysTheWindowsGameOfTheSameNumber)
{
    const std::uint32_t number = GetParam();
    constexpr int rounds = 400;
    QProcess runner;
    runner.start(QStringLiteral(QUORVEL_SIM_PATH),
                 {"--seed", QString::number(number), "--rounds", QString::number(rounds)});
    ASSERT_TRUE(runner.waitForFinished(30000));
    ASSERT_EQ(runner.exitCode(), 0);
    const QStringList rows = QString::fromUtf8(runner.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), rounds + 2);  // the header, the new game, one row per round

    RecordingGameControls controls;
    RecordingErrorBox errors;
    GameController controller(controls, errors);
    controls.gameNumberEntry = QString::number(number);
    controller.onGameByNumber();
    ASSERT_EQ(controller.gameNumber(), number);
    const GameCore& core = controller.core();
    for (int round = 0; round <= rounds; ++round) {
        if (round > 0)
            controller.playTimedRound();
        const Position rolled = core.markedPosition();
        const QString expected = QStringLiteral("%1,%2,%3,%4,%5,%6")
                                     .arg(controls.counts[0])
                                     .arg(static_cast<int>(core.side()))
                                     .arg(rolled.x)
                                     .arg(rolled.y)
                                     .arg(controls.counts[1])
                                     .arg(controls.counts[2]);
        ASSERT_EQ(rows[round + 1], expected) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(Numbers, RunnerAgreement,
                         ::testing::Values(0u, 1u, 20261208u, 2147483647u, 2147483648u, 3000000001u, 4294967295u));

}  // namespace
