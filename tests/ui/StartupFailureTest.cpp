#include "BoardWidget.h"
#include "MainWindowFixture.h"
#include "RulesWindow.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
// Start-up in a folder holding copies of the pictures, one of them missing or damaged.
class StartupFailure : public MainWindowTest {
protected:
    void SetUp() override {}
    void start(const char* broken, bool remove)
    {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"leer.bmp", "prey.bmp", "hunter.bmp", "back.bmp"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVEL_ASSETS_DIR "/") + name, dir_.filePath(name)));
        QFile::remove(dir_.filePath(broken));
        if (!remove) {
            QFile f(dir_.filePath(broken));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("Dies ist kein Bild, sondern Text.\n");
        }
        MainWindowTest::SetUp();
        for (const auto& box : errors.boxes) {
            boxes_ << box.text;
            titles_ << box.title;
        }
        errors.clear();
    }
    QString startDir() const override { return dir_.path(); }

    QTemporaryDir dir_;
    QStringList boxes_, titles_;
};
}  // namespace

TEST_F(StartupFailure, MissingEmptyCellPicture)
{
    start("leer.bmp", true);
    ASSERT_EQ(boxes_.size(), 1);
    EXPECT_EQ(titles_[0], "Quorvel");
    EXPECT_TRUE(boxes_[0].startsWith("Datei " + dir_.filePath("leer.bmp") + " kann nicht geöffnet werden. "))
        << boxes_[0].toStdString();
    EXPECT_TRUE(boxes_[0].endsWith(".")) << boxes_[0].toStdString();
    EXPECT_FALSE(board().hasPictures());
    EXPECT_TRUE(form->isVisible());

    // Every command stays safe without tiles.
    newGame(1);
    controller->onTick();
    controller->core().orderSpray(3);
    controller->onTick();
    chooseInteractive();
    for (int i = 0; i < 50; ++i)
        controller->onRoll();
    controller->onToggleChart();
    controller->onTick();
    EXPECT_EQ(controller->core().preyCount() + controller->core().hunterCount() > 0, true);
    form->showRules();
    EXPECT_FALSE(form->rulesWindow()->showsPictures()) << "the rules without the missing pictures";
}

TEST_F(StartupFailure, DamagedPreyPicture)
{
    start("prey.bmp", false);
    ASSERT_EQ(boxes_.size(), 1);
    EXPECT_EQ(boxes_[0], "Bitmap ist ungültig.");
    EXPECT_FALSE(board().hasPictures());
    form->showRules();
    EXPECT_FALSE(form->rulesWindow()->showsPictures()) << "the hunter after the prey is not loaded";
}

TEST_F(StartupFailure, MissingBackgroundStillStopsBeforeTheTiles)
{
    start("back.bmp", true);
    ASSERT_EQ(boxes_.size(), 1);
    EXPECT_FALSE(board().hasPictures());
    form->showRules();
    EXPECT_TRUE(form->rulesWindow()->showsPictures()) << "the cell pictures before the background are kept";
}
