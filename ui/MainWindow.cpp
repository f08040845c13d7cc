#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "Beeper.h"
#include "ChartCommands.h"
#include "ErrorBox.h"
#include "GameController.h"
#include "PopulationChart.h"
#include "PromptForText.h"
#include "RulesWindow.h"
#include "SeriesWindow.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace {
// The status bar's panels, left to right: a label before each value, and a filler.
enum StatusPanel { RoundLabel, RoundPanel, HunterLabel, HunterPanel, PreyLabel, PreyPanel, SideLabel, SidePanel };

// Fonts by pixel height, so the layout looks the same whatever the screen's resolution.
QFont pixelFont(const QString& family, int pixels)
{
    QFont f(family);
    f.setPixelSize(pixels);
    return f;
}

// A label sized to its text, keeping the edge its text is aligned to: a translation may run
// longer than the German the layout was made for.
void fitToText(QLabel* label)
{
    const QSize text = label->fontMetrics().size(0, label->text());
    QRect r = label->geometry();
    if (label->alignment() & Qt::AlignRight)
        r.setLeft(r.right() + 1 - text.width());
    else
        r.setWidth(text.width());
    r.setHeight(std::max(r.height(), text.height()));
    label->setGeometry(r);
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
    : QWidget(parent), ui_(std::make_unique<Ui::MainWindow>()), errorBox_(errorBox)
{
    ui_->setupUi(this);
    setUpFonts();
    setUpStatusBar();
    // A translation may run longer than the German caption the layout was made for: the mode
    // button then grows towards the next one rather than cut its caption.
    ui_->interactiveButton->resize(std::clamp(ui_->interactiveButton->sizeHint().width(), 65, 168 - 96 - 2), 17);
    ui_->runRoundsButton->raise();
    ui_->sprayRoundsBox->lineEdit()->setAccessibleName(ui_->sprayRoundsBox->toolTip());
    connect(ui_->sprayRoundsBox, &SpinEdit::keyRefused, this, [&beeper] { beeper.beep(); });
    QPalette yellow = ui_->sprayLabel->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    ui_->sprayLabel->setPalette(yellow);
    populationChart_ = std::make_unique<PopulationChart>(*ui_->chart);

    auto* creditTimer = new QTimer(this);
    creditTimer->setObjectName("creditTimer");
    creditTimer->setSingleShot(true);
    connect(creditTimer, &QTimer::timeout, this, &MainWindow::hideCredit);
    creditTimer->start(2000);

    connect(ui_->quitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui_->rulesButton, &QPushButton::clicked, this, reporting([this] { showRules(); }));
    auto* rulesKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    rulesKey->setObjectName("rulesShortcut");
    connect(rulesKey, &QShortcut::activated, this, reporting([this] { showRules(); }));

    applyWidthLimits();
    resize(clientWidth, clientHeight);
    // The keyboard starts in the first control of the tab order that a player can use before
    // the first game.
    ui_->sprayRoundsBox->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::setUpFonts()
{
    setFont(pixelFont("Liberation Sans", 11));
    ui_->creditLabel->setFont(pixelFont("Liberation Sans", 7));
    ui_->sprayLabel->setFont(pixelFont("Liberation Sans", 16));
    // The logical-or sign draws as a small downward chevron.
    ui_->runRoundsButton->setFont(pixelFont("DejaVu Sans", 11));
    for (QLabel* label : {ui_->modeLabel, ui_->speedLabel, ui_->gameNumberLabel, ui_->simulationLabel,
                          ui_->interactiveLabel})
        fitToText(label);
}

void MainWindow::setUpStatusBar()
{
    // Each value is a field that screen readers name by its label, without the colon.
    using B = StatusBar::Bevel;
    const auto field = [this](const QString& label, int labelWidth, int width, B bevel, QString text) {
        ui_->statusBar->addPanel({label, labelWidth, B::None, Qt::AlignRight, {}});
        ui_->statusBar->addPanel({std::move(text), width, bevel, Qt::AlignLeft, label.chopped(1)});
    };
    field(tr("Durchgang:"), 60, 50, B::Lowered, "0");
    field(tr("Räuber:"), 50, 25, B::Lowered, "0");
    field(tr("Beute:"), 50, 25, B::Lowered, "0");
    field(tr("Spieler:"), 50, 50, B::Raised, "");
    ui_->statusBar->addPanel({"", 0, B::None, Qt::AlignLeft, {}});
}

void MainWindow::finishStartUp(const CellPictures& pictures)
{
    pictures_ = pictures;
    if (!pictures.isComplete())
        return;
    ui_->board->setPictures(pictures);
    ui_->board->reset();
    populationChart_->setBackgroundColor(Qt::white);
    // The board takes the keyboard only now that it has its pictures: last, after the rules.
    QWidget::setTabOrder(ui_->rulesButton, ui_->board);
}

ChartView& MainWindow::chart() { return *ui_->chart; }

void MainWindow::connectTo(GameController& controller, ChartCommands& chartCommands, SaveFileChooser& saveChooser)
{
    controller_ = &controller;
    saveChooser_ = &saveChooser;
    connect(ui_->seriesButton, &QPushButton::clicked, this, reporting([this] { showSeries(); }));
    const auto forward = [this, &controller](QPushButton* button, void (GameController::*handler)()) {
        connect(button, &QPushButton::clicked, this, reporting([&controller, handler] { (controller.*handler)(); }));
    };
    forward(ui_->newGameButton, &GameController::onNewGame);
    forward(ui_->rollButton, &GameController::onRoll);
    forward(ui_->startStopButton, &GameController::onStartStop);
    forward(ui_->runRoundsButton, &GameController::onRunRounds);
    forward(ui_->chartButton, &GameController::onToggleChart);
    forward(ui_->replayButton, &GameController::onReplayGame);
    forward(ui_->gameByNumberButton, &GameController::onGameByNumber);
    // Only the button that becomes checked acts; choosing the checked one again does nothing.
    connect(ui_->interactiveButton, &QRadioButton::toggled, this, reporting([&controller](bool on) {
                if (on)
                    controller.onInteractive();
            }));
    connect(ui_->simulationButton, &QRadioButton::toggled, this, reporting([&controller](bool on) {
                if (on)
                    controller.onSimulation();
            }));
    connect(ui_->sprayButton, &QPushButton::clicked, this,
            reporting([this, &controller] { controller.onSpray(ui_->sprayRoundsBox->value()); }));
    connect(ui_->speedBar, &QSlider::valueChanged, this,
            reporting([&controller](int position) { controller.onSpeedChanged(position); }));
    connect(ui_->board, &BoardWidget::cellClicked, this,
            reporting([&controller](Position cell) { controller.onCellClicked(cell); }));
    connect(ui_->printButton, &QPushButton::clicked, this, reporting([&chartCommands] { chartCommands.print(); }));
    createChartMenu(chartCommands);
}

void MainWindow::createChartMenu(ChartCommands& commands)
{
    chartMenu_ = new QMenu(ui_->chart);
    chartMenu_->setObjectName("chartMenu");
    QMenu* colors = chartMenu_->addMenu(tr("Farbeinstellungen"));
    colors->setObjectName("colorMenu");
    auto item = [this, &commands](QMenu* menu, const char* name, const QString& caption,
                                  void (ChartCommands::*command)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, reporting([&commands, command] { (commands.*command)(); }));
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

    ui_->chart->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui_->chart, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { chartMenu_->popup(ui_->chart->mapToGlobal(at)); });
}

void MainWindow::resizeEvent(QResizeEvent*)
{
    // The board and the button column keep their place; the status bar spans the width and
    // the analysis panel takes what is left to the right.
    ui_->statusBar->setGeometry(0, height() - 19, width(), 19);
    QGroupBox* panel = ui_->analysisBox;
    panel->setGeometry(clientWidth, 0, std::max(0, width() - clientWidth), height() - 19);
    // Inside the group box's frame and below its caption, less the 5-pixel spacers at the
    // left, right and bottom.
    const int top = panel->fontMetrics().height() + 1;
    ui_->chart->setGeometry(1 + 5, top, std::max(0, panel->width() - 2 - 10), std::max(0, panel->height() - top - 1 - 5));
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

void MainWindow::hideCredit()
{
    ui_->creditLabel->clear();
    findChild<QTimer*>("creditTimer")->stop();
}

void MainWindow::showRules()
{
    if (!rulesWindow_) {
        rulesWindow_ = new RulesWindow(pictures_, this);
        rulesWindow_->setObjectName("rulesWindow");
        const QRect place = rulesWindow_->placeBeside(frameGeometry(), geometry(), screen()->availableGeometry());
        rulesWindow_->resize(place.size());
        if (!place.topLeft().isNull())
            rulesWindow_->move(place.topLeft());
    }
    rulesWindow_->show();
    rulesWindow_->raise();
    rulesWindow_->activateWindow();
}

void MainWindow::showSeries()
{
    if (!seriesWindow_) {
        seriesWindow_ = new SeriesWindow(errorBox_, *saveChooser_, this);
        seriesWindow_->setObjectName("seriesWindow");
        seriesWindow_->resize(seriesWindow_->size().boundedTo(screen()->availableGeometry().size() - QSize(16, 48)));
    }
    seriesWindow_->offerFirstGame(controller_->gameNumber());
    seriesWindow_->show();
    seriesWindow_->raise();
    seriesWindow_->activateWindow();
}

// --- GameControls ------------------------------------------------------------------------

void MainWindow::setControlEnabled(Control control, bool enabled)
{
    QWidget* widget = nullptr;
    switch (control) {
    case Control::ChartButton: widget = ui_->chartButton; break;
    case Control::SimulationButton: widget = ui_->simulationButton; break;
    case Control::InteractiveButton: widget = ui_->interactiveButton; break;
    case Control::SprayButton: widget = ui_->sprayButton; break;
    case Control::SpeedBar: widget = ui_->speedBar; break;
    case Control::StartStopButton: widget = ui_->startStopButton; break;
    case Control::RunRoundsButton: widget = ui_->runRoundsButton; break;
    case Control::RollButton: widget = ui_->rollButton; break;
    case Control::ReplayButton: widget = ui_->replayButton; break;
    }
    widget->setEnabled(enabled);
}

void MainWindow::showRunning(bool running) { ui_->startStopButton->setText(running ? tr("Stop") : tr("Start")); }

void MainWindow::setInstructionVisible(bool visible) { ui_->instructionLine->setVisible(visible); }

void MainWindow::showInstruction(Choice choice) { ui_->instructionLine->setText(instructionText(choice)); }

void MainWindow::showCounts(int round, int hunters, int prey)
{
    ui_->statusBar->setPanelText(RoundPanel, QString::number(round));
    ui_->statusBar->setPanelText(HunterPanel, QString::number(hunters));
    ui_->statusBar->setPanelText(PreyPanel, QString::number(prey));
}

void MainWindow::showSide(Side side) { ui_->statusBar->setPanelText(SidePanel, sideName(side)); }

void MainWindow::resetBoard() { ui_->board->reset(); }

void MainWindow::setFramesSolid() { ui_->board->setFramesSolid(); }

void MainWindow::showCell(Position cell, Cell content) { ui_->board->showCell(cell, content); }

void MainWindow::setFrameColor(Position cell, BgrColor color) { ui_->board->setFrameColor(cell, toQColor(color)); }

void MainWindow::setSprayLabelVisible(bool visible) { ui_->sprayLabel->setVisible(visible); }

void MainWindow::showChartPanel(bool shown)
{
    panelShown_ = shown;
    ui_->chartButton->setText(shown ? tr("Diagramm <<") : tr("Diagramm >>"));
    ui_->printButton->setEnabled(shown);
    ui_->analysisBox->setVisible(shown);
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

void MainWindow::reportInvalidRoundCount() { errorBox_.showMessageDialog(tr("Die Eingabe war keine gültige Zahl!")); }

void MainWindow::showGameNumber(std::uint32_t number) { ui_->gameNumberLine->setText(QString::number(number)); }

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
