// The game controller: the window's handlers that turn clicks and timer ticks into game
// steps, and the view operations the game core calls back.
#include "TForm1.h"

#include "ErrorReporting.h"
#include "Exception.h"
#include "MessageDialog.h"
#include "ParseInteger.h"
#include "PromptForText.h"
#include "ChartView.h"
#include "PictureView.h"
#include "Picture.h"
#include "SpinEdit.h"
#include "TStatusBar.h"
#include "Timer.h"
#include "TrackBar.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
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

// --- start-up ----------------------------------------------------------------------------

void TForm1::FormCreate()
{
    // A picture that cannot be loaded ends the start-up steps here; the error is reported
    // once and the window opens all the same, without tiles.
    try {
        initvars();
        clearBoard();
        diagramm_->setBackColor(Qt::white);
    } catch (const std::exception& e) {
        reportException(e);
    }
}

void TForm1::initvars()
{
    core_.random().seedFromClock();
    diazeigen_ = false;
    leer_->picture().loadFromFile("leer.bmp");
    prey_->picture().loadFromFile("prey.bmp");
    hunter_->picture().loadFromFile("hunter.bmp");
    background_->picture().loadFromFile("back.bmp");
    board_->build(spielfeld_, [this](QObject* tile) { fClick(tile); });
}

void TForm1::clearBoard()
{
    core_.clearBoard();
    board_->resetTiles();
}

// --- game commands -----------------------------------------------------------------------

void TForm1::neuClick()
{
    // The window's steps come first: they read nothing of the core, and the tiles must be
    // reset before the new game's closing draw shows its 15 animals.
    PMDelClick();
    for (QWidget* w : {static_cast<QWidget*>(gra_), static_cast<QWidget*>(sim_),
                       static_cast<QWidget*>(int_), static_cast<QWidget*>(ins_)})
        w->setEnabled(true);
    board_->resetTiles();
    board_->setPensSolid();
    core_.newGame();
    if (int_->isChecked())
        intClick();
    else
        simClick();
}

void TForm1::endeClick() { close(); }

void TForm1::Timer1Timer()
{
    if (core_.roundLimit() == core_.currentRound()) {
        startstopClick(this);
        return;
    }
    core_.playRound(Mode::Automatic);
}

void TForm1::diceClick() { core_.playRound(Mode::Interactive); }

void TForm1::intClick()
{
    if (!int_->isChecked())
        return;
    // A decision dropped by the switch takes its stale instruction with it.
    if (core_.pendingChoice() != Choice::None)
        hilfe_->clear();
    core_.dropChoice();
    startstop_->setText(startCaption);
    startstop_->setEnabled(false);
    startx_->setEnabled(false);
    dice_->setEnabled(true);
    speed_->setEnabled(false);
    timer1_->setEnabled(false);
    hilfe_->show();
}

void TForm1::simClick()
{
    if (!sim_->isChecked())
        return;
    if (core_.pendingChoice() != Choice::None)
        hilfe_->clear();
    core_.dropChoice();
    startstop_->setText(startCaption);
    startstop_->setEnabled(true);
    startx_->setEnabled(true);
    dice_->setEnabled(false);
    speed_->setEnabled(true);
    timer1_->setEnabled(false);
    hilfe_->hide();
}

void TForm1::startstopClick(QObject* sender)
{
    // The caption is the run state: the timer runs exactly while it reads "Stop".
    if (startstop_->text() == startCaption) {
        if (sender != startx_)
            core_.setRoundLimit(GameCore::noRoundLimit);
        hilfe_->clear();
        startstop_->setText("Stop");
        timer1_->setEnabled(true);
        int_->setEnabled(false);
    } else {
        startstop_->setText(startCaption);
        timer1_->setEnabled(false);
        int_->setEnabled(true);
    }
}

void TForm1::startxClick(QObject* sender)
{
    QString text;
    promptForText("Rundenvorgabe", "Wieviele Runden sollen simuliert werden", text, this);
    try {
        const std::int32_t count = parseInteger(text);
        // The counter of this moment: a run may have gone on while the prompt was open.
        // The sum wraps like the 32-bit counters it is compared with.
        const auto ziel = static_cast<std::int32_t>(static_cast<std::uint32_t>(core_.currentRound()) +
                                                    static_cast<std::uint32_t>(count));
        core_.setRoundLimit(ziel);
        startstop_->setText(startCaption);
        startstopClick(sender);
    } catch (const ConvertError&) {
        showMessageDialog("Die Eingabe war keine gültige Zahl!", MessageKind::Error, MessageButtons::Ok, 0);
    }
}

void TForm1::speedChange() { timer1_->setInterval(1001 - speed_->position()); }

void TForm1::insClick() { core_.orderSpray(insz_->value()); }

void TForm1::ctimerTimer()
{
    copyright_->clear();
    ctimer_->setEnabled(false);
}

void TForm1::fClick(QObject* sender)
{
    if (core_.pendingChoice() == Choice::None)
        return;
    int x = 0, y = 0;
    if (board_->cellOf(sender, x, y))
        core_.chooseCell({x, y});
}

// --- analysis panel ----------------------------------------------------------------------

void TForm1::graClick()
{
    diazeigen_ = !diazeigen_;
    gra_->setText(diazeigen_ ? "Diagramm <<" : "Diagramm >>");
    druck_->setEnabled(diazeigen_);
    dia_->setVisible(diazeigen_);
    applyWidthLimits();
    // A maximised window is maximised anew under the new limits.
    if (isMaximized()) {
        showNormal();
        showMaximized();
    }
}

// --- what the game core shows ------------------------------------------------------------

void TForm1::boardChanged()
{
    bar_->setPanelText(1, QString::number(core_.currentRound()));
    bar_->setPanelText(3, QString::number(core_.hunterCount()));
    bar_->setPanelText(5, QString::number(core_.preyCount()));
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            if (core_.takeRedraw(x, y) && board_->built())
                board_->drawfeldxy(board_->kachel(x, y), core_.cell(x, y));
}

void TForm1::cellRolled(Position cell)
{
    const Position marked = core_.markedPosition();
    if (marked.x != 0 && marked.y != 0)
        board_->setRahmenColor(marked.x, marked.y, Qt::black);
    board_->setRahmenColor(cell.x, cell.y, Qt::blue);
}

void TForm1::showSide(Side side) { bar_->setPanelText(7, sideName(side)); }

void TForm1::showInstruction(Choice choice) { hilfe_->setText(instructionText(choice)); }

void TForm1::setRollEnabled(bool enabled) { dice_->setEnabled(enabled); }

void TForm1::setFrameColor(Position cell, BgrColor color) { board_->setRahmenColor(cell.x, cell.y, toQColor(color)); }

void TForm1::setSprayLabelVisible(bool visible) { inslab_->setVisible(visible); }

void TForm1::addChartPoint(int hunters, int prey)
{
    if (!diazeigen_)
        return;
    diagramm_->series(0).append(hunters);
    diagramm_->series(1).append(prey);
}
