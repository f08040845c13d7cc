// The board as one widget: what it draws, where a click lands, the keyboard cursor and what
// assistive technology reads.
#include "BoardWidget.h"
#include "PictureFile.h"
#include "Translations.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

void PrintTo(const Position& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }

namespace {
QImage solid(int side, QColor color)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Pictures that are easy to find on the screen: a grey background, an empty picture that is
// all key colour, a red prey and a yellow hunter.
CellPictures plainPictures()
{
    return {solid(99, Qt::darkGray), solid(41, Qt::white), solid(41, Qt::red), solid(41, Qt::yellow)};
}

CellPictures programPictures()
{
    CellPictures pictures;
    const std::pair<QImage*, const char*> files[] = {{&pictures.background, "back.bmp"}, {&pictures.empty, "leer.bmp"},
                                                     {&pictures.prey, "prey.bmp"}, {&pictures.hunter, "hunter.bmp"}};
    for (auto [image, file] : files)
        *image = loadPicture(QStringLiteral(QUORVEL_ASSETS_DIR "/") + file);
    return pictures;
}

// The bounding box of the pixels of one colour.
QRect drawnRect(const QImage& shot, QColor color)
{
    QRect found;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y) == color)
                found |= QRect(x, y, 1, 1);
    return found;
}

// The pixels where two pictures of the same size differ.
std::vector<QPoint> differences(const QImage& a, const QImage& b)
{
    std::vector<QPoint> found;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                found.emplace_back(x, y);
    return found;
}

// The colours of the two-pixel ring around a tile, row by row.
std::vector<QRgb> around(const QImage& image, QRect tile)
{
    std::vector<QRgb> ring;
    const QRect outer = tile.adjusted(-2, -2, 2, 2);
    for (int y = outer.top(); y <= outer.bottom(); ++y)
        for (int x = outer.left(); x <= outer.right(); ++x)
            if (!tile.contains(x, y))
                ring.push_back(image.pixel(x, y));
    return ring;
}

// The board in a window of its own beside a line edit, as the main window holds it.
class BoardWidgetTest : public testing::Test {
protected:
    void SetUp() override
    {
        window_.resize(320, 360);
        before_ = new QLineEdit(&window_);
        before_->setGeometry(8, 320, 100, 20);
        board_ = new BoardWidget(&window_);
        board_->setGeometry(8, 16, 297, 297);
        QObject::connect(board_, &BoardWidget::cellClicked, [this](Position cell) { clicked_.push_back(cell); });
    }
    void showActive()
    {
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
        before_->setFocus();
    }
    QImage shot() const { return board_->grab().toImage(); }

    QWidget window_;
    QLineEdit* before_ = nullptr;
    BoardWidget* board_ = nullptr;
    std::vector<Position> clicked_;
};

class BoardWidgetClicks : public BoardWidgetTest, public testing::WithParamInterface<Position> {};

TEST_P(BoardWidgetClicks, LandOnTheTileDrawnThere)
{
    const Position cell = GetParam();
    board_->setPictures(plainPictures());
    board_->showCell(cell, Cell::Prey);
    const QRect tile = drawnRect(shot(), Qt::red);
    ASSERT_FALSE(tile.isEmpty());

    for (QPoint at : {tile.center(), tile.topLeft(), tile.bottomRight()})
        QTest::mouseClick(board_, Qt::LeftButton, {}, at);
    EXPECT_EQ(clicked_, std::vector<Position>(3, cell));

    // Beside the tile, with another button, or released on another tile: no click.
    clicked_.clear();
    QTest::mouseClick(board_, Qt::LeftButton, {}, tile.topLeft() - QPoint(1, 1));
    QTest::mouseClick(board_, Qt::LeftButton, {}, tile.bottomRight() + QPoint(1, 1));
    QTest::mouseClick(board_, Qt::RightButton, {}, tile.center());
    const QPoint elsewhere = tile.center() + QPoint(cell.x < 6 ? 48 : -48, 0);
    QTest::mousePress(board_, Qt::LeftButton, {}, tile.center());
    QTest::mouseRelease(board_, Qt::LeftButton, {}, elsewhere);
    EXPECT_TRUE(clicked_.empty());
}

INSTANTIATE_TEST_SUITE_P(Cells, BoardWidgetClicks,
                         testing::Values(Position{1, 1}, Position{6, 1}, Position{1, 6}, Position{6, 6}, Position{4, 3}),
                         [](const auto& info) {
                             return "x" + std::to_string(info.param.x) + "y" + std::to_string(info.param.y);
                         });

struct WalkCase {
    const char* name;
    const char* keys;  // l, r, u, d: the arrow keys
    Position cell;
};

class BoardWidgetKeys : public BoardWidgetTest, public testing::WithParamInterface<WalkCase> {};

TEST_P(BoardWidgetKeys, ArrowsMoveTheCursorToTheEdgesAndSpaceOrEnterClicks)
{
    board_->setPictures(plainPictures());
    for (const char* k = GetParam().keys; *k; ++k)
        QTest::keyClick(board_, *k == 'l' ? Qt::Key_Left : *k == 'r' ? Qt::Key_Right : *k == 'u' ? Qt::Key_Up : Qt::Key_Down);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(board_, key);
    EXPECT_EQ(clicked_, std::vector<Position>(3, GetParam().cell));
}

INSTANTIATE_TEST_SUITE_P(Walks, BoardWidgetKeys,
                         testing::Values(WalkCase{"StartsTopLeft", "", {1, 1}},
                                         WalkCase{"RightAndDown", "rrd", {3, 2}},
                                         WalkCase{"StopsAtTheTopAndLeft", "ulul", {1, 1}},
                                         WalkCase{"StopsAtTheBottomAndRight", "rrrrrrrrddddddddd", {6, 6}},
                                         WalkCase{"BackFromTheEdge", "rrrrrrrrdlu", {5, 1}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BoardWidgetTest, TabBringsTheCursorInNoFrameColorAndOnlyWhileFocused)
{
    board_->setPictures(plainPictures());
    board_->setFramesSolid();
    board_->setFrameColor({1, 1}, Qt::green);
    board_->setFrameColor({2, 1}, Qt::blue);
    showActive();
    const QImage unfocused = shot();

    QTest::keyClick(before_, Qt::Key_Tab);
    ASSERT_TRUE(board_->hasFocus());
    for (Position cell : {Position{1, 1}, Position{2, 1}}) {
        const QImage focused = shot();
        const std::vector<QPoint> cursor = differences(unfocused, focused);
        EXPECT_FALSE(cursor.empty());
        for (QPoint at : cursor) {
            ASSERT_TRUE(BoardWidget::tileRect(cell).contains(at)) << at.x() << "," << at.y();
            const QColor c = focused.pixelColor(at);
            ASSERT_TRUE(c != Qt::black && c != Qt::blue && c != Qt::green) << c.name().toStdString();
        }
        QTest::keyClick(board_, Qt::Key_Right);
    }

    QTest::keyClick(board_, Qt::Key_Tab);
    EXPECT_FALSE(board_->hasFocus());
    EXPECT_EQ(shot(), unfocused);
}

// What the board asks to repaint, as its paint events receive it.
class PaintRecorder : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST_F(BoardWidgetTest, RepaintsOnlyWhatChanged)
{
    board_->setPictures(plainPictures());
    showActive();
    QCoreApplication::processEvents();
    PaintRecorder recorder;
    board_->installEventFilter(&recorder);
    const auto repainted = [&recorder](const auto& change) {
        recorder.painted = {};
        change();
        QCoreApplication::processEvents();
        return recorder.painted;
    };
    const QRect tile = BoardWidget::tileRect({3, 4});

    EXPECT_EQ(repainted([this] { board_->showCell({3, 4}, Cell::Prey); }), QRegion(tile));
    EXPECT_EQ(repainted([this] { board_->showCell({3, 4}, Cell::Prey); }), QRegion());
    EXPECT_EQ(repainted([this] { board_->setFrameColor({3, 4}, Qt::blue); }), QRegion()) << "a clear frame";
    const QRect frame = tile.adjusted(-2, -2, 2, 2);
    EXPECT_TRUE(QRegion(frame).subtracted(repainted([this] { board_->setFramesSolid(); })).isEmpty());
    EXPECT_EQ(repainted([this] { board_->setFrameColor({3, 4}, Qt::green); }), QRegion(frame));
    EXPECT_EQ(repainted([this] { QTest::keyClick(before_, Qt::Key_Tab); }), QRegion(BoardWidget::tileRect({1, 1})));
    EXPECT_EQ(repainted([this] { QTest::keyClick(board_, Qt::Key_Down); }),
              QRegion(BoardWidget::tileRect({1, 1})) + BoardWidget::tileRect({1, 2}));
}

struct NoPictureCase {
    const char* name;
    QImage CellPictures::*missing;
};

class BoardWidgetWithoutPictures : public BoardWidgetTest, public testing::WithParamInterface<NoPictureCase> {};

TEST_P(BoardWidgetWithoutPictures, DrawsNothingAndIgnoresInput)
{
    CellPictures pictures = plainPictures();
    pictures.*GetParam().missing = QImage();
    auto* plain = new QWidget(&window_);
    plain->setGeometry(board_->geometry());
    board_->setPictures(pictures);
    board_->reset();
    board_->setFramesSolid();
    board_->showCell({2, 2}, Cell::Hunter);

    EXPECT_EQ(shot(), plain->grab().toImage());
    for (int i = 0; i < 36; ++i)
        QTest::mouseClick(board_, Qt::LeftButton, {}, BoardWidget::tileRect({i % 6 + 1, i / 6 + 1}).center());
    QTest::keyClick(board_, Qt::Key_Space);
    EXPECT_TRUE(clicked_.empty());
    EXPECT_EQ(board_->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(board_)->childCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Missing, BoardWidgetWithoutPictures,
                         testing::Values(NoPictureCase{"Background", &CellPictures::background},
                                         NoPictureCase{"Empty", &CellPictures::empty},
                                         NoPictureCase{"Prey", &CellPictures::prey},
                                         NoPictureCase{"Hunter", &CellPictures::hunter}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BoardWidgetTest, EmptyTilesShowTheBackgroundThroughAnimalsHideIt)
{
    const CellPictures pictures = programPictures();
    ASSERT_EQ(pictures.background.size(), board_->size()) << "compared pixel for pixel, unscaled";
    board_->setPictures(pictures);
    board_->reset();
    const QImage startImage = shot();
    board_->showCell({2, 3}, Cell::Prey);
    board_->showCell({5, 4}, Cell::Hunter);
    const QImage image = shot();

    const QRect empty = BoardWidget::tileRect({3, 3});
    const QRgb key = pictures.empty.pixel(0, pictures.empty.height() - 1);
    int seeThrough = 0;
    for (int y = 0; y < empty.height(); ++y)
        for (int x = 0; x < empty.width(); ++x) {
            const QPoint at = empty.topLeft() + QPoint(x, y);
            const bool keyed = pictures.empty.pixel(x, y) == key;
            seeThrough += keyed;
            ASSERT_EQ(image.pixel(at), keyed ? pictures.background.pixel(at) : pictures.empty.pixel(x, y))
                << x << "," << y;
        }
    EXPECT_GT(seeThrough, empty.width() * empty.height() * 9 / 10);
    const auto format = QImage::Format_RGB32;
    EXPECT_EQ(image.copy(BoardWidget::tileRect({2, 3})).convertToFormat(format), pictures.prey.convertToFormat(format));
    EXPECT_EQ(image.copy(BoardWidget::tileRect({5, 4})).convertToFormat(format),
              pictures.hunter.convertToFormat(format));

    board_->reset();
    EXPECT_EQ(shot(), startImage);
}

TEST_F(BoardWidgetTest, FramesAreClearUntilSolidThenOutlineTheTileInTheirColor)
{
    const CellPictures pictures = programPictures();
    board_->setPictures(pictures);
    board_->reset();
    const QRect tile = BoardWidget::tileRect({4, 2});
    const auto drawnIn = [](const std::vector<QRgb>& ring, QColor color) {
        return std::count(ring.begin(), ring.end(), color.rgb()) == std::ssize(ring);
    };

    board_->setFrameColor({4, 2}, Qt::green);
    const QImage clear = shot();
    EXPECT_EQ(around(clear, tile), around(pictures.background, tile));
    board_->setFramesSolid();
    EXPECT_TRUE(drawnIn(around(shot(), tile), Qt::green));
    for (QColor color : {QColor(Qt::blue), QColor(Qt::black)}) {
        board_->setFrameColor({4, 2}, color);
        const QImage solid = shot();
        EXPECT_TRUE(drawnIn(around(solid, tile), color)) << color.name().toStdString();
        EXPECT_EQ(solid.copy(tile), clear.copy(tile));
    }
    board_->setFrameColor({4, 3}, Qt::green);
    EXPECT_TRUE(drawnIn(around(shot(), tile), Qt::black)) << "a neighbour's frame stays off this one";
}

struct NameCase {
    Language language;
    QString prey, hunter, empty;
};

class BoardWidgetAccessibility : public BoardWidgetTest, public testing::WithParamInterface<NameCase> {};

TEST_P(BoardWidgetAccessibility, CellsAreNamedByPlaceAndContent)
{
    const Translations translations(GetParam().language);
    board_->setPictures(plainPictures());
    board_->showCell({2, 5}, Cell::Prey);
    board_->showCell({6, 1}, Cell::Hunter);
    showActive();

    QAccessibleInterface* boardInterface = QAccessible::queryAccessibleInterface(board_);
    ASSERT_TRUE(boardInterface);
    ASSERT_EQ(boardInterface->childCount(), 36);
    QStringList names;
    for (int i = 0; i < 36; ++i) {
        QAccessibleInterface* cell = boardInterface->child(i);
        ASSERT_TRUE(cell);
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(cell->parent(), boardInterface);
        EXPECT_EQ(boardInterface->indexOfChild(cell), i);
        names << cell->text(QAccessible::Name);
        if (names.back() == GetParam().prey) {
            const QRect drawn = drawnRect(shot(), Qt::red);
            EXPECT_EQ(cell->rect(), QRect(board_->mapToGlobal(drawn.topLeft()), drawn.size()));
        }
    }
    EXPECT_EQ(names.count(GetParam().prey), 1) << names.join(u'|').toStdString();
    EXPECT_EQ(names.count(GetParam().hunter), 1);
    EXPECT_EQ(names.count(GetParam().empty), 1);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 36);

    // The focused cell is the cursor's.
    EXPECT_FALSE(boardInterface->focusChild());
    QTest::keyClick(before_, Qt::Key_Tab);
    QTest::keyClick(board_, Qt::Key_Down);
    QAccessibleInterface* focused = boardInterface->focusChild();
    ASSERT_TRUE(focused);
    EXPECT_TRUE(focused->state().focused);
    EXPECT_EQ(focused->text(QAccessible::Name), GetParam().empty);
}

INSTANTIATE_TEST_SUITE_P(Languages, BoardWidgetAccessibility,
                         testing::Values(NameCase{Language::German, "Feld 2,5: Beute", "Feld 6,1: Räuber", "Feld 1,2: leer"},
                                         NameCase{Language::English, "Cell 2,5: prey", "Cell 6,1: hunter", "Cell 1,2: empty"}),
                         [](const auto& info) { return info.param.language == Language::German ? "German" : "English"; });

}  // namespace
