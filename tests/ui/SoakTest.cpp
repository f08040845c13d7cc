// A long random session through the real window in each mode: after every action the board,
// the counters, the status bar, every control, the timer and the instruction line must agree
// with the controller's table and the game's rules. QUORVEL_SOAK_ROUNDS sets the rounds per
// mode (default 100000; the full soak is 10000000), QUORVEL_SOAK_SEED the random seed.
#include "MainWindowFixture.h"
#include "SoakDriver.h"

#include <QByteArray>

#include <cstdlib>

namespace {
long long envNumber(const char* name, long long fallback)
{
    const QByteArray text = qgetenv(name);
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    return ok && value > 0 ? value : fallback;
}

// Clicks on disabled controls are part of the soak; Qt's complaint about each is not news.
QtMessageHandler previousHandler = nullptr;
void quietAboutRefusedClicks(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QStringLiteral("Mouse event")) && message.endsWith(QStringLiteral("not accepted by receiving widget")))
        return;
    previousHandler(type, context, message);
}

class Soak : public MainWindowTest, public ::testing::WithParamInterface<SoakDriver::Mode> {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        previousHandler = qInstallMessageHandler(quietAboutRefusedClicks);
    }
    void TearDown() override
    {
        qInstallMessageHandler(previousHandler);
        MainWindowTest::TearDown();
    }
};

TEST_P(Soak, EveryActionKeepsWindowAndGameInStep)
{
    const SoakDriver::Mode mode = GetParam();
    const long long rounds = envNumber("QUORVEL_SOAK_ROUNDS", 100000);
    const auto seed = static_cast<std::uint32_t>(envNumber("QUORVEL_SOAK_SEED", 1) + static_cast<int>(mode));
    SoakDriver driver(*form, *controller, *roundTimer, errors, seed, mode);
    // A bound on the actions, so a driver that stopped playing rounds ends the test.
    const long long maxSteps = 50 * rounds + 1000;
    long long step = 0;
    for (; driver.rounds(mode) < rounds && step < maxSteps; ++step) {
        const std::string problem = driver.step();
        ASSERT_EQ(problem, "") << "seed " << seed << ", step " << step + 1 << ", after:\n"
                               << driver.recentActions();
    }
    EXPECT_GE(driver.rounds(mode), rounds) << "only " << step << " actions were allowed";
    RecordProperty("actions", std::to_string(step));
    RecordProperty("simulationRounds", std::to_string(driver.rounds(SoakDriver::Mode::simulation)));
    RecordProperty("interactiveRounds", std::to_string(driver.rounds(SoakDriver::Mode::interactive)));
}

INSTANTIATE_TEST_SUITE_P(Mode, Soak,
                         ::testing::Values(SoakDriver::Mode::simulation, SoakDriver::Mode::interactive),
                         [](const auto& info) {
                             return info.param == SoakDriver::Mode::simulation ? "Simulation" : "Interactive";
                         });
}  // namespace
