#include "MainWindow.h"

#include "BoardWidget.h"
#include "ChartCommands.h"
#include "ChartView.h"
#include "ErrorBox.h"
#include "ErrorReporting.h"
#include "GameController.h"
#include "Picture.h"
#include "PopulationChart.h"
#include "PromptForText.h"
#include "RulesWindow.h"
#include "SpinEdit.h"
#include "StatusBar.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QTimer>

#include <algorithm>

namespace {
// Fonts by pixel height, so the layout looks the same whatever the screen's resolution.
QFont pixelFont(const QString& family, int pixels)
{
    QFont f(family);
    f.setPixelSize(pixels);
    return f;
}

QWidget* plainPanel(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* w = new QWidget(parent);
    w->setObjectName(name);
    w->setGeometry(geometry);
    return w;
}

template <typename T>
T* named(T* widget, const char* name, const QRect& geometry, const QString& hint = {})
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    if (!hint.isEmpty())
        widget->setToolTip(hint);
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                    const QString& hint, bool enabled)
{
    auto* b = named(new QPushButton(caption, parent), name, geometry, hint);
    b->setEnabled(enabled);
    return b;
}

// Labels size themselves to their text, keeping the edge their text is aligned to, unless
// told to keep their laid-out size.
QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
              Qt::Alignment alignment, bool autoSize = true)
{
    auto* l = named(new QLabel(caption, parent), name, geometry);
    l->setAlignment(alignment | Qt::AlignTop);
    if (autoSize) {
        const QSize text = l->fontMetrics().size(0, caption);
        QRect r = geometry;
        if (alignment & Qt::AlignRight)
            r.setLeft(r.right() + 1 - text.width());
        else
            r.setWidth(text.width());
        r.setHeight(std::max(r.height(), text.height()));
        l->setGeometry(r);
    }
    return l;
}

// Group boxes with their caption on the frame line.
const char* const groupBoxStyle =
    "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 7px; padding: 0 2px; }";

// The status bar's panels, left to right: a label before each value, and a filler.
enum StatusPanel { RoundLabel, RoundPanel, HunterLabel, HunterPanel, PreyLabel, PreyPanel, SideLabel, SidePanel };
QImage loadPicture(const QString& fileName)
{
    Picture picture;
    picture.loadFromFile(fileName);
    return picture.image();
}

QColor toQColor(BgrColor c) { return QColor(c.redByte(), c.greenByte(), c.blueByte()); }

QString sideName(Side side) { return side == Side::Hunter ? MainWindow::tr("Räuber") : MainWindow::tr("Beute"); }

QString instructionText(Choice choice)
{
    switch (choice) {
    case Choice::PlacePrey:
        return MainWindow::tr("Beute plazieren");
    case Choice::RemoveHunter:
        return MainWindow::tr("Räuber stirbt");
    case Choice::None:
        break;
    }
    return {};
}

}  // namespace

MainWindow::MainWindow(ErrorBox& errorBox, Beeper& beeper, QWidget* parent)
    : QWidget(parent), errorBox_(errorBox), beeper_(beeper)
{
    setObjectName("mainWindow");
    setWindowTitle("Quorvel");
    setFont(pixelFont("Liberation Sans", 11));
    setStyleSheet(groupBoxStyle);
    createLayout();
    applyWidthLimits();
    resize(clientWidth, clientHeight);

    // A picture that cannot be loaded ends the start-up steps here; the error is reported
    // once and the window opens all the same, without tiles.
    try {
        loadPictures();
        board_->reset();
        populationChart_->setBackgroundColor(Qt::white);
    } catch (const std::exception& e) {
        reportException(errorBox_, e);
    }
    // Only now: the board takes the keyboard only with its pictures, and Qt leaves a widget that
    // takes none out of a tab order.
    setTabOrder();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectTo(GameController& controller, ChartCommands& chartCommands)
{
    controller_ = &controller;
    const auto forward = [this, &controller](QPushButton* button, void (GameController::*handler)()) {
        connect(button, &QPushButton::clicked, this, reporting([&controller, handler] { (controller.*handler)(); }));
    };
    forward(newGameButton_, &GameController::onNewGame);
    forward(rollButton_, &GameController::onRoll);
    forward(startStopButton_, &GameController::onStartStop);
    forward(runRoundsButton_, &GameController::onRunRounds);
    forward(chartButton_, &GameController::onToggleChart);
    forward(replayButton_, &GameController::onReplayGame);
    forward(gameByNumberButton_, &GameController::onGameByNumber);
    // Only the button that becomes checked acts; choosing the checked one again does nothing.
    connect(interactiveButton_, &QRadioButton::toggled, this, reporting([&controller](bool on) {
                if (on)
                    controller.onInteractive();
            }));
    connect(simulationButton_, &QRadioButton::toggled, this, reporting([&controller](bool on) {
                if (on)
                    controller.onSimulation();
            }));
    connect(sprayButton_, &QPushButton::clicked, this,
            reporting([this, &controller] { controller.onSpray(sprayRoundsBox_->value()); }));
    connect(speedBar_, &QSlider::valueChanged, this,
            reporting([&controller](int position) { controller.onSpeedChanged(position); }));
    connect(board_, &BoardWidget::cellClicked, this,
            reporting([&controller](Position cell) { controller.onCellClicked(cell); }));

    connect(printButton_, &QPushButton::clicked, this, reporting([&chartCommands] { chartCommands.print(); }));
    createChartMenu(chartCommands);
}

void MainWindow::createLayout()
{
    leftPanel_ = plainPanel(this, "leftPanel", {0, 0, 313, 379});
    QWidget* topPanel = plainPanel(leftPanel_, "topPanel", {0, 0, 313, 321});
    boardBox_ = named(new QGroupBox(tr("Spielfeld"), topPanel), "boardBox", {0, 0, 313, 321});
    board_ = named(new BoardWidget(boardBox_), "board", {8, 16, 297, 297});
    QWidget* bottomPanel = plainPanel(leftPanel_, "bottomPanel", {0, 321, 313, 58});
    createSettings(bottomPanel);

    rightPanel_ = plainPanel(this, "rightPanel", {313, 0, 100, 379});
    createButtonColumn(rightPanel_);
    createStatusBar();
    createAnalysisPanel();

    creditTimer_ = new QTimer(this);
    creditTimer_->setObjectName("creditTimer");
    creditTimer_->setSingleShot(true);
    connect(creditTimer_, &QTimer::timeout, this, &MainWindow::hideCredit);
    creditTimer_->start(2000);
}

void MainWindow::createSettings(QWidget* bottomPanel)
{
    auto* settings = named(new QGroupBox(tr("Einstellungen"), bottomPanel), "settingsBox", {0, 0, 313, 57});
    label(settings, "modeLabel", tr("Modus"), {57, 14, 32, 13}, Qt::AlignRight);
    interactiveButton_ = named(new QRadioButton(tr("Interaktiv"), settings), "interactiveButton", {96, 14, 65, 17},
                               tr("Benutzer fällt Entscheidungen"));
    interactiveButton_->setEnabled(false);
    // A translation may run longer than the German caption the layout was made for: the button
    // then grows towards the next one rather than cut its caption.
    interactiveButton_->resize(std::clamp(interactiveButton_->sizeHint().width(), 65, 168 - 96 - 2), 17);
    simulationButton_ = named(new QRadioButton(tr("Simulation"), settings), "simulationButton", {168, 14, 73, 17},
                              tr("ohne Benutzereingriff"));
    simulationButton_->setEnabled(false);
    simulationButton_->setChecked(true);
    sprayButton_ = button(settings, "sprayButton", tr("Insektizid"), {240, 10, 65, 18}, tr("Insektizideinsatz"), false);
    label(settings, "speedLabel", tr("Geschwindigkeit"), {11, 30, 78, 13}, Qt::AlignRight);

    // Its position p asks for a round every 1001 - p ms; 501 is the 500 ms the timer starts with.
    speedBar_ = named(new QSlider(Qt::Horizontal, settings), "speedBar", {96, 30, 145, 22},
                      tr("Geschwindigkeit der Simulation"));
    speedBar_->setRange(1, 1000);
    speedBar_->setValue(501);
    speedBar_->setPageStep(50);
    speedBar_->setTickPosition(QSlider::TicksBelow);
    speedBar_->setTickInterval(100);
    speedBar_->setEnabled(false);

    sprayRoundsBox_ = named(new SpinEdit(beeper_, settings), "sprayRoundsBox", {240, 30, 65, 22},
                            tr("Anzahl der Runden, in denen Insektizid eingesetzt wird"));
    sprayRoundsBox_->setMinValue(1);
    sprayRoundsBox_->setMaxValue(1000);
    sprayRoundsBox_->setValue(10);
}

void MainWindow::createButtonColumn(QWidget* panel)
{
    const QString credit = tr("© 2026 Das Quorvel-Team");
    creditLabel_ = label(panel, "creditLabel", credit, {8, 0, 88, 9}, Qt::AlignRight, false);
    creditLabel_->setToolTip(credit);
    creditLabel_->setFont(pixelFont("Liberation Sans", 7));
    newGameButton_ = button(panel, "newGameButton", tr("Neu"), {5, 16, 89, 25}, tr("Neue Simulation starten"), true);
    quitButton_ = button(panel, "quitButton", tr("Ende"), {5, 48, 89, 25}, tr("Programm beenden"), true);

    instructionLine_ = named(new QLineEdit(panel), "instructionLine", {5, 112, 89, 21},
                             tr("Anweisung für den Spieler"));
    instructionLine_->setReadOnly(true);
    sprayLabel_ = label(panel, "sprayLabel", tr("Insektizid"), {5, 136, 89, 21}, Qt::AlignHCenter, false);
    sprayLabel_->setFont(pixelFont("Liberation Sans", 16));
    QPalette yellow = sprayLabel_->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    sprayLabel_->setPalette(yellow);
    sprayLabel_->hide();

    // The game's number, to read, copy and play again, in the free space above "Diagramm >>";
    // the row below the two buttons stays free.
    label(panel, "gameNumberLabel", tr("Spiel Nr."), {5, 160, 89, 13}, Qt::AlignLeft);
    gameNumberLine_ = named(new QLineEdit(panel), "gameNumberLine", {5, 174, 89, 20},
                            tr("Nummer dieses Spiels: mit ihr lässt es sich wiederholen, auch mit quorvel-sim --seed"));
    gameNumberLine_->setReadOnly(true);
    replayButton_ = button(panel, "replayButton", tr("Nochmal"), {5, 197, 51, 20},
                           tr("Dasselbe Spiel noch einmal von vorn"), false);
    gameByNumberButton_ = button(panel, "gameByNumberButton", tr("Nr. …"), {57, 197, 37, 20},
                                 tr("Ein Spiel nach seiner Nummer starten"), true);
    // The rules, in the row left free below the game's number; F1 opens them too.
    rulesButton_ = button(panel, "rulesButton", tr("Spielregeln"), {5, 220, 89, 16}, tr("Wie das Spiel geht (F1)"), true);
    connect(rulesButton_, &QPushButton::clicked, this, reporting([this] { showRules(); }));
    auto* rulesKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    rulesKey->setObjectName("rulesShortcut");
    connect(rulesKey, &QShortcut::activated, this, reporting([this] { showRules(); }));

    chartButton_ = button(panel, "chartButton", tr("Diagramm >>"), {5, 240, 89, 25},
                          tr("Ein/Ausblenden eines Populationsverlaufs"), false);
    printButton_ = button(panel, "printButton", tr("Drucken"), {5, 272, 89, 25}, tr("Diagramm drucken"), false);
    label(panel, "simulationLabel", tr("Simulation"), {5, 297, 48, 13}, Qt::AlignLeft);
    startStopButton_ = button(panel, "startStopButton", tr("Start"), {5, 312, 76, 25},
                              tr("Simulation starten/stoppen"), false);
    // The logical-or sign draws as a small downward chevron.
    runRoundsButton_ = button(panel, "runRoundsButton", QString(QChar(0x2228)), {80, 312, 14, 25},
                              tr("Eine bestimmte Zahl Spielzüge durchführen"), false);
    runRoundsButton_->setFont(pixelFont("DejaVu Sans", 11));
    runRoundsButton_->raise();
    label(panel, "interactiveLabel", tr("Interaktiv"), {5, 337, 44, 13}, Qt::AlignLeft);
    rollButton_ = button(panel, "rollButton", tr("Würfeln"), {5, 352, 89, 25}, tr("Nächste Runde"), false);

    connect(quitButton_, &QPushButton::clicked, this, &QWidget::close);
}

void MainWindow::createStatusBar()
{
    statusBar_ = named(new StatusBar(this), "statusBar", {0, 379, clientWidth, 19});
    using B = StatusBar::Bevel;
    const StatusBar::Panel panels[] = {
        {tr("Durchgang:"), 60, B::None, Qt::AlignRight}, {"0", 50, B::Lowered, Qt::AlignLeft},
        {tr("Räuber:"), 50, B::None, Qt::AlignRight},    {"0", 25, B::Lowered, Qt::AlignLeft},
        {tr("Beute:"), 50, B::None, Qt::AlignRight},     {"0", 25, B::Lowered, Qt::AlignLeft},
        {tr("Spieler:"), 50, B::None, Qt::AlignRight},   {"", 50, B::Raised, Qt::AlignLeft},
        {"", 0, B::None, Qt::AlignLeft},
    };
    for (const auto& p : panels)
        statusBar_->addPanel(p);
}

void MainWindow::createAnalysisPanel()
{
    analysisBox_ = named(new QGroupBox(tr("Analyse"), this), "analysisBox", {clientWidth, 0, 0, 379});
    analysisBox_->hide();
    chart_ = new ChartView(analysisBox_);
    chart_->setObjectName("chart");
    populationChart_ = std::make_unique<PopulationChart>(*chart_);
}

void MainWindow::createChartMenu(ChartCommands& commands)
{
    chartMenu_ = new QMenu(chart_);
    chartMenu_->setObjectName("chartMenu");
    QMenu* colors = chartMenu_->addMenu(tr("Farbeinstellungen"));
    colors->setObjectName("colorMenu");
    auto item = [this, &commands](QMenu* menu, const char* name, const QString& caption,
                                  void (ChartCommands::*command)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, reporting([&commands, command] { (commands.*command)(); }));
        return a;
    };
    item(colors, "monochromeAction", tr("Monochrom"), &ChartCommands::applyMonochrome);
    // A plain command: choosing it sets the colours and leaves no check mark behind.
    item(colors, "standardColorsAction", tr("Standard"), &ChartCommands::applyStandardColors);
    colors->addSeparator()->setObjectName("colorSeparator");
    item(colors, "hunterColorAction", tr("Räuber"), &ChartCommands::pickHunterColor);
    item(colors, "preyColorAction", tr("Beute"), &ChartCommands::pickPreyColor);
    item(colors, "backgroundColorAction", tr("Hintergrund"), &ChartCommands::pickBackgroundColor);
    item(colors, "borderColorAction", tr("Rahmenfarbe"), &ChartCommands::pickBorderColor);
    item(chartMenu_, "clearChartAction", tr("Daten Löschen"), &ChartCommands::clear);
    item(chartMenu_, "copyChartAction", tr("-> Zwischenablage"), &ChartCommands::copyToClipboard);
    chartMenu_->addSeparator()->setObjectName("saveSeparator");
    item(chartMenu_, "saveDataAction", tr("Daten als CSV speichern …"), &ChartCommands::saveData);
    item(chartMenu_, "savePictureAction", tr("Diagramm als Bild speichern …"), &ChartCommands::savePicture);

    chart_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(chart_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { chartMenu_->popup(chart_->mapToGlobal(at)); });
}

void MainWindow::setTabOrder()
{
    // The keyboard order of the layout: settings group, then the button column.
    const QWidget* order[] = {speedBar_, simulationButton_, interactiveButton_, sprayRoundsBox_, sprayButton_, printButton_, startStopButton_,
                              newGameButton_,   quitButton_, rollButton_, chartButton_, instructionLine_, runRoundsButton_,
                              // additions to the layout come last
                              gameNumberLine_, replayButton_, gameByNumberButton_, rulesButton_, board_};
    QWidget* previous = chart_;
    for (const QWidget* w : order) {
        QWidget::setTabOrder(previous, const_cast<QWidget*>(w));
        previous = const_cast<QWidget*>(w);
    }
    // The keyboard starts in the first control of this order that is enabled before a game.
    // Named, because the board stands first in the window's own chain, and Qt moves nothing in a
    // tab order that already leads there (past controls that take no focus).
    sprayRoundsBox_->setFocus();
}

void MainWindow::resizeEvent(QResizeEvent*)
{
    // The board and the button column keep their place; the status bar spans the width and
    // the analysis panel takes what is left to the right.
    statusBar_->setGeometry(0, height() - 19, width(), 19);
    analysisBox_->setGeometry(clientWidth, 0, std::max(0, width() - clientWidth), height() - 19);
    // Inside the group box's frame and below its caption, less the 5-pixel spacers at the
    // left, right and bottom.
    const int top = analysisBox_->fontMetrics().height() + 1;
    chart_->setGeometry(1 + 5, top, std::max(0, analysisBox_->width() - 2 - 10), std::max(0, analysisBox_->height() - top - 1 - 5));
}

void MainWindow::applyWidthLimits()
{
    setFixedHeight(clientHeight);
    if (panelShown_) {
        setMaximumWidth(QWIDGETSIZE_MAX);
        setMinimumWidth(openMinWidth);
    } else {
        setMinimumWidth(clientWidth);
        setMaximumWidth(clientWidth);
    }
}

// --- start-up ----------------------------------------------------------------------------

void MainWindow::loadPictures()
{
    // One after the other: a picture that fails leaves those after it empty.
    pictures_.empty = loadPicture("leer.bmp");
    pictures_.prey = loadPicture("prey.bmp");
    pictures_.hunter = loadPicture("hunter.bmp");
    pictures_.background = loadPicture("back.bmp");
    board_->setPictures(pictures_);
}

void MainWindow::hideCredit()
{
    creditLabel_->clear();
    creditTimer_->stop();
}

void MainWindow::showRules()
{
    if (!rulesWindow_) {
        rulesWindow_ = new RulesWindow(pictures_, this);
        rulesWindow_->setObjectName("rulesWindow");
        // Beside the main window where the screen has room, else where the desktop puts it.
        const QRect frame = frameGeometry();
        const QRect screen = this->screen()->availableGeometry();
        if (frame.right() + 8 + rulesWindow_->width() <= screen.right())
            rulesWindow_->move(frame.right() + 8, frame.top());
    }
    rulesWindow_->show();
    rulesWindow_->raise();
    rulesWindow_->activateWindow();
}

// --- GameControls ------------------------------------------------------------------------

void MainWindow::setControlEnabled(Control control, bool enabled)
{
    QWidget* widget = nullptr;
    switch (control) {
    case Control::ChartButton: widget = chartButton_; break;
    case Control::SimulationButton: widget = simulationButton_; break;
    case Control::InteractiveButton: widget = interactiveButton_; break;
    case Control::SprayButton: widget = sprayButton_; break;
    case Control::SpeedBar: widget = speedBar_; break;
    case Control::StartStopButton: widget = startStopButton_; break;
    case Control::RunRoundsButton: widget = runRoundsButton_; break;
    case Control::RollButton: widget = rollButton_; break;
    case Control::ReplayButton: widget = replayButton_; break;
    }
    widget->setEnabled(enabled);
}

void MainWindow::showRunning(bool running)
{
    startStopButton_->setText(running ? tr("Stop") : tr("Start"));
}

void MainWindow::setInstructionVisible(bool visible) { instructionLine_->setVisible(visible); }

void MainWindow::showInstruction(Choice choice) { instructionLine_->setText(instructionText(choice)); }

void MainWindow::showCounts(int round, int hunters, int prey)
{
    statusBar_->setPanelText(RoundPanel, QString::number(round));
    statusBar_->setPanelText(HunterPanel, QString::number(hunters));
    statusBar_->setPanelText(PreyPanel, QString::number(prey));
}

void MainWindow::showSide(Side side) { statusBar_->setPanelText(SidePanel, sideName(side)); }

void MainWindow::resetBoard() { board_->reset(); }

void MainWindow::setFramesSolid() { board_->setFramesSolid(); }

void MainWindow::showCell(Position cell, Cell content) { board_->showCell(cell, content); }

void MainWindow::setFrameColor(Position cell, BgrColor color) { board_->setFrameColor(cell, toQColor(color)); }

void MainWindow::setSprayLabelVisible(bool visible) { sprayLabel_->setVisible(visible); }

void MainWindow::showChartPanel(bool shown)
{
    panelShown_ = shown;
    chartButton_->setText(shown ? tr("Diagramm <<") : tr("Diagramm >>"));
    printButton_->setEnabled(shown);
    analysisBox_->setVisible(shown);
    applyWidthLimits();
    // A maximised window is maximised anew under the new limits.
    if (isMaximized()) {
        showNormal();
        showMaximized();
    }
}

void MainWindow::appendChartPoint(int hunters, int prey) { populationChart_->append(hunters, prey); }

void MainWindow::clearChart() { populationChart_->clear(); }

void MainWindow::askRoundCount()
{
    // Whether the prompt was confirmed does not matter: a cancel leaves the entry empty.
    QString text;
    promptForText(tr("Rundenvorgabe"), tr("Wieviele Runden sollen simuliert werden"), text, this);
    controller_->onRoundCountEntered(text.toStdString());
}

void MainWindow::reportInvalidRoundCount()
{
    errorBox_.showMessageDialog(tr("Die Eingabe war keine gültige Zahl!"));
}

void MainWindow::showGameNumber(std::uint32_t number) { gameNumberLine_->setText(QString::number(number)); }

void MainWindow::askGameNumber(std::optional<std::uint32_t> suggestion)
{
    QString text = suggestion ? QString::number(*suggestion) : QString();
    if (promptForText(tr("Spiel nach Nummer"), tr("Nummer des Spiels (0 bis 4294967295)"), text, this))
        controller_->onGameNumberEntered(text.toStdString());
    else
        controller_->onGameNumberEntered(std::nullopt);
}

void MainWindow::reportInvalidGameNumber()
{
    errorBox_.showMessageDialog(
        tr("Eine Spielnummer ist eine ganze Zahl von 0 bis 4294967295, ohne Vorzeichen und ohne Leerzeichen."));
}
