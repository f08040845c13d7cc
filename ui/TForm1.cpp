#include "TForm1.h"

#include "ErrorReporting.h"
#include "PopulationChart.h"
#include "ChartView.h"
#include "ColorDialog.h"
#include "PictureView.h"
#include "PrintDialog.h"
#include "SpinEdit.h"
#include "TStatusBar.h"
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
}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setObjectName("Form1");
    setWindowTitle("Quorvel");
    setFont(pixelFont("Liberation Sans", 11));
    setStyleSheet(groupBoxStyle);
    createLayout();
    applyWidthLimits();
    resize(clientWidth, clientHeight);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::createLayout()
{
    leftpanel_ = plainPanel(this, "leftpanel", {0, 0, 313, 379});
    QWidget* toppanel = plainPanel(leftpanel_, "toppanel", {0, 0, 313, 321});
    spielfeld_ = named(new QGroupBox("Spielfeld", toppanel), "spielfeld", {0, 0, 313, 321});
    background_ = named(new PictureView(spielfeld_), "background", {8, 16, 297, 297});
    background_->setStretched(true);
    background_->setCentered(true);
    background_->setIncrementalDisplay(true);
    QWidget* bottompanel = plainPanel(leftpanel_, "bottompanel", {0, 321, 313, 58});
    createSettings(bottompanel);

    rightpanel_ = plainPanel(this, "rightpanel", {313, 0, 100, 379});
    createButtonColumn(rightpanel_);
    createStatusBar();
    createAnalysisPanel();
    setTabOrder();

    timer1_ = new Timer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setEnabled(false);
    timer1_->setInterval(500);
    timer1_->setTickHandler([this] { Timer1Timer(); });
    ctimer_ = new Timer(this);
    ctimer_->setObjectName("ctimer");
    ctimer_->setInterval(2000);
    ctimer_->setTickHandler([this] { ctimerTimer(); });
    ctimer_->setEnabled(true);

    CDColor_ = std::make_unique<ColorDialog>(this);
    PrintDialog_ = std::make_unique<PrintDialog>(this);
    board_ = std::make_unique<TBoardView>(*leer_, *prey_, *hunter_);
}

void TForm1::createSettings(QWidget* bottompanel)
{
    auto* setup = named(new QGroupBox("Einstellungen", bottompanel), "setup", {0, 0, 313, 57});
    label(setup, "modus", "Modus", {57, 14, 32, 13}, Qt::AlignRight);
    int_ = named(new QRadioButton("Interaktiv", setup), "int", {96, 14, 65, 17}, "Benutzer fällt Entscheidungen");
    int_->setEnabled(false);
    sim_ = named(new QRadioButton("Simulation", setup), "sim", {168, 14, 73, 17}, "ohne Benutzereingriff");
    sim_->setEnabled(false);
    sim_->setChecked(true);
    ins_ = button(setup, "ins", "Insektizid", {240, 10, 65, 18}, "Insektizideinsatz", false);
    label(setup, "ges", "Geschwindigkeit", {11, 30, 78, 13}, Qt::AlignRight);

    speed_ = named(new TrackBar(setup), "speed", {96, 30, 145, 22}, "Geschwindigkeit der Simulation");
    speed_->setMinimum(1);
    speed_->setMaximum(1000);
    speed_->setPosition(501);
    speed_->setPageSize(50);
    speed_->setFrequency(100);
    speed_->setEnabled(false);

    insz_ = named(new SpinEdit(setup), "insz", {240, 30, 65, 22},
                  "Anzahl der Runden, in denen Insektizid eingesetzt wird");
    insz_->setMinValue(1);
    insz_->setMaxValue(1000);
    insz_->setValue(10);

    // The layout's values are in place before the handlers are attached, so building the
    // window calls none of them.
    connect(int_, &QRadioButton::toggled, this, [this](bool on) { if (on) intClick(); });
    connect(sim_, &QRadioButton::toggled, this, [this](bool on) { if (on) simClick(); });
    connect(ins_, &QPushButton::clicked, this, [this] { insClick(); });
    speed_->setChangeHandler([this] { speedChange(); });
}

void TForm1::createButtonColumn(QWidget* rp)
{
    copyright_ = label(rp, "copyright", creditText, {8, 0, 88, 9}, Qt::AlignRight, false);
    copyright_->setToolTip(creditText);
    copyright_->setFont(pixelFont("Liberation Sans", 7));
    neu_ = button(rp, "neu", "Neu", {5, 16, 89, 25}, "Neue Simulation starten", true);
    ende_ = button(rp, "ende", "Ende", {5, 48, 89, 25}, "Programm beenden", true);

    // Hidden holders of the three cell pictures; the tiles copy from them.
    hunter_ = named(new PictureView(rp), "hunter", {6, 80, 25, 25});
    prey_ = named(new PictureView(rp), "prey", {32, 80, 25, 25});
    leer_ = named(new PictureView(rp), "leer", {58, 80, 25, 25});
    for (PictureView* holder : {hunter_, prey_, leer_}) {
        holder->setStretched(true);
        holder->hide();
    }

    hilfe_ = named(new QLineEdit(rp), "hilfe", {5, 112, 89, 21}, "Anweisung für den Spieler");
    hilfe_->setReadOnly(true);
    inslab_ = label(rp, "inslab", "Insektizid", {5, 136, 89, 21}, Qt::AlignHCenter, false);
    inslab_->setFont(pixelFont("Liberation Sans", 16));
    QPalette yellow = inslab_->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    inslab_->setPalette(yellow);
    inslab_->hide();

    gra_ = button(rp, "gra", "Diagramm >>", {5, 240, 89, 25}, "Ein/Ausblenden eines Populationsverlaufs", false);
    druck_ = button(rp, "druck", "Drucken", {5, 272, 89, 25}, "Diagramm drucken", false);
    label(rp, "simulation", "Simulation", {5, 297, 48, 13}, Qt::AlignLeft);
    startstop_ = button(rp, "startstop", "Start", {5, 312, 76, 25}, "Simulation starten/stoppen", false);
    // The logical-or sign draws as a small downward chevron.
    startx_ = button(rp, "startx", QString(QChar(0x2228)), {80, 312, 14, 25},
                     "Eine bestimmte Zahl Spielzüge durchführen", false);
    startx_->setFont(pixelFont("DejaVu Sans", 11));
    startx_->raise();
    label(rp, "interaktiv", "Interaktiv", {5, 337, 44, 13}, Qt::AlignLeft);
    dice_ = button(rp, "dice", "Würfeln", {5, 352, 89, 25}, "Nächste Runde", false);

    connect(neu_, &QPushButton::clicked, this, [this] { neuClick(); });
    connect(ende_, &QPushButton::clicked, this, [this] { endeClick(); });
    connect(gra_, &QPushButton::clicked, this, [this] { graClick(); });
    connect(druck_, &QPushButton::clicked, this, [this] { druckClick(); });
    connect(startstop_, &QPushButton::clicked, this, [this] { startstopClick(startstop_); });
    connect(startx_, &QPushButton::clicked, this, [this] { startxClick(startx_); });
    connect(dice_, &QPushButton::clicked, this, [this] { diceClick(); });
}

void TForm1::createStatusBar()
{
    bar_ = named(new TStatusBar(this), "bar", {0, 379, clientWidth, 19});
    using B = TStatusBar::Bevel;
    const TStatusBar::Panel panels[] = {
        {"Durchgang:", 60, B::none, Qt::AlignRight}, {"0", 50, B::lowered, Qt::AlignLeft},
        {"Räuber:", 50, B::none, Qt::AlignRight},    {"0", 25, B::lowered, Qt::AlignLeft},
        {"Beute:", 50, B::none, Qt::AlignRight},     {"0", 25, B::lowered, Qt::AlignLeft},
        {"Spieler:", 50, B::none, Qt::AlignRight},   {"", 50, B::raised, Qt::AlignLeft},
        {"", 0, B::none, Qt::AlignLeft},
    };
    for (const auto& p : panels)
        bar_->addPanel(p);
}

void TForm1::createAnalysisPanel()
{
    dia_ = named(new QGroupBox("Analyse", this), "dia", {clientWidth, 0, 0, 379});
    dia_->hide();
    diagramm_ = new ChartView(dia_);
    diagramm_->setObjectName("diagramm");
    configurePopulationChart(*diagramm_);
    createChartMenu();
}

void TForm1::createChartMenu()
{
    diamenu_ = new QMenu(diagramm_);
    diamenu_->setObjectName("diamenu");
    QMenu* colors = diamenu_->addMenu("Farbeinstellungen");
    colors->setObjectName("PMColors");
    auto item = [this](QMenu* menu, const char* name, const QString& caption, void (TForm1::*handler)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return a;
    };
    item(colors, "PMMono", "Monochrom", &TForm1::PMMonoClick);
    QAction* std = item(colors, "PMStd", "Standard", &TForm1::PMStdClick);
    std->setCheckable(true);  // a radio-style item that nothing ever checks
    colors->addSeparator()->setObjectName("PMLine");
    item(colors, "PMHunter", "Räuber", &TForm1::PMHunterClick);
    item(colors, "PMPrey", "Beute", &TForm1::PMPreyClick);
    item(colors, "PMBackground", "Hintergrund", &TForm1::PMBackgroundClick);
    item(colors, "PMBorder", "Rahmenfarbe", &TForm1::PMBorderClick);
    item(diamenu_, "PMDel", "Daten Löschen", &TForm1::PMDelClick);
    item(diamenu_, "PMClip", "-> Zwischenablage", &TForm1::PMClipClick);

    diagramm_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(diagramm_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { diamenu_->popup(diagramm_->mapToGlobal(at)); });
}

void TForm1::setTabOrder()
{
    // The keyboard order of the layout: settings group, then the button column.
    const QWidget* order[] = {speed_, sim_, int_, insz_, ins_, druck_, startstop_,
                              neu_,   ende_, dice_, gra_, hilfe_, startx_};
    QWidget* previous = diagramm_;
    for (const QWidget* w : order) {
        QWidget::setTabOrder(previous, const_cast<QWidget*>(w));
        previous = const_cast<QWidget*>(w);
    }
}

void TForm1::resizeEvent(QResizeEvent*)
{
    // The board and the button column keep their place; the status bar spans the width and
    // the analysis panel takes what is left to the right.
    bar_->setGeometry(0, height() - 19, width(), 19);
    dia_->setGeometry(clientWidth, 0, std::max(0, width() - clientWidth), height() - 19);
    // Inside the group box's frame and below its caption, less the 5-pixel spacers at the
    // left, right and bottom.
    const int top = dia_->fontMetrics().height() + 1;
    diagramm_->setGeometry(1 + 5, top, std::max(0, dia_->width() - 2 - 10), std::max(0, dia_->height() - top - 1 - 5));
}

void TForm1::applyWidthLimits()
{
    setFixedHeight(clientHeight);
    if (diazeigen_) {
        setMaximumWidth(QWIDGETSIZE_MAX);
        setMinimumWidth(openMinWidth);
    } else {
        setMinimumWidth(clientWidth);
        setMaximumWidth(clientWidth);
    }
}
