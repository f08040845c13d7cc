#include "SoakDriver.h"

#include "ModalAnswer.h"
#include "RecordingErrorBox.h"
#include "BoardWidget.h"
#include "SpinEdit.h"
#include "StatusBar.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QLabel>
#include <QSlider>
#include <QTest>

#include <cstdlib>
#include <numeric>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace {
// How often an action goes through a real mouse click rather than the handler: buttons repaint
// themselves at once on every press, which costs far more than the round they play.
constexpr int realButtonClick = 64;
constexpr int realTileClick = 8;

bool inBlock(int x, int y, int cx, int cy) { return std::abs(x - cx) <= 1 && std::abs(y - cy) <= 1; }
}  // namespace

namespace {
template <typename T>
T* find(MainWindow& form, const char* name)
{
    T* w = form.findChild<T*>(name);
    if (!w)
        throw std::logic_error(std::string("no control ") + name);
    return w;
}
}  // namespace

SoakDriver::Widgets::Widgets(MainWindow& form)
    : chartButton(find<QPushButton>(form, "chartButton")),
      print(find<QPushButton>(form, "printButton")),
      sim(find<QRadioButton>(form, "simulationButton")),
      intButton(find<QRadioButton>(form, "interactiveButton")),
      spray(find<QPushButton>(form, "sprayButton")),
      sprayRounds(find<SpinEdit>(form, "sprayRoundsBox")),
      speed(find<QSlider>(form, "speedBar")),
      startStop(find<QPushButton>(form, "startStopButton")),
      runRounds(find<QPushButton>(form, "runRoundsButton")),
      dice(find<QPushButton>(form, "rollButton")),
      newGame(find<QPushButton>(form, "newGameButton")),
      instruction(find<QLineEdit>(form, "instructionLine"))
{
}

SoakDriver::SoakDriver(MainWindow& form, GameController& controller, const SystemRoundTimer& timer,
                       RecordingErrorBox& errors, std::uint32_t seed, Mode home)
    : form_(form),
      controller_(controller),
      timer_(timer),
      errors_(errors),
      controls_(form),
      board_(find<BoardWidget>(form, "board")),
      statusBar_(form.findChild<StatusBar*>("statusBar")),
      sprayLabel_(form.findChild<QLabel*>("sprayLabel")),
      random_(seed),
      home_(home)
{
    for (auto& column : frames_)
        column.fill(QColor(Qt::black));
}

bool SoakDriver::Snapshot::sameGame(const Snapshot& o) const
{
    return cells == o.cells && hunters == o.hunters && prey == o.prey && round == o.round
        && markX == o.markX && markY == o.markY && choice == o.choice && sprayMarksShown == o.sprayMarksShown;
}

SoakDriver::Snapshot SoakDriver::snapshot() const
{
    const GameCore& k = controller_.core();
    Snapshot s;
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            s.cells[x][y] = k.cell(x, y);
    s.hunters = k.hunterCount();
    s.prey = k.preyCount();
    s.round = k.currentRound();
    s.markX = k.markedPosition().x;
    s.markY = k.markedPosition().y;
    s.choice = k.pendingChoice();
    s.sprayMarksShown = k.sprayMarksShown();
    s.spray = k.sprayedPositions();
    return s;
}

void SoakDriver::note(const char* action)
{
    recent_.push_back(say("#", steps_, " ", action));
    if (recent_.size() > 12)
        recent_.pop_front();
}

std::string SoakDriver::recentActions() const
{
    std::string all;
    for (const auto& a : recent_)
        all += a + "\n";
    return all;
}

std::string SoakDriver::step()
{
    ++steps_;
    const Snapshot before = snapshot();
    const Expectation e = act(before);
    std::string problem = afterRounds(before, e);
    if (problem.empty())
        problem = check(before, e);
    return problem;
}

// Weights per situation; the mode the driver is not at home in is left again soon.
SoakDriver::Expectation SoakDriver::act(const Snapshot& before)
{
    enum A { tickA, startStopA, startXA, diceA, tileA, insA, typedA, switchA, newGameA, speedA, chartA, disabledA, eventsA, count };
    std::array<int, count> w{};
    const bool interactive = controller_.mode() == ::Mode::Interactive;
    const bool away = started() && interactive != (home_ == Mode::interactive);
    using Phase = GameController::Phase;
    switch (controller_.phase()) {
    case Phase::BeforeFirstGame:
        w = {0, 0, 0, 0, 10, 0, 0, 10, 50, 0, 0, 20, 5};
        break;
    case Phase::SimulationRunning:
        w = {1000, away ? 200 : 10, 1, 0, 10, 10, 1, 2, 1, 2, 1, 5, 0};
        break;
    case Phase::SimulationStopped:
        w = {0, 50, 2, 0, 5, 5, 1, away ? 100 : 1, 1, 2, 1, 5, 2};
        break;
    case Phase::InteractiveReady:
        w = {0, 0, 0, 200, 10, 5, 1, away ? 100 : 1, 1, 0, 1, 5, 2};
        break;
    case Phase::ChoicePending:
        w = {0, 0, 0, 0, 100, 3, 1, away ? 30 : 1, 1, 0, 1, 5, 2};
        break;
    }
    int pick = between(1, std::accumulate(w.begin(), w.end(), 0));
    int action = 0;
    while (pick > w[static_cast<std::size_t>(action)])
        pick -= w[static_cast<std::size_t>(action++)];
    switch (action) {
    case tickA: return tick(before);
    case startStopA: return startStop();
    case startXA: return startX();
    case diceA: return dice();
    case tileA: return tileClick(before);
    case insA: return insecticide();
    case typedA: return typedInsecticide();
    case switchA: return switchMode();
    case newGameA: return newGame();
    case speedA: return speed();
    case chartA: return chart();
    case disabledA: return disabledClick();
    default: return events();
    }
}

SoakDriver::Expectation SoakDriver::tick(const Snapshot& before)
{
    note("tick");
    const bool atLimit = controller_.core().roundLimit() == before.round;
    controller_.onTick();
    if (atLimit)
        return {};  // the limit is reached: the tick stops the run instead of playing
    return {Rounds::one, true, false};
}

SoakDriver::Expectation SoakDriver::startStop()
{
    if (coin(realButtonClick)) {
        note("click startstop");
        QTest::mouseClick(controls_.startStop, Qt::LeftButton);
    } else {
        note("onStartStop");
        controller_.onStartStop();
    }
    return {};
}

SoakDriver::Expectation SoakDriver::startX()
{
    struct Entry {
        QString text;
        bool valid;
    };
    const Entry entries[] = {{QString::number(between(-3, 40)), true}, {"$A", true}, {"0", true},
                             {"", false}, {"x", false}, {"5 ", false}, {"fünf", false}};
    const Entry entry = entries[between(0, 6)];
    const bool cancel = coin(10);
    note(cancel ? "startx, cancelled" : "runRoundsButton");
    whenModalOpens([&entry, cancel](QWidget* prompt) {
        if (cancel) {
            QTest::keyClick(prompt, Qt::Key_Escape);
            return;
        }
        if (auto* edit = prompt->findChild<QLineEdit*>()) {
            edit->setText(entry.text);
            QTest::keyClick(edit, Qt::Key_Return);
        }
    });
    QTest::mouseClick(controls_.runRounds, Qt::LeftButton);
    const QString error = errors_.messages.empty() ? QString() : errors_.messages.back();
    errors_.clear();
    if (entry.valid && !cancel) {
        if (!error.isEmpty() || !controller_.isRunning())
            problem_ = say("the count '", entry.text.toStdString(), "' did not start a run");
    } else if (error != QStringLiteral("Die Eingabe war keine gültige Zahl!")) {
        problem_ = say("the entry '", entry.text.toStdString(), "' gave the message '", error.toStdString(), "'");
    }
    // While the prompt is open a running simulation goes on with real ticks.
    return {Rounds::any, true, false};
}

SoakDriver::Expectation SoakDriver::dice()
{
    if (coin(realButtonClick)) {
        note("click dice");
        QTest::mouseClick(controls_.dice, Qt::LeftButton);
    } else {
        note("onRoll");
        controller_.onRoll();
    }
    return {Rounds::one, false, false};
}

SoakDriver::Expectation SoakDriver::tileClick(const Snapshot& before)
{
    int x = between(1, 6), y = between(1, 6);
    if (pending() && coin(3)) {
        // Aim at a cell the decision accepts, if there is one.
        std::vector<std::pair<int, int>> valid;
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 6; ++j)
                if (before.choice == Choice::PlacePrey
                        ? before.cells[i][j] == Cell::Empty && inBlock(i, j, controller_.core().choicePosition().x, controller_.core().choicePosition().y)
                        : before.cells[i][j] == Cell::Hunter)
                    valid.emplace_back(i, j);
        if (!valid.empty())
            std::tie(x, y) = valid[static_cast<std::size_t>(between(0, int(valid.size()) - 1))];
    }
    if (coin(realTileClick)) {
        note("click tile");
        QTest::mouseClick(board_, Qt::LeftButton, {}, BoardWidget::tileRect({x, y}).center());
    } else {
        note("onTileClicked");
        controller_.onCellClicked({x, y});
    }
    const bool settles = before.choice != Choice::None
        && (before.choice == Choice::PlacePrey
                ? before.cells[x][y] == Cell::Empty && inBlock(x, y, controller_.core().choicePosition().x, controller_.core().choicePosition().y)
                : before.cells[x][y] == Cell::Hunter);
    if (!settles)
        return {};
    Expectation e{Rounds::none, false, false};
    e.settledX = x;
    e.settledY = y;
    return e;
}

SoakDriver::Expectation SoakDriver::insecticide()
{
    // Mostly short campaigns, now and then one that outlasts many others.
    const int value = coin(20) ? between(201, 1000) : coin(4) ? between(16, 200) : between(1, 15);
    controls_.sprayRounds->setValue(value);
    if (coin(realButtonClick)) {
        note("click ins");
        QTest::mouseClick(controls_.spray, Qt::LeftButton);
    } else {
        note("onSpray");
        controller_.onSpray(controls_.sprayRounds->value());
    }
    return {};
}

SoakDriver::Expectation SoakDriver::typedInsecticide()
{
    // Typed or pasted into the box; the box clamps a number as the focus moves to the button,
    // and anything that is no number reads as 1.
    struct Typed {
        const char* text;
        int value;
    };
    static const Typed typed[] = {{"0", 1},    {"-3", 1},   {"5000", 1000}, {"abc", 1}, {"", 1},
                                  {"007", 7},  {"+12", 12}, {"$1F", 31},    {"1,5", 1}, {"999", 999}};
    const Typed& t = typed[between(0, 9)];
    // Focus moves, and the box clamps, only in the active window, as under a user's hands.
    // Activating waits in the event loop, which a running timer would use for a round.
    if (!form_.isActiveWindow()) {
        if (controller_.isRunning())
            return insecticide();
        note("activate window");
        form_.activateWindow();
        if (!QTest::qWaitForWindowActive(&form_))
            return {};
    }
    note("typed ins");
    SpinEdit* spin = controls_.sprayRounds;
    spin->lineEdit()->setFocus(Qt::MouseFocusReason);
    spin->lineEdit()->setText(QString::fromUtf8(t.text));
    QTest::mouseClick(controls_.spray, Qt::LeftButton);
    if (controller_.core().sprayRoundsLeft() != t.value)
        problem_ = say("'", t.text, "' ordered ", controller_.core().sprayRoundsLeft(), " spraying rounds");
    return {};
}

SoakDriver::Expectation SoakDriver::switchMode()
{
    const bool interactive = controller_.mode() == ::Mode::Interactive;
    QRadioButton* other = interactive ? controls_.sim : controls_.intButton;
    note(interactive ? "click sim" : "click int");
    const bool allowed = other->isEnabled();
    QTest::mouseClick(other, Qt::LeftButton);
    if (allowed) {
        Expectation e;
        e.gameUntouched = false;
        e.dropsDecision = true;
        return e;
    }
    return {};
}

SoakDriver::Expectation SoakDriver::newGame()
{
    if (coin(2)) {
        note("click neu");
        QTest::mouseClick(controls_.newGame, Qt::LeftButton);
    } else {
        note("onNewGame");
        controller_.onNewGame();
    }
    chartPoints_ = 0;
    for (auto& column : frames_)
        column.fill(QColor(Qt::black));
    Expectation e;
    e.gameUntouched = false;
    e.newGame = true;
    return e;
}

SoakDriver::Expectation SoakDriver::speed()
{
    QSlider* bar = controls_.speed;
    if (coin(2)) {
        note("speed by program");
        bar->setValue(between(-5, 1005));
    } else {
        note("speed key");
        const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        QTest::keyClick(bar, keys[between(0, 5)]);
    }
    return {};
}

SoakDriver::Expectation SoakDriver::chart()
{
    note("click chart button");
    QTest::mouseClick(controls_.chartButton, Qt::LeftButton);
    return {};
}

SoakDriver::Expectation SoakDriver::disabledClick()
{
    QWidget* const candidates[] = {controls_.chartButton,       controls_.print, controls_.sim,
                                   controls_.intButton, controls_.spray,   controls_.startStop,
                                   controls_.runRounds,    controls_.dice,
                                   controls_.speed};
    QWidget* target = candidates[between(0, 8)];
    if (target->isEnabled())
        return {};  // only a disabled control is clicked here; the others have their own actions
    note(say("click disabled ", target->objectName().toStdString()).c_str());
    QTest::mouseClick(target, Qt::LeftButton);
    return {};
}

SoakDriver::Expectation SoakDriver::events()
{
    // Never while the timer runs: a real tick would play a round nobody asked for.
    if (controller_.isRunning())
        return {};
    note("process events");
    QCoreApplication::processEvents();
    return {};
}
