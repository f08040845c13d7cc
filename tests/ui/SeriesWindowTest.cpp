// The Versuchsreihe: a window of its own beside the game, its refusals, a cancel that leaves what
// was shown, and figures that quorvel-sim reproduces.
#include "MainWindowFixture.h"
#include "SeriesWindow.h"

#include <QCheckBox>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {
class Series : public MainWindowTest {
protected:
    SeriesWindow* open()
    {
        QTest::mouseClick(button("seriesButton"), Qt::LeftButton);
        SeriesWindow* series = form->seriesWindow();
        EXPECT_TRUE(series && QTest::qWaitForWindowExposed(series));
        return series;
    }
    QLineEdit* entry(const char* name) const { return form->seriesWindow()->findChild<QLineEdit*>(name); }
    // Fills in the settings: games, rounds, first game number, and B's R:K:P (P 0: once).
    void enter(const QString& games, const QString& rounds, const QString& first, const QString& start,
               const QString& count, const QString& period)
    {
        entry("gamesEdit")->setText(games);
        entry("roundsEdit")->setText(rounds);
        entry("firstGameEdit")->setText(first);
        entry("sprayStartEdit")->setText(start);
        entry("sprayRoundsEdit")->setText(count);
        form->seriesWindow()->findChild<QCheckBox*>("repeatBox")->setChecked(period != "0");
        entry("sprayPeriodEdit")->setText(period);
    }
    // Starts the series from its button, cancels it at once when asked to, and waits for its end.
    void play(bool cancel = false)
    {
        SeriesWindow* series = form->seriesWindow();
        QSignalSpy ended(series, &SeriesWindow::runEnded);
        QTest::mouseClick(series->findChild<QPushButton*>("startButton"), Qt::LeftButton);
        ASSERT_TRUE(series->isRunning());
        if (cancel)
            QTest::mouseClick(series->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
        ASSERT_TRUE(ended.wait(120000));
        EXPECT_FALSE(series->isRunning());
    }
    QWidget* part(const char* name) const { return form->seriesWindow()->findChild<QWidget*>(name); }
    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir folder;
};

// quorvel-sim's summary of a batch: for each side its table's round, mean, p10, p90, extinct and
// once per row, and the line below the table.
struct SimSide {
    std::vector<QStringList> rows;
    QString runLine;
};

std::vector<SimSide> simSummary(const QStringList& arguments)
{
    QProcess sim;
    sim.start(QStringLiteral(QUORVEL_SIM), arguments);
    EXPECT_TRUE(sim.waitForFinished(120000));
    EXPECT_EQ(sim.exitCode(), 0) << sim.readAllStandardError().toStdString();
    std::vector<SimSide> sides;
    for (const QString& line : QString::fromUtf8(sim.readAllStandardOutput()).split(u'\n')) {
        if (line == u"Hunters" || line == u"Prey") {
            sides.emplace_back();
        } else if (line.startsWith(u"first extinction")) {
            sides.back().runLine = line;
        } else if (!sides.empty() && sides.back().runLine.isEmpty() && !line.contains(u"round")) {
            const QStringList words = line.simplified().remove(u'%').split(u' ');
            sides.back().rows.push_back({words[0], words[1], words[5], words[6], words[7], words[8]});
        }
    }
    return sides;
}
}  // namespace

TEST_F(Series, OneWindowBesideTheGameThatOffersTheGameInPlay)
{
    EXPECT_FALSE(form->seriesWindow());
    SeriesWindow* series = open();
    ASSERT_TRUE(series);
    EXPECT_TRUE(series->isWindow());
    EXPECT_EQ(series->windowModality(), Qt::NonModal);
    EXPECT_EQ(series->windowTitle(), "Versuchsreihe");
    EXPECT_EQ(entry("gamesEdit")->text(), "1000");
    EXPECT_EQ(entry("roundsEdit")->text(), "500");
    // Before any game, a number from the clock.
    EXPECT_TRUE(entry("firstGameEdit")->text().contains(QRegularExpression("^[0-9]+$")));

    struct Step {
        const char* name;
        std::optional<std::uint32_t> newGame;
        QString typed, shown;
    };
    const Step steps[] = {
        {"the game in play", 17, {}, "17"},
        {"a number typed stays", std::nullopt, "5", "5"},
        {"until another game is in play", 4294967295u, {}, "4294967295"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        if (s.newGame)
            newGame(*s.newGame);
        if (!s.typed.isEmpty())
            entry("firstGameEdit")->setText(s.typed);
        EXPECT_EQ(open(), series) << "the same window again";
        EXPECT_EQ(entry("firstGameEdit")->text(), s.shown);
    }
    // The game goes on beside it.
    EXPECT_TRUE(button("startStopButton")->isEnabled());
    EXPECT_EQ(form->findChildren<SeriesWindow*>().size(), 1);
}

TEST_F(Series, EntriesOutOfRangeAreRefusedOneByOne)
{
    SeriesWindow* series = open();
    struct Row {
        const char* entry;
        QString text;
        QString message;
    };
    const Row rows[] = {
        {"gamesEdit", "0", "Die Zahl der Spiele ist eine ganze Zahl von 1 bis 100000."},
        {"gamesEdit", "100001", "Die Zahl der Spiele ist eine ganze Zahl von 1 bis 100000."},
        {"roundsEdit", "viele", "Die Zahl der Runden je Spiel ist eine ganze Zahl von 1 bis 100000."},
        {"firstGameEdit", "-1",
         "Eine Spielnummer ist eine ganze Zahl von 0 bis 4294967295, ohne Vorzeichen und ohne Leerzeichen."},
        {"sprayStartEdit", "61", "Das Insektizid beginnt in einer Runde von 1 bis 60, der Zahl der Runden je Spiel."},
        {"sprayRoundsEdit", "0", "Ein Insektizideinsatz dauert 1 bis 100000 Runden."},
        {"sprayPeriodEdit", "0", "Ein Insektizideinsatz wiederholt sich alle 1 bis 100000 Runden."},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.entry);
        enter("10", "60", "3", "20", "5", "15");
        entry(r.entry)->setText(r.text);
        QTest::mouseClick(series->findChild<QPushButton*>("startButton"), Qt::LeftButton);
        EXPECT_FALSE(series->isRunning());
        ASSERT_EQ(errors.messages.size(), 1u);
        EXPECT_EQ(errors.messages.front(), r.message);
        EXPECT_EQ(series->focusWidget(), entry(r.entry));
        errors.clear();
    }
    // A period that is not asked for is not read.
    enter("10", "60", "3", "20", "5", "0");
    entry("sprayPeriodEdit")->setText("x");
    play();
    EXPECT_TRUE(errors.messages.empty());
    ASSERT_TRUE(series->result());
    EXPECT_EQ(series->result()->settings.sprayPeriod, 0);
}

// Whether cancelled before any result or after one, what the window shows stays as it was. The
// cancel comes before the event loop can hand back the end of the run, so the outcome does not
// depend on which thread is quicker.
TEST_F(Series, ACancelledSeriesLeavesWhatWasShown)
{
    SeriesWindow* series = open();
    enter("100000", "1000", "1", "1", "1", "0");
    play(true);
    EXPECT_FALSE(series->result());
    EXPECT_FALSE(part("saveDataButton")->isEnabled());

    enter("16", "40", "1", "10", "5", "0");
    play();
    const SeriesResult* shown = series->result();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->settings.games, 16);
    const QImage before = part("resultsPanel")->grab().toImage();

    enter("100000", "1000", "1", "1", "1", "0");
    play(true);
    EXPECT_EQ(series->result(), shown);
    EXPECT_EQ(part("resultsPanel")->grab().toImage(), before);
    EXPECT_TRUE(part("startButton")->isEnabled());
    EXPECT_TRUE(part("saveDataButton")->isEnabled());
}

// The window's CSV and tables give the figures of quorvel-sim --summary for the same games, A
// without and B with --spray, rounded alike; the games run on across 2^32. 200 games of 60 rounds,
// or as QUORVEL_SERIES_SIZE says ("1000x500").
TEST_F(Series, FiguresAreThoseOfQuorvelSim)
{
    const QStringList size = qEnvironmentVariable("QUORVEL_SERIES_SIZE", "200x60").split(u'x');
    ASSERT_EQ(size.size(), 2);
    const QString& games = size[0];
    const int rounds = size[1].toInt();
    ASSERT_GE(rounds, 20);
    SeriesWindow* series = open();
    enter(games, size[1], "4294967200", "20", "5", "15");
    play();
    saveChooser.answer = {folder.filePath("series.csv"), {}};
    series->saveData();
    EXPECT_TRUE(saveChooser.suggestedPath.endsWith("/quorvel-versuchsreihe-4294967200.csv"));
    const QByteArray csv = contents(folder.filePath("series.csv"));
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 1 + (rounds + 1) + 1);  // the header, rounds 0 to the last, after the last CR LF
    EXPECT_TRUE(lines.front().startsWith("Durchgang;A Räuber Mittel;A Räuber P10;")) << lines.front().toStdString();

    const QStringList common = {"--games", games, "--rounds", size[1], "--every", "1", "--summary", "--seed", "4294967200"};
    const std::vector<SimSide> conditions[] = {simSummary(common), simSummary(common + QStringList{"--spray", "20:5:15"})};
    QTableWidget* tables[] = {series->findChild<QTableWidget*>("unsprayedTable"), series->findChild<QTableWidget*>("sprayedTable")};
    for (int condition = 0; condition < 2; ++condition) {
        ASSERT_EQ(conditions[condition].size(), 2u);
        for (int side = 0; side < 2; ++side) {
            SCOPED_TRACE(condition * 2 + side);
            const SimSide& sim = conditions[condition][side];
            ASSERT_EQ(sim.rows.size(), static_cast<std::size_t>(rounds + 1));
            for (int round = 0; round <= rounds; ++round) {
                const QStringList fields = lines[1 + round].split(u';');
                ASSERT_EQ(fields.size(), 21);
                QStringList figures = {fields[0]};
                for (int f = 1 + 10 * condition + 5 * side, last = f + 5; f < last; ++f)
                    figures << QString(fields[f]).replace(u',', u'.');
                EXPECT_EQ(figures, sim.rows[static_cast<std::size_t>(round)]);
            }
            // The table says what the line below quorvel-sim's table says.
            const auto cell = [&](int row) {
                return tables[condition]->item(row, side)->text().replace(u',', u'.').replace(" %", "%").replace(" bis ", " to ").replace(u'–', u'-');
            };
            EXPECT_EQ(QStringLiteral("first extinction: mean %1, median %2, n=%3; extinct at the end: %4 (95% Wilson interval %5)")
                          .arg(cell(0), cell(1), cell(2), cell(3), cell(4)),
                      sim.runLine);
        }
    }
    // The rounds that spray are shaded in B's chart only: 20 to 24, 35 to 39, ...
    const auto greenPixels = [this](const char* chart) {
        const QImage image = part(chart)->grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += c.green() > c.red() + 20 && c.green() > c.blue() + 20;
            }
        return n;
    };
    EXPECT_EQ(greenPixels("unsprayedChart"), 0);
    EXPECT_GT(greenPixels("sprayedChart"), 0);
}

TEST_F(Series, PicturesAsShownOnScreenAndLarger)
{
    SeriesWindow* series = open();
    enter("8", "30", "1", "10", "5", "0");
    play();
    QWidget* panel = part("resultsPanel");
    struct Row {
        const char* name;
        const char* filter;
        int scale;
    };
    for (const Row r : {Row{"screen.png", "PNG-Bild in Bildschirmgröße (*.png)", 1},
                        Row{"double.png", "PNG-Bild in doppelter Größe (*.png)", 2}}) {
        SCOPED_TRACE(r.name);
        saveChooser.answer = {folder.filePath(r.name), QString::fromUtf8(r.filter)};
        series->savePicture();
        const QImage saved(folder.filePath(r.name));
        EXPECT_EQ(saved.size(), panel->size() * r.scale);
        if (r.scale == 1) {
            EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), panel->grab().toImage().convertToFormat(QImage::Format_RGB32));
        }
    }
    saveChooser.answer = {folder.filePath("drawing.svg"), "SVG-Grafik (*.svg)"};
    series->savePicture();
    EXPECT_TRUE(contents(folder.filePath("drawing.svg")).contains("<svg"));
}
