#pragma once

#include "ErrorReporting.h"
#include "SeriesResult.h"

#include <QWidget>

#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>

class ErrorBox;
class QLineEdit;
class QTableWidget;
class QThread;
class QTimer;
class SaveFileChooser;
class SeriesRun;
namespace Ui {
class SeriesWindow;
}

// The "Versuchsreihe" window: many games played without showing them, each once without
// insecticide (A) and once with a spraying plan (B), summed up side by side in a chart and a table
// per condition, saved as CSV or as a picture. A series plays on worker threads while the program
// goes on; its result replaces the one shown only once it is complete, so a cancelled series
// leaves the previous result (or none) on screen. Not modal; closing it cancels a running series.
class SeriesWindow : public QWidget {
    Q_OBJECT
public:
    // The collaborators must outlive the window: errorBox shows its refusals and errors,
    // saveChooser asks where to save.
    SeriesWindow(ErrorBox& errorBox, SaveFileChooser& saveChooser, QWidget* parent);
    // Cancels a running series and waits for its threads.
    ~SeriesWindow() override;

    // Puts the number of the game in play into the first game number, once for each game (a
    // number typed since stays until another game is in play); before any game, a fresh number
    // from the clock when the entry is empty.
    void offerFirstGame(std::optional<std::uint32_t> gameInPlay);

    // Reads the settings and starts the series, or refuses the first entry out of its range in
    // the error message dialog and leaves the keyboard in it. Nothing while a series runs.
    void start();
    // Stops a running series; the result shown stays as it was.
    void cancel();
    bool isRunning() const { return worker_ != nullptr; }
    // The result shown, or null.
    const SeriesResult* result() const { return result_.get(); }

    // Ask where to, then write the result as CSV (the columns of quorvel-sim's summary per round,
    // A and B side by side, in the language's conventions, UTF-8 with a byte order mark and CR
    // LF), or the results as shown as a PNG picture (at screen size or twice that) or an SVG
    // drawing, chosen by the file type. Nothing when cancelled; a failed write raises
    // FileWriteError and leaves any old file as it was.
    void saveData();
    void savePicture();

signals:
    // A series ended, complete or cancelled, and the window shows what it now shows.
    void runEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::optional<SeriesSettings> readSettings();
    void refuse(QLineEdit* entry, const QString& message);
    void finishRun();
    void setRunning(bool running);
    void showResult();
    void fillTable(QTableWidget* table, const SeriesFigures* figures);
    QString suggestedPath(const QString& extension) const;
    template <typename Command> auto reporting(Command command) { return ::reporting(errorBox_, command); }

    std::unique_ptr<Ui::SeriesWindow> ui_;
    ErrorBox& errorBox_;
    SaveFileChooser& saveChooser_;
    std::optional<std::uint32_t> offeredGame_;
    std::unique_ptr<SeriesRun> run_;
    std::atomic<bool> cancel_{false};
    // What the worker hands back, read once it has ended.
    std::unique_ptr<SeriesResult> finished_;
    std::exception_ptr failure_;
    QThread* worker_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    std::unique_ptr<SeriesResult> result_;
};
