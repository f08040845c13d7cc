#include "MainWindow.h"

#include "ChartView.h"
#include "ColorDialog.h"
#include "ErrorBox.h"
#include "ErrorReporting.h"
#include "Exception.h"
#include "ParseInteger.h"
#include "Picture.h"
#include "PictureView.h"
#include "ChartCommands.h"
#include "PopulationChart.h"
#include "PrintDialog.h"
#include "PromptForText.h"
#include "SpinEdit.h"
#include "StatusBar.h"
#include "Timer.h"
#include "TrackBar.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString creditText = QStringLiteral("© 2026 Das Quorvel-Team");

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

const QString startCaption = QStringLiteral("Start");

QColor toQColor(BgrColor c) { return QColor(c.redByte(), c.greenByte(), c.blueByte()); }

QString sideName(Side side) { return side == Side::Hunter ? QStringLiteral("Räuber") : QStringLiteral("Beute"); }

QString instructionText(Choice choice)
{
    switch (choice) {
    case Choice::PlacePrey:
        return QStringLiteral("Beute plazieren");
    case Choice::RemoveHunter:
        return QStringLiteral("Räuber stirbt");
    case Choice::None:
        break;
    }
    return {};
}

}  // namespace

MainWindow::MainWindow(ErrorBox& errorBox, Beeper& beeper, Printer& printer, QWidget* parent)
    : QWidget(parent), errorBox_(errorBox), beeper_(beeper), printer_(printer)
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
        clearBoard();
        populationChart_->setBackgroundColor(Qt::white);
    } catch (const std::exception& e) {
        reportException(errorBox_, e);
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::createLayout()
{
    leftPanel_ = plainPanel(this, "leftPanel", {0, 0, 313, 379});
    QWidget* topPanel = plainPanel(leftPanel_, "topPanel", {0, 0, 313, 321});
    boardBox_ = named(new QGroupBox("Spielfeld", topPanel), "boardBox", {0, 0, 313, 321});
    backgroundPicture_ = named(new PictureView(boardBox_), "backgroundPicture", {8, 16, 297, 297});
    backgroundPicture_->setStretched(true);
    backgroundPicture_->setCentered(true);
    backgroundPicture_->setIncrementalDisplay(true);
    QWidget* bottomPanel = plainPanel(leftPanel_, "bottomPanel", {0, 321, 313, 58});
    createSettings(bottomPanel);

    rightPanel_ = plainPanel(this, "rightPanel", {313, 0, 100, 379});
    createButtonColumn(rightPanel_);
    createStatusBar();
    createAnalysisPanel();
    setTabOrder();

    roundTimer_ = new Timer(errorBox_, this);
    roundTimer_->setObjectName("roundTimer");
    roundTimer_->setEnabled(false);
    roundTimer_->setInterval(500);
    roundTimer_->setTickHandler([this] { playTimedRound(); });
    creditTimer_ = new Timer(errorBox_, this);
    creditTimer_->setObjectName("creditTimer");
    creditTimer_->setInterval(2000);
    creditTimer_->setTickHandler([this] { hideCredit(); });
    creditTimer_->setEnabled(true);

    colorDialog_ = std::make_unique<ColorDialog>(this);
    printDialog_ = std::make_unique<PrintDialog>(printer_, this);
    chartCommands_ = std::make_unique<ChartCommands>(*populationChart_, *colorDialog_, *printDialog_, printer_);
    board_ = std::make_unique<BoardView>(*emptyPicture_, *preyPicture_, *hunterPicture_);
}

void MainWindow::createSettings(QWidget* bottomPanel)
{
    auto* setup = named(new QGroupBox("Einstellungen", bottomPanel), "settingsBox", {0, 0, 313, 57});
    label(setup, "modeLabel", "Modus", {57, 14, 32, 13}, Qt::AlignRight);
    interactiveButton_ = named(new QRadioButton("Interaktiv", setup), "interactiveButton", {96, 14, 65, 17}, "Benutzer fällt Entscheidungen");
    interactiveButton_->setEnabled(false);
    simulationButton_ = named(new QRadioButton("Simulation", setup), "simulationButton", {168, 14, 73, 17}, "ohne Benutzereingriff");
    simulationButton_->setEnabled(false);
    simulationButton_->setChecked(true);
    sprayButton_ = button(setup, "sprayButton", "Insektizid", {240, 10, 65, 18}, "Insektizideinsatz", false);
    label(setup, "speedLabel", "Geschwindigkeit", {11, 30, 78, 13}, Qt::AlignRight);

    speedBar_ = named(new TrackBar(errorBox_, setup), "speedBar", {96, 30, 145, 22}, "Geschwindigkeit der Simulation");
    speedBar_->setMinimum(1);
    speedBar_->setMaximum(1000);
    speedBar_->setPosition(501);
    speedBar_->setPageSize(50);
    speedBar_->setFrequency(100);
    speedBar_->setEnabled(false);

    sprayRoundsBox_ = named(new SpinEdit(beeper_, setup), "sprayRoundsBox", {240, 30, 65, 22},
                  "Anzahl der Runden, in denen Insektizid eingesetzt wird");
    sprayRoundsBox_->setMinValue(1);
    sprayRoundsBox_->setMaxValue(1000);
    sprayRoundsBox_->setValue(10);

    // The layout's values are in place before the handlers are attached, so building the
    // window calls none of them.
    connect(interactiveButton_, &QRadioButton::toggled, this, [this](bool on) { if (on) onInteractive(); });
    connect(simulationButton_, &QRadioButton::toggled, this, [this](bool on) { if (on) onSimulation(); });
    connect(sprayButton_, &QPushButton::clicked, this, [this] { onSpray(); });
    speedBar_->setChangeHandler([this] { onSpeedChanged(); });
}

void MainWindow::createButtonColumn(QWidget* rp)
{
    creditLabel_ = label(rp, "creditLabel", creditText, {8, 0, 88, 9}, Qt::AlignRight, false);
    creditLabel_->setToolTip(creditText);
    creditLabel_->setFont(pixelFont("Liberation Sans", 7));
    newGameButton_ = button(rp, "newGameButton", "Neu", {5, 16, 89, 25}, "Neue Simulation starten", true);
    quitButton_ = button(rp, "quitButton", "Ende", {5, 48, 89, 25}, "Programm beenden", true);

    // Hidden holders of the three cell pictures; the tiles copy from them.
    hunterPicture_ = named(new PictureView(rp), "hunterPicture", {6, 80, 25, 25});
    preyPicture_ = named(new PictureView(rp), "preyPicture", {32, 80, 25, 25});
    emptyPicture_ = named(new PictureView(rp), "emptyPicture", {58, 80, 25, 25});
    for (PictureView* holder : {hunterPicture_, preyPicture_, emptyPicture_}) {
        holder->setStretched(true);
        holder->hide();
    }

    instructionLine_ = named(new QLineEdit(rp), "instructionLine", {5, 112, 89, 21}, "Anweisung für den Spieler");
    instructionLine_->setReadOnly(true);
    sprayLabel_ = label(rp, "sprayLabel", "Insektizid", {5, 136, 89, 21}, Qt::AlignHCenter, false);
    sprayLabel_->setFont(pixelFont("Liberation Sans", 16));
    QPalette yellow = sprayLabel_->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    sprayLabel_->setPalette(yellow);
    sprayLabel_->hide();

    chartButton_ = button(rp, "chartButton", "Diagramm >>", {5, 240, 89, 25}, "Ein/Ausblenden eines Populationsverlaufs", false);
    printButton_ = button(rp, "printButton", "Drucken", {5, 272, 89, 25}, "Diagramm drucken", false);
    label(rp, "simulationLabel", "Simulation", {5, 297, 48, 13}, Qt::AlignLeft);
    startStopButton_ = button(rp, "startStopButton", "Start", {5, 312, 76, 25}, "Simulation starten/stoppen", false);
    // The logical-or sign draws as a small downward chevron.
    runRoundsButton_ = button(rp, "runRoundsButton", QString(QChar(0x2228)), {80, 312, 14, 25},
                     "Eine bestimmte Zahl Spielzüge durchführen", false);
    runRoundsButton_->setFont(pixelFont("DejaVu Sans", 11));
    runRoundsButton_->raise();
    label(rp, "interactiveLabel", "Interaktiv", {5, 337, 44, 13}, Qt::AlignLeft);
    rollButton_ = button(rp, "rollButton", "Würfeln", {5, 352, 89, 25}, "Nächste Runde", false);

    connect(newGameButton_, &QPushButton::clicked, this, [this] { onNewGame(); });
    connect(quitButton_, &QPushButton::clicked, this, [this] { onQuit(); });
    connect(chartButton_, &QPushButton::clicked, this, [this] { onToggleChart(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { chartCommands_->print(); });
    connect(startStopButton_, &QPushButton::clicked, this, [this] { onStartStop(startStopButton_); });
    connect(runRoundsButton_, &QPushButton::clicked, this, [this] { onRunRounds(runRoundsButton_); });
    connect(rollButton_, &QPushButton::clicked, this, [this] { onRoll(); });
}

void MainWindow::createStatusBar()
{
    statusBar_ = named(new StatusBar(this), "statusBar", {0, 379, clientWidth, 19});
    using B = StatusBar::Bevel;
    const StatusBar::Panel panels[] = {
        {"Durchgang:", 60, B::None, Qt::AlignRight}, {"0", 50, B::Lowered, Qt::AlignLeft},
        {"Räuber:", 50, B::None, Qt::AlignRight},    {"0", 25, B::Lowered, Qt::AlignLeft},
        {"Beute:", 50, B::None, Qt::AlignRight},     {"0", 25, B::Lowered, Qt::AlignLeft},
        {"Spieler:", 50, B::None, Qt::AlignRight},   {"", 50, B::Raised, Qt::AlignLeft},
        {"", 0, B::None, Qt::AlignLeft},
    };
    for (const auto& p : panels)
        statusBar_->addPanel(p);
}

void MainWindow::createAnalysisPanel()
{
    analysisBox_ = named(new QGroupBox("Analyse", this), "analysisBox", {clientWidth, 0, 0, 379});
    analysisBox_->hide();
    chart_ = new ChartView(analysisBox_);
    chart_->setObjectName("chart");
    populationChart_ = std::make_unique<PopulationChart>(*chart_);
    createChartMenu();
}

void MainWindow::createChartMenu()
{
    chartMenu_ = new QMenu(chart_);
    chartMenu_->setObjectName("chartMenu");
    QMenu* colors = chartMenu_->addMenu("Farbeinstellungen");
    colors->setObjectName("colorMenu");
    auto item = [this](QMenu* menu, const char* name, const QString& caption, void (ChartCommands::*command)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, command] { ((*chartCommands_).*command)(); });
        return a;
    };
    item(colors, "monochromeAction", "Monochrom", &ChartCommands::applyMonochrome);
    QAction* std = item(colors, "standardColorsAction", "Standard", &ChartCommands::applyStandardColors);
    std->setCheckable(true);  // a radio-style item that nothing ever checks
    colors->addSeparator()->setObjectName("colorSeparator");
    item(colors, "hunterColorAction", "Räuber", &ChartCommands::pickHunterColor);
    item(colors, "preyColorAction", "Beute", &ChartCommands::pickPreyColor);
    item(colors, "backgroundColorAction", "Hintergrund", &ChartCommands::pickBackgroundColor);
    item(colors, "borderColorAction", "Rahmenfarbe", &ChartCommands::pickBorderColor);
    item(chartMenu_, "clearChartAction", "Daten Löschen", &ChartCommands::clear);
    item(chartMenu_, "copyChartAction", "-> Zwischenablage", &ChartCommands::copyToClipboard);

    chart_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(chart_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { chartMenu_->popup(chart_->mapToGlobal(at)); });
}

void MainWindow::setTabOrder()
{
    // The keyboard order of the layout: settings group, then the button column.
    const QWidget* order[] = {speedBar_, simulationButton_, interactiveButton_, sprayRoundsBox_, sprayButton_, printButton_, startStopButton_,
                              newGameButton_,   quitButton_, rollButton_, chartButton_, instructionLine_, runRoundsButton_};
    QWidget* previous = chart_;
    for (const QWidget* w : order) {
        QWidget::setTabOrder(previous, const_cast<QWidget*>(w));
        previous = const_cast<QWidget*>(w);
    }
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
    if (chartShown_) {
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
    core_.random().seedFromClock();
    chartShown_ = false;
    emptyPicture_->picture().loadFromFile("leer.bmp");
    preyPicture_->picture().loadFromFile("prey.bmp");
    hunterPicture_->picture().loadFromFile("hunter.bmp");
    backgroundPicture_->picture().loadFromFile("back.bmp");
    board_->build(boardBox_, [this](QObject* tile) { onTileClicked(tile); });
}

void MainWindow::clearBoard()
{
    core_.clearBoard();
    board_->resetTiles();
}

// --- game commands -----------------------------------------------------------------------

void MainWindow::onNewGame()
{
    // The window's steps come first: they read nothing of the core, and the tiles must be
    // reset before the new game's closing draw shows its 15 animals.
    populationChart_->clear();
    for (QWidget* w : {static_cast<QWidget*>(chartButton_), static_cast<QWidget*>(simulationButton_),
                       static_cast<QWidget*>(interactiveButton_), static_cast<QWidget*>(sprayButton_)})
        w->setEnabled(true);
    board_->resetTiles();
    board_->setFramesSolid();
    core_.newGame();
    if (interactiveButton_->isChecked())
        onInteractive();
    else
        onSimulation();
}

void MainWindow::onQuit() { close(); }

void MainWindow::playTimedRound()
{
    if (core_.roundLimit() == core_.currentRound()) {
        onStartStop(this);
        return;
    }
    core_.playRound(Mode::Automatic);
}

void MainWindow::onRoll() { core_.playRound(Mode::Interactive); }

void MainWindow::onInteractive()
{
    if (!interactiveButton_->isChecked())
        return;
    // A decision dropped by the switch takes its stale instruction with it.
    if (core_.pendingChoice() != Choice::None)
        instructionLine_->clear();
    core_.dropChoice();
    startStopButton_->setText(startCaption);
    startStopButton_->setEnabled(false);
    runRoundsButton_->setEnabled(false);
    rollButton_->setEnabled(true);
    speedBar_->setEnabled(false);
    roundTimer_->setEnabled(false);
    instructionLine_->show();
}

void MainWindow::onSimulation()
{
    if (!simulationButton_->isChecked())
        return;
    if (core_.pendingChoice() != Choice::None)
        instructionLine_->clear();
    core_.dropChoice();
    startStopButton_->setText(startCaption);
    startStopButton_->setEnabled(true);
    runRoundsButton_->setEnabled(true);
    rollButton_->setEnabled(false);
    speedBar_->setEnabled(true);
    roundTimer_->setEnabled(false);
    instructionLine_->hide();
}

void MainWindow::onStartStop(QObject* sender)
{
    // The caption is the run state: the timer runs exactly while it reads "Stop".
    if (startStopButton_->text() == startCaption) {
        if (sender != runRoundsButton_)
            core_.setRoundLimit(GameCore::noRoundLimit);
        instructionLine_->clear();
        startStopButton_->setText("Stop");
        roundTimer_->setEnabled(true);
        interactiveButton_->setEnabled(false);
    } else {
        startStopButton_->setText(startCaption);
        roundTimer_->setEnabled(false);
        interactiveButton_->setEnabled(true);
    }
}

void MainWindow::onRunRounds(QObject* sender)
{
    QString text;
    promptForText("Rundenvorgabe", "Wieviele Runden sollen simuliert werden", text, this);
    try {
        const std::int32_t count = parseInteger(text);
        // The counter of this moment: a run may have gone on while the prompt was open.
        // The sum wraps like the 32-bit counters it is compared with.
        const auto limit = static_cast<std::int32_t>(static_cast<std::uint32_t>(core_.currentRound()) +
                                                    static_cast<std::uint32_t>(count));
        core_.setRoundLimit(limit);
        startStopButton_->setText(startCaption);
        onStartStop(sender);
    } catch (const ConvertError&) {
        errorBox_.showMessageDialog("Die Eingabe war keine gültige Zahl!");
    }
}

void MainWindow::onSpeedChanged() { roundTimer_->setInterval(1001 - speedBar_->position()); }

void MainWindow::onSpray() { core_.orderSpray(sprayRoundsBox_->value()); }

void MainWindow::hideCredit()
{
    creditLabel_->clear();
    creditTimer_->setEnabled(false);
}

void MainWindow::onTileClicked(QObject* sender)
{
    if (core_.pendingChoice() == Choice::None)
        return;
    if (const auto cell = board_->cellOf(sender))
        core_.chooseCell(*cell);
}

// --- analysis panel ----------------------------------------------------------------------

void MainWindow::onToggleChart()
{
    chartShown_ = !chartShown_;
    chartButton_->setText(chartShown_ ? "Diagramm <<" : "Diagramm >>");
    printButton_->setEnabled(chartShown_);
    analysisBox_->setVisible(chartShown_);
    applyWidthLimits();
    // A maximised window is maximised anew under the new limits.
    if (isMaximized()) {
        showNormal();
        showMaximized();
    }
}

// --- what the game core shows ------------------------------------------------------------

void MainWindow::boardChanged()
{
    statusBar_->setPanelText(1, QString::number(core_.currentRound()));
    statusBar_->setPanelText(3, QString::number(core_.hunterCount()));
    statusBar_->setPanelText(5, QString::number(core_.preyCount()));
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            if (core_.takeRedraw(x, y) && board_->built())
                board_->showCell(board_->tile(x, y), core_.cell(x, y));
}

void MainWindow::cellRolled(Position cell)
{
    const Position marked = core_.markedPosition();
    if (marked.x != 0 && marked.y != 0)
        board_->setFrameColor(marked.x, marked.y, Qt::black);
    board_->setFrameColor(cell.x, cell.y, Qt::blue);
}

void MainWindow::showSide(Side side) { statusBar_->setPanelText(7, sideName(side)); }

void MainWindow::showInstruction(Choice choice) { instructionLine_->setText(instructionText(choice)); }

void MainWindow::setRollEnabled(bool enabled) { rollButton_->setEnabled(enabled); }

void MainWindow::setFrameColor(Position cell, BgrColor color) { board_->setFrameColor(cell.x, cell.y, toQColor(color)); }

void MainWindow::setSprayLabelVisible(bool visible) { sprayLabel_->setVisible(visible); }

void MainWindow::addChartPoint(int hunters, int prey)
{
    if (!chartShown_)
        return;
    populationChart_->append(hunters, prey);
}
