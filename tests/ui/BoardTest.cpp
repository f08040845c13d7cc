#include "MainWindowFixture.h"
#include "PictureView.h"
#include "Picture.h"
#include "FrameShape.h"
#include "StatusBar.h"

#include <QImage>

namespace {
class Board : public MainWindowTest {
protected:
    StatusBar* bar() const { return control<StatusBar>("statusBar"); }
    QColor frameColor(int x, int y) const
    {
        // A pixel on the frame's outline, grabbed as drawn on screen.
        FrameShape* frame = form->board().frame(x, y);
        return frame->grab().toImage().pixelColor(0, 22);
    }
    // The picture a tile shows, identified by comparing its centre pixel with the holders'.
    char tileKind(int x, int y) const
    {
        const QImage shown = form->board().tile(x, y)->grab().toImage();
        const QColor center = shown.pixelColor(20, 20);
        const QColor corner = shown.pixelColor(2, 38);
        for (auto [name, kind] : {std::pair{"preyPicture", 'b'}, std::pair{"hunterPicture", 'R'}}) {
            const QImage holder = control<PictureView>(name)->picture().image().scaled(41, 41);
            if (holder.pixelColor(20, 20) == center && holder.pixelColor(2, 38) == corner)
                return kind;
        }
        return '.';
    }
};
}  // namespace

TEST_F(Board, NewGameShowsExactlyTheSeededAnimals)
{
    newGame(0);
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y) {
            const auto v = controller->core().cell(x, y);
            EXPECT_EQ(tileKind(x, y), v == Cell::Prey ? 'b' : v == Cell::Hunter ? 'R' : '.') << x << "," << y;
            EXPECT_EQ(frameColor(x, y), QColor(Qt::black)) << x << "," << y;
        }
    EXPECT_EQ(bar()->panelText(1), "0");
    EXPECT_EQ(bar()->panelText(3), "6");
    EXPECT_EQ(bar()->panelText(5), "9");
}

TEST_F(Board, FramesAreInvisibleUntilTheFirstGame)
{
    // Before "Neu" no frame is drawn: the frame's pixels are whatever lies beneath.
    FrameShape* frame = form->board().frame(3, 3);
    EXPECT_EQ(frame->penStyle(), FrameShape::PenStyle::Clear);
    newGame(0);
    EXPECT_EQ(frame->penStyle(), FrameShape::PenStyle::Solid);
}

TEST_F(Board, StatusBarFollowsEveryRound)
{
    EXPECT_EQ(bar()->panelText(0), "Durchgang:");
    EXPECT_EQ(bar()->panelText(2), "Räuber:");
    EXPECT_EQ(bar()->panelText(4), "Beute:");
    EXPECT_EQ(bar()->panelText(6), "Spieler:");
    EXPECT_EQ(bar()->panelText(7), "");
    EXPECT_EQ(bar()->panelCount(), 9);

    newGame(0);
    // The worked example of seed 0: sides and counts of the first rounds.
    const char* sides[] = {"Räuber", "Beute", "Räuber", "Beute"};
    const int hunters[] = {5, 5, 6, 6}, prey[] = {9, 10, 9, 10};
    for (int i = 0; i < 4; ++i) {
        controller->onTick();
        EXPECT_EQ(bar()->panelText(1), QString::number(i + 1));
        EXPECT_EQ(bar()->panelText(3), QString::number(hunters[i]));
        EXPECT_EQ(bar()->panelText(5), QString::number(prey[i]));
        EXPECT_EQ(bar()->panelText(7), sides[i]);
    }
    // A new game leaves the side of the previous game's last round.
    newGame(0);
    EXPECT_EQ(bar()->panelText(7), "Beute");
    EXPECT_EQ(bar()->panelText(1), "0");
}

TEST_F(Board, RolledCellIsBlueAndSprayedCellsGreenThenBlack)
{
    newGame(21);
    controller->core().orderSpray(2);
    controller->onTick();
    const int mx = controller->core().markedPosition().x, my = controller->core().markedPosition().y;
    const auto sprayed = controller->core().sprayedPositions();
    for (const auto& c : sprayed) {
        const QColor expected = (c.x == mx && c.y == my) ? QColor(Qt::blue) : QColor(Qt::green);
        EXPECT_EQ(frameColor(c.x, c.y), expected) << int(c.x) << "," << int(c.y);
    }
    EXPECT_EQ(frameColor(mx, my), QColor(Qt::blue));
    EXPECT_FALSE(control("sprayLabel")->isHidden());

    controller->onTick();  // second spraying: the first marks turn black first
    controller->onTick();  // no spraying left: the marks go and the label hides
    EXPECT_TRUE(control("sprayLabel")->isHidden());
    int blue = 0, green = 0;
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y) {
            const QColor c = frameColor(x, y);
            blue += c == QColor(Qt::blue);
            green += c == QColor(Qt::green);
        }
    EXPECT_EQ(blue, 1);
    EXPECT_EQ(green, 0);
}

TEST_F(Board, TileClicksSettleOrAreIgnored)
{
    newGame(6);
    chooseInteractive();
    diceUntilDecision();
    const GameCore& core = controller->core();
    // Find one cell the decision refuses and one it accepts.
    int badX = 0, badY = 0, goodX = 0, goodY = 0;
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y) {
            const bool ok = core.pendingChoice() == Choice::PlacePrey
                                ? core.isInBlock({x, y}, { core.choicePosition().x, core.choicePosition().y}, Cell::Empty)
                                : core.cell(x, y) == Cell::Hunter;
            (ok ? goodX : badX) = x;
            (ok ? goodY : badY) = y;
        }
    ASSERT_TRUE(goodX && badX);
    const auto pending = core.pendingChoice();
    QTest::mouseClick(form->board().tile(badX, badY), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(core.pendingChoice(), pending);
    EXPECT_FALSE(button("rollButton")->isEnabled());

    QTest::mouseClick(form->board().tile(goodX, goodY), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(core.pendingChoice(), Choice::None);
    EXPECT_TRUE(button("rollButton")->isEnabled());
    EXPECT_TRUE(control<QLineEdit>("instructionLine")->text().isEmpty());
    EXPECT_EQ(tileKind(goodX, goodY), pending == Choice::PlacePrey ? 'b' : '.');

    // With nothing pending, clicks change nothing.
    const auto before = core.preyCount() * 100 + core.hunterCount();
    for (int x = 1; x <= 6; ++x)
        QTest::mouseClick(form->board().tile(x, 3), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(core.preyCount() * 100 + core.hunterCount(), before);
}

TEST_F(Board, EmptyTilesLetTheBackgroundShowThrough)
{
    newGame(0);
    // (3,3) is empty after seed 0. Where the empty picture has its key colour, the tile shows
    // exactly what the background shows there.
    ASSERT_EQ(controller->core().cell(3, 3), Cell::Empty);
    QWidget* boardBox = control("boardBox");
    const QImage board = boardBox->grab().toImage();
    const QImage empty = control<PictureView>("emptyPicture")->picture().image().scaled(41, 41);
    const QImage back = control<PictureView>("backgroundPicture")->picture().image().scaled(297, 297);
    const QColor key = empty.pixelColor(0, empty.height() - 1);
    const QPoint tile(48 * 3 - 30, 48 * 3 - 22);
    int checked = 0;
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 41; ++x)
            if (empty.pixelColor(x, y) == key) {
                const QPoint at = tile + QPoint(x, y);
                ASSERT_EQ(board.pixelColor(at), back.pixelColor(at - QPoint(8, 16))) << x << "," << y;
                ++checked;
            }
    EXPECT_GT(checked, 400);
}
