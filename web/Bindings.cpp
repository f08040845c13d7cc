// What the page sees of the game: the controller's handlers and the few values it reads, the
// enumerations the page's controls receive, and the strict integer conversion for the
// insecticide box.
#include "PageGame.h"
#include "ParseInteger.h"

#include <emscripten/bind.h>

using namespace emscripten;

namespace {
val orNull(const std::optional<std::uint32_t>& value) { return value ? val(*value) : val::null(); }

// The CSV block by block, each a Uint8Array of its own handed to sink: bytes exactly as the
// desktop saves them (a JavaScript string would lose the byte order mark on its way out of
// UTF-8), and never the whole file in the module's memory at once.
void chartCsv(const GameController& controller, const std::string& roundTitle, const std::string& hunterTitle,
              const std::string& preyTitle, const std::string& separator, const val& sink)
{
    controller.writeChartCsv({roundTitle, hunterTitle, preyTitle, separator}, [&sink](std::string_view block) {
        sink(val(typed_memory_view(block.size(), reinterpret_cast<const unsigned char*>(block.data()))).call<val>("slice"));
        return true;
    });
}
}  // namespace

EMSCRIPTEN_BINDINGS(quorvel)
{
    using Control = GameControls::Control;
    enum_<Control>("Control")
        .value("ChartButton", Control::ChartButton)
        .value("SimulationButton", Control::SimulationButton)
        .value("InteractiveButton", Control::InteractiveButton)
        .value("SprayButton", Control::SprayButton)
        .value("SpeedBar", Control::SpeedBar)
        .value("StartStopButton", Control::StartStopButton)
        .value("RunRoundsButton", Control::RunRoundsButton)
        .value("RollButton", Control::RollButton)
        .value("ReplayButton", Control::ReplayButton);
    enum_<Choice>("Choice")
        .value("None", Choice::None)
        .value("PlacePrey", Choice::PlacePrey)
        .value("RemoveHunter", Choice::RemoveHunter);
    enum_<Side>("Side").value("Prey", Side::Prey).value("Hunter", Side::Hunter);
    enum_<Cell>("Cell").value("Empty", Cell::Empty).value("Prey", Cell::Prey).value("Hunter", Cell::Hunter);
    using Phase = GameController::Phase;
    enum_<Phase>("Phase")
        .value("BeforeFirstGame", Phase::BeforeFirstGame)
        .value("SimulationStopped", Phase::SimulationStopped)
        .value("SimulationRunning", Phase::SimulationRunning)
        .value("InteractiveReady", Phase::InteractiveReady)
        .value("ChoicePending", Phase::ChoicePending);

    class_<GameController>("GameController")
        .function("phase", &GameController::phase)
        .function("gameNumber", optional_override([](const GameController& c) { return orNull(c.gameNumber()); }))
        .function("chartCsv", &chartCsv)
        .function("onNewGame", &GameController::onNewGame)
        .function("onReplayGame", &GameController::onReplayGame)
        .function("onGameByNumber", &GameController::onGameByNumber)
        .function("onGameNumberEntered", optional_override([](GameController& c, const val& entry) {
                      c.onGameNumberEntered(entry.isNull() ? std::nullopt
                                                           : std::optional<std::string>(entry.as<std::string>()));
                  }))
        .function("onRoll", &GameController::onRoll)
        .function("onInteractive", &GameController::onInteractive)
        .function("onSimulation", &GameController::onSimulation)
        .function("onStartStop", &GameController::onStartStop)
        .function("onRunRounds", &GameController::onRunRounds)
        .function("onRoundCountEntered", &GameController::onRoundCountEntered)
        .function("onTick", &GameController::onTick)
        .function("onSpeedChanged", &GameController::onSpeedChanged)
        .function("onSpray", &GameController::onSpray)
        .function("onCellClicked", optional_override([](GameController& c, int x, int y) { c.onCellClicked({x, y}); }))
        .function("onToggleChart", &GameController::onToggleChart)
        .function("onClearChart", &GameController::onClearChart);

    class_<PageGame>("PageGame")
        .constructor<val, val>()
        .function("controller", &PageGame::controller, allow_raw_pointers());

    function("parseInteger", optional_override([](const std::string& text) {
                 const std::optional<std::int32_t> value = parseInteger(text);
                 return value ? val(*value) : val::null();
             }));
}
