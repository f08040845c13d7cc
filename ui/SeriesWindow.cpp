#include "SeriesWindow.h"
#include "ui_SeriesWindow.h"

#include "ChartCommands.h"
#include "ErrorBox.h"
#include "GameNumber.h"
#include "ParseInteger.h"
#include "RandomSource.h"
#include "SaveAtomically.h"
#include "SaveFileChooser.h"
#include "SeriesRun.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QPainter>
#include <QScopeGuard>
#include <QShortcut>
#include <QSvgGenerator>
#include <QThread>
#include <QTimer>

#include <utility>

namespace {
// The rows of each condition's table, top to bottom.
enum TableRow { MeanFirstRow, MedianFirstRow, FirstCountRow, EndShareRow, EndIntervalRow, tableRows };

// The decimal mark of the program's language, in the results and in the saved CSV.
QString decimalMark()
{
    //: The decimal mark of the numbers in the Versuchsreihe's table and its saved CSV file.
    return SeriesWindow::tr(",");
}

QString decimal(double value) { return QString::number(value, 'f', 1).replace(u'.', decimalMark()); }

QString percent(double value) { return SeriesWindow::tr("%1 %").arg(decimal(value)); }

// The width of a text entry that holds digits digits.
int entryWidth(const QLineEdit* entry, int digits)
{
    return entry->fontMetrics().horizontalAdvance(QString(digits, u'0')) + 16;
}
}  // namespace

SeriesWindow::SeriesWindow(ErrorBox& errorBox, SaveFileChooser& saveChooser, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(std::make_unique<Ui::SeriesWindow>()), errorBox_(errorBox), saveChooser_(saveChooser)
{
    ui_->setupUi(this);
    for (QLineEdit* entry : {ui_->gamesEdit, ui_->roundsEdit, ui_->sprayStartEdit, ui_->sprayRoundsEdit, ui_->sprayPeriodEdit})
        entry->setFixedWidth(entryWidth(entry, 6));
    ui_->firstGameEdit->setFixedWidth(entryWidth(ui_->firstGameEdit, 10));
    for (QTableWidget* table : {ui_->unsprayedTable, ui_->sprayedTable}) {
        table->setRowCount(tableRows);
        table->setColumnCount(2);
        table->setHorizontalHeaderLabels({tr("Räuber"), tr("Beute")});
        table->setVerticalHeaderLabels({tr("Erstes Aussterben: mittlere Runde"), tr("Erstes Aussterben: Median der Runden"),
                                        tr("Spiele mit Aussterben (n)"), tr("Am Ende ausgestorben"),
                                        tr("95-%-Intervall (Wilson)")});
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionMode(QAbstractItemView::NoSelection);
        table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        // Rows of one line each, the table as high as its rows, so nothing scrolls.
        table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
        table->setFixedHeight(table->horizontalHeader()->sizeHint().height() +
                              tableRows * table->verticalHeader()->defaultSectionSize() + 2 * table->frameWidth());
        for (int row = 0; row < tableRows; ++row)
            for (int column = 0; column < 2; ++column) {
                auto* item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                table->setItem(row, column, item);
            }
    }

    connect(ui_->startButton, &QPushButton::clicked, this, reporting([this] { start(); }));
    connect(ui_->cancelButton, &QPushButton::clicked, this, reporting([this] { cancel(); }));
    connect(ui_->saveDataButton, &QPushButton::clicked, this, reporting([this] { saveData(); }));
    connect(ui_->savePictureButton, &QPushButton::clicked, this, reporting([this] { savePicture(); }));
    connect(ui_->repeatBox, &QCheckBox::toggled, ui_->sprayPeriodEdit, &QWidget::setEnabled);
    // Enter in any entry starts the series, as it confirms a dialog.
    for (QLineEdit* entry : findChildren<QLineEdit*>())
        connect(entry, &QLineEdit::returnPressed, this, reporting([this] { start(); }));
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(100);
    connect(progressTimer_, &QTimer::timeout, this, [this] {
        if (run_)
            ui_->progressBar->setValue(static_cast<int>(run_->progress() * ui_->progressBar->maximum()));
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    showResult();
}

SeriesWindow::~SeriesWindow()
{
    if (worker_) {
        cancel_ = true;
        worker_->wait();
        delete worker_;
    }
}

void SeriesWindow::offerFirstGame(std::optional<std::uint32_t> gameInPlay)
{
    if (gameInPlay && gameInPlay != offeredGame_) {
        ui_->firstGameEdit->setText(QString::number(*gameInPlay));
        offeredGame_ = gameInPlay;
    } else if (!gameInPlay && ui_->firstGameEdit->text().isEmpty()) {
        RandomSource clock;
        clock.seedFromClock();
        ui_->firstGameEdit->setText(QString::number(clock.seed()));
    }
}

void SeriesWindow::refuse(QLineEdit* entry, const QString& message)
{
    errorBox_.showMessageDialog(message);
    entry->setFocus();
    entry->selectAll();
}

std::optional<SeriesSettings> SeriesWindow::readSettings()
{
    using Entry = SeriesSettings::Entry;
    // A text that is no number is as far out of range as a negative one.
    const auto number = [](const QLineEdit* entry) { return parseInteger(entry->text().toStdString()).value_or(-1); };
    SeriesSettings settings;
    settings.games = number(ui_->gamesEdit);
    settings.rounds = number(ui_->roundsEdit);
    settings.sprayStart = number(ui_->sprayStartEdit);
    settings.sprayRounds = number(ui_->sprayRoundsEdit);
    // Unchecked, the period is not read; checked, "every 0 rounds" is no period.
    const bool repeated = ui_->repeatBox->isChecked();
    settings.sprayPeriod = repeated ? number(ui_->sprayPeriodEdit) : 0;
    if (repeated && settings.sprayPeriod == 0)
        settings.sprayPeriod = -1;
    const std::optional<std::uint32_t> firstGame = parseGameNumber(ui_->firstGameEdit->text().toStdString());
    const std::optional<Entry> invalid = settings.invalidEntry();
    // The entries in the form's order: the game number comes after the rounds.
    if (invalid == Entry::Games) {
        refuse(ui_->gamesEdit, tr("Die Zahl der Spiele ist eine ganze Zahl von 1 bis %1.").arg(SeriesSettings::maxGames));
    } else if (invalid == Entry::Rounds) {
        refuse(ui_->roundsEdit,
               tr("Die Zahl der Runden je Spiel ist eine ganze Zahl von 1 bis %1.").arg(SeriesSettings::maxRounds));
    } else if (!firstGame) {
        refuse(ui_->firstGameEdit,
               tr("Eine Spielnummer ist eine ganze Zahl von 0 bis 4294967295, ohne Vorzeichen und ohne Leerzeichen."));
    } else if (invalid == Entry::SprayStart) {
        refuse(ui_->sprayStartEdit,
               tr("Das Insektizid beginnt in einer Runde von 1 bis %1, der Zahl der Runden je Spiel.").arg(settings.rounds));
    } else if (invalid == Entry::SprayRounds) {
        refuse(ui_->sprayRoundsEdit, tr("Ein Insektizideinsatz dauert 1 bis %1 Runden.").arg(SeriesSettings::maxRounds));
    } else if (invalid == Entry::SprayPeriod) {
        refuse(ui_->sprayPeriodEdit,
               tr("Ein Insektizideinsatz wiederholt sich alle 1 bis %1 Runden.").arg(SeriesSettings::maxRounds));
    } else {
        settings.firstGame = *firstGame;
        return settings;
    }
    return std::nullopt;
}

void SeriesWindow::start()
{
    if (isRunning())
        return;
    const std::optional<SeriesSettings> settings = readSettings();
    if (!settings)
        return;
    run_ = std::make_unique<SeriesRun>(*settings);
    cancel_ = false;
    const auto jobs = static_cast<unsigned>(QThread::idealThreadCount());
    // The worker plays and sums up; its result, or what it raised, comes back to this thread with
    // the end of the run.
    worker_ = QThread::create([this, run = run_.get(), jobs] {
        try {
            if (run->run(jobs, &cancel_))
                finished_ = std::make_unique<SeriesResult>(run->takeResult());
        } catch (...) {
            failure_ = std::current_exception();
        }
    });
    connect(worker_, &QThread::finished, this, reporting([this] { finishRun(); }));
    setRunning(true);
    worker_->start();
}

void SeriesWindow::cancel()
{
    if (!isRunning())
        return;
    cancel_ = true;
    ui_->cancelButton->setEnabled(false);
}

void SeriesWindow::finishRun()
{
    const auto ended = qScopeGuard([this] { emit runEnded(); });
    worker_->wait();
    delete std::exchange(worker_, nullptr);
    run_.reset();
    std::unique_ptr<SeriesResult> finished = std::move(finished_);
    // A cancel that came after the last game still cancels: what was asked for decides, not
    // which thread was quicker.
    const bool complete = finished && !cancel_;
    if (complete) {
        result_ = std::move(finished);
        showResult();
    }
    setRunning(false);
    ui_->progressBar->setValue(complete ? ui_->progressBar->maximum() : 0);
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
}

void SeriesWindow::setRunning(bool running)
{
    ui_->settingsBox->setEnabled(!running);
    ui_->startButton->setEnabled(!running);
    ui_->cancelButton->setEnabled(running);
    ui_->saveDataButton->setEnabled(!running && result_);
    ui_->savePictureButton->setEnabled(!running && result_);
    if (running) {
        ui_->progressBar->setValue(0);
        progressTimer_->start();
        ui_->cancelButton->setFocus();
    } else {
        progressTimer_->stop();
        ui_->startButton->setFocus();
    }
}

void SeriesWindow::showResult()
{
    const SeriesResult* result = result_.get();
    ui_->unsprayedBox->setTitle(tr("A: ohne Insektizid"));
    if (!result) {
        ui_->sprayedBox->setTitle(tr("B: mit Insektizid"));
        ui_->summaryLabel->setText(tr("Noch keine Versuchsreihe: Einstellungen wählen und „Start“ drücken."));
    } else {
        const SeriesSettings& s = result->settings;
        ui_->sprayedBox->setTitle(s.sprayPeriod > 0 ? tr("B: Insektizid ab Runde %1 für %2 Runden, alle %3 Runden wiederholt")
                                                          .arg(s.sprayStart)
                                                          .arg(s.sprayRounds)
                                                          .arg(s.sprayPeriod)
                                                    : tr("B: Insektizid ab Runde %1 für %2 Runden").arg(s.sprayStart).arg(s.sprayRounds));
        // Game numbers run on modulo 2^32, as quorvel-sim's seeds do.
        const std::uint32_t last = s.firstGame + static_cast<std::uint32_t>(s.games - 1);
        ui_->summaryLabel->setText(tr("%1 Spiele zu je %2 Runden, Spielnummern %3 bis %4, jedes einmal ohne (A) und "
                                      "einmal mit Insektizid (B); gezählt nach jeder Runde.")
                                       .arg(s.games)
                                       .arg(s.rounds)
                                       .arg(s.firstGame)
                                       .arg(last));
    }
    ui_->unsprayedChart->setResult(result, SeriesCondition::Unsprayed);
    ui_->sprayedChart->setResult(result, SeriesCondition::Sprayed);
    fillTable(ui_->unsprayedTable, result ? &result->unsprayed : nullptr);
    fillTable(ui_->sprayedTable, result ? &result->sprayed : nullptr);
}

void SeriesWindow::fillTable(QTableWidget* table, const SeriesFigures* figures)
{
    for (const Side side : {Side::Hunter, Side::Prey}) {
        const int column = side == Side::Hunter ? 0 : 1;
        QString texts[tableRows];
        if (figures) {
            const FirstExtinctionStatistics& first = figures->firstExtinction(side);
            const SideStatistics& end = figures->at(figures->checkpoints() - 1, side);
            const ShareInterval& interval = figures->extinctAtEnd(side);
            texts[MeanFirstRow] = first.games > 0 ? decimal(first.mean) : QStringLiteral("–");
            texts[MedianFirstRow] = first.games > 0 ? decimal(first.median) : QStringLiteral("–");
            texts[FirstCountRow] = QString::number(first.games);
            texts[EndShareRow] = percent(percentOf(end.extinct, end.games));
            texts[EndIntervalRow] = tr("%1 bis %2").arg(percent(100 * interval.lower), percent(100 * interval.upper));
        }
        for (int row = 0; row < tableRows; ++row)
            table->item(row, column)->setText(texts[row]);
    }
}

QString SeriesWindow::suggestedPath(const QString& extension) const
{
    //: The name a saved Versuchsreihe is offered under: %1 its first game's number, %2 the extension.
    return QDir(ChartCommands::saveFolder())
        .filePath(tr("quorvel-versuchsreihe-%1.%2").arg(result_ ? result_->settings.firstGame : 0).arg(extension));
}

void SeriesWindow::saveData()
{
    if (!result_)
        return;
    const SaveFileChooser::Choice choice =
        saveChooser_.choose(tr("Versuchsreihe als CSV speichern"), suggestedPath(QStringLiteral("csv")), {tr("CSV-Dateien (*.csv)")});
    if (choice.path.isEmpty())
        return;
    // The conventions of the chart's CSV: its separator and words, so a spreadsheet of the
    // language reads both.
    SeriesCsvFormat format;
    format.separator = QCoreApplication::translate("ChartExport", ";").at(0).toLatin1();
    format.decimalMark = decimalMark().at(0).toLatin1();
    format.round = QCoreApplication::translate("ChartExport", "Durchgang").toStdString();
    format.sides = {QCoreApplication::translate("ChartExport", "Räuber").toStdString(),
                    QCoreApplication::translate("ChartExport", "Beute").toStdString()};
    //: The figures' names in the columns of a saved Versuchsreihe, after the condition and the side.
    format.figures = {tr("Mittel").toStdString(), tr("P10").toStdString(), tr("P90").toStdString(),
                      tr("ausgestorben %").toStdString(), tr("schon ausgestorben %").toStdString()};
    const std::string text = "\xEF\xBB\xBF" + result_->csv(format, "A", "B");
    saveAtomically(choice.path, [&](QIODevice& file) { return file.write(text.data(), qint64(text.size())) == qint64(text.size()); });
}

void SeriesWindow::savePicture()
{
    if (!result_)
        return;
    // The file type decides the format, and for PNG the size.
    const PictureChoice choice =
        choosePicture(saveChooser_, tr("Versuchsreihe als Bild speichern"), suggestedPath(QStringLiteral("png")),
                      {{tr("PNG-Bild in Bildschirmgröße (*.png)"), 1},
                       {tr("PNG-Bild in doppelter Größe (*.png)"), 2},
                       {tr("SVG-Grafik (*.svg)"), 0}});
    if (choice.path.isEmpty())
        return;
    const int scale = choice.pngScale;
    QWidget* panel = ui_->resultsPanel;
    if (scale == 0) {
        QBuffer svg;
        QSvgGenerator generator;
        generator.setOutputDevice(&svg);
        generator.setSize(panel->size());
        generator.setViewBox(panel->rect());
        generator.setTitle(tr("Quorvel, Versuchsreihe"));
        {
            QPainter painter(&generator);
            panel->render(&painter);
        }
        saveAtomically(choice.path, [&](QIODevice& file) { return file.write(svg.data()) == svg.data().size(); });
        return;
    }
    QImage image(panel->size() * scale, QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        panel->render(&painter);
    }
    saveAtomically(choice.path, [&](QIODevice& file) { return image.save(&file, "PNG"); });
}

void SeriesWindow::closeEvent(QCloseEvent* event)
{
    cancel();
    QWidget::closeEvent(event);
}
