#include "ChartCommands.h"
#include "ChartExport.h"
#include "ChartView.h"
#include "Exception.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace {
class ChartExport : public MainWindowTest {
protected:
    // Game 0 with the panel open: the chart holds the counts after rounds 0 to 7, the status
    // bar those after round 8.
    void playGameZero()
    {
        newGame(0);
        controller->onToggleChart();
        for (int i = 0; i < 8; ++i)
            controller->onTick();
    }
    void answer(const QString& path, const QString& filter = {}) { saveChooser.answer = {path, filter}; }
    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir folder;
};

TEST_F(ChartExport, TheDataOfAKnownGameAsCsv)
{
    playGameZero();
    answer(folder.filePath("game.csv"));
    chartCommands->saveData();
    EXPECT_EQ(saveChooser.title, "Daten als CSV speichern");
    EXPECT_TRUE(saveChooser.suggestedPath.endsWith("/quorvel-spiel-0.csv")) << saveChooser.suggestedPath.toStdString();
    EXPECT_EQ(contents(folder.filePath("game.csv")),
              "\xEF\xBB\xBF"
              "Durchgang;R\xC3\xA4uber;Beute\r\n"
              "0;6;9\r\n1;5;9\r\n2;5;10\r\n3;6;9\r\n4;6;10\r\n5;7;9\r\n6;7;9\r\n7;8;8\r\n8;8;9\r\n")
        << "the rows of quorvel-sim --seed 0 --rounds 8";

    // Cleared in the middle of a game, the rows still count the game's rounds.
    form->findChild<QAction*>("clearChartAction")->trigger();
    for (int i = 0; i < 2; ++i)
        controller->onTick();
    chartCommands->saveData();
    EXPECT_EQ(contents(folder.filePath("game.csv")),
              "\xEF\xBB\xBF"
              "Durchgang;R\xC3\xA4uber;Beute\r\n"
              "8;8;9\r\n9;7;9\r\n10;7;9\r\n");
}

TEST_F(ChartExport, PicturesAsShownOnScreenAndLarger)
{
    playGameZero();
    QWidget& shownChart = form->chart();
    struct Row {
        const char* name;
        const char* filter;
        int scale;
    };
    for (const Row r : {Row{"screen.png", "PNG-Bild in Bildschirmgröße (*.png)", 1},
                        Row{"double.png", "PNG-Bild in doppelter Größe (*.png)", 2},
                        Row{"fourfold.png", "PNG-Bild in vierfacher Größe (*.png)", 4}}) {
        SCOPED_TRACE(r.name);
        answer(folder.filePath(r.name), QString::fromUtf8(r.filter));
        chartCommands->savePicture();
        const QImage saved(folder.filePath(r.name));
        ASSERT_FALSE(saved.isNull());
        EXPECT_EQ(saved.size(), shownChart.size() * r.scale);
        if (r.scale == 1) {
            EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
                      shownChart.grab().toImage().convertToFormat(QImage::Format_RGB32))
                << "pixel for pixel the chart on screen";
        }
    }
    answer(folder.filePath("drawing.svg"), "SVG-Grafik (*.svg)");
    chartCommands->savePicture();
    const QByteArray svg = contents(folder.filePath("drawing.svg"));
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains(QStringLiteral("width=\"%1").arg(shownChart.width()).toUtf8()));
}

TEST_F(ChartExport, ACancelledDialogWritesNothing)
{
    playGameZero();
    answer({});
    chartCommands->saveData();
    chartCommands->savePicture();
    EXPECT_EQ(saveChooser.asked, 2);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(ChartExport, AFailedWriteIsReportedAndTheOldFileStays)
{
    playGameZero();
    struct Row {
        const char* name;
        QString path;
        bool needsOrdinaryUser;
    };
    QDir(folder.path()).mkdir("locked");
    const QString locked = folder.filePath("locked/game.csv");
    {
        QFile old(locked);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    QFile::setPermissions(folder.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
    const Row rows[] = {
        {"a read-only folder", locked, true},
        {"a folder nobody can write into", "/proc/version", false},
        {"a missing folder", folder.filePath("missing/game.csv"), false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        if (r.needsOrdinaryUser && geteuid() == 0)
            continue;  // root writes anywhere
        const QByteArray before = contents(r.path);
        answer(r.path);
        EXPECT_THROW(chartCommands->saveData(), FileWriteError);
        try {
            writeChartData(*controller, r.path);
        } catch (const FileWriteError& e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("Datei ") + QDir::toNativeSeparators(r.path)
                                               + " kann nicht geschrieben werden."))
                << e.message().toStdString();
        }
        EXPECT_EQ(contents(r.path), before);
    }
    QFile::setPermissions(folder.filePath("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(QDir(folder.filePath("locked")).entryList(QDir::Files), QStringList{"game.csv"})
        << "no temporary file stays behind";
}

TEST_F(ChartExport, TheMenuEntriesReachTheCommands)
{
    playGameZero();
    answer(folder.filePath("menu.csv"));
    form->findChild<QAction*>("saveDataAction")->trigger();
    EXPECT_TRUE(QFile::exists(folder.filePath("menu.csv")));
    answer(folder.filePath("menu.png"));
    form->findChild<QAction*>("savePictureAction")->trigger();
    EXPECT_TRUE(QFile::exists(folder.filePath("menu.png")));
}
}  // namespace
