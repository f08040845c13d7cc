#include "GameCore.h"

namespace {
constexpr int animalsAtStart = 15;

int coordinate(RandomSource& random) { return static_cast<int>(random.nextBelow(GameCore::boardSize)) + 1; }
}  // namespace

void GameCore::clearBoard()
{
    cells_ = {};
    redraw_ = {};
}

void GameCore::newGame()
{
    pendingChoice_ = Choice::None;
    roundLimit_ = noRoundLimit;
    sprayRoundsLeft_ = 0;
    currentRound_ = 0;
    preyCount_ = 0;
    hunterCount_ = 0;
    markedPosition_ = {};
    side_ = Side::Prey;  // flipped before the first round, so hunters open the game
    sprayMarksShown_ = false;
    view_.setSprayLabelVisible(false);
    view_.showInstruction(Choice::None);
    clearBoard();
    seedBoard();
    view_.boardChanged();
}

void GameCore::seedBoard()
{
    // A taken cell costs its attempt two draws and nothing more; at most 14 cells are taken
    // when an attempt is made, so the loop always ends.
    for (int placed = 0; placed < animalsAtStart;) {
        const int x = coordinate(random_);
        const int y = coordinate(random_);
        if (cells_[x][y] != Cell::Empty)
            continue;
        const auto kind = static_cast<Cell>(random_.nextBelow(2) + 1);
        setCell(x, y, kind);
        ++placed;
    }
}

void GameCore::playRound(Mode mode)
{
    ++currentRound_;
    if (sprayMarksShown_)
        clearSprayMarks();
    if (sprayRoundsLeft_ > 0)
        spray();
    side_ = side_ == Side::Prey ? Side::Hunter : Side::Prey;
    const int x = coordinate(random_);
    const int y = coordinate(random_);
    view_.cellRolled({x, y});  // reads the previous mark from markedPosition()
    markedPosition_ = {x, y};
    applyRules({x, y}, side_, mode);
}

void GameCore::applyRules(Position rolled, Side side, Mode mode)
{
    view_.addChartPoint(hunterCount_, preyCount_);
    view_.showSide(side);

    const auto [x, y] = rolled;
    const Cell v = cells_[x][y];
    if (side == Side::Prey && v == Cell::Empty) {
        setCell(x, y, Cell::Prey);  // a prey is born
    } else if (side == Side::Hunter && v == Cell::Prey) {
        setCell(x, y, Cell::Hunter);  // the hunter eats the prey and takes its cell
    } else if (side == Side::Hunter && v == Cell::Hunter) {
        setCell(x, y, Cell::Empty);  // the hunter dies
    } else if (side == Side::Prey && v == Cell::Prey && hasNeighbor(rolled, Cell::Empty)) {
        if (mode == Mode::Automatic) {
            // The offspring takes the first empty cell of the block in scan order; scanning
            // just the block visits those cells in the same order as scanning the board.
            for (int i = x - 1; i <= x + 1; ++i)
                for (int j = y - 1; j <= y + 1; ++j)
                    if (isInBlock({i, j}, rolled, Cell::Empty)) {
                        setCell(i, j, Cell::Prey);
                        view_.boardChanged();
                        return;
                    }
        } else {
            choicePosition_ = rolled;
            awaitChoice(Choice::PlacePrey);
        }
    } else if (side == Side::Hunter && v == Cell::Empty && hunterCount_ > 0) {
        // Starvation hits the first hunter of the whole board in scan order, not one near
        // the rolled cell. The counter equals the number of hunters on the board, so a
        // positive count means the scan finds one.
        if (mode == Mode::Automatic) {
            for (int i = 1; i <= boardSize; ++i)
                for (int j = 1; j <= boardSize; ++j)
                    if (cells_[i][j] == Cell::Hunter) {
                        setCell(i, j, Cell::Empty);
                        view_.boardChanged();
                        return;
                    }
        } else {
            awaitChoice(Choice::RemoveHunter);
        }
    }
    view_.boardChanged();
}

void GameCore::awaitChoice(Choice choice)
{
    view_.showInstruction(choice);
    view_.setRollEnabled(false);
    pendingChoice_ = choice;
}

void GameCore::chooseCell(Position cell)
{
    const auto [x, y] = cell;
    if (pendingChoice_ == Choice::PlacePrey && isInBlock(cell, choicePosition_, Cell::Empty)) {
        view_.showInstruction(Choice::None);
        setCell(x, y, Cell::Prey);
        view_.boardChanged();
        pendingChoice_ = Choice::None;
        view_.setRollEnabled(true);
    }
    // Tested after the placement, so a placement just made never goes on to remove a hunter.
    if (pendingChoice_ == Choice::RemoveHunter && cells_[x][y] == Cell::Hunter) {
        view_.showInstruction(Choice::None);
        setCell(x, y, Cell::Empty);
        view_.boardChanged();
        pendingChoice_ = Choice::None;
        view_.setRollEnabled(true);
    }
}

void GameCore::spray()
{
    view_.setSprayLabelVisible(true);
    for (Position& sprayed : sprayedPositions_) {
        const int x = coordinate(random_);
        const int y = coordinate(random_);
        sprayed = {x, y};
        setCell(x, y, Cell::Empty);  // a cell drawn twice is already empty the second time
        view_.setFrameColor(sprayed, BgrColor::green);
    }
    view_.boardChanged();
    sprayMarksShown_ = true;
    --sprayRoundsLeft_;
}

void GameCore::clearSprayMarks()
{
    for (const Position& sprayed : sprayedPositions_)
        view_.setFrameColor(sprayed, BgrColor::black);
    view_.setSprayLabelVisible(false);
    sprayMarksShown_ = false;
}

bool GameCore::isNear(Position p, Position center) const
{
    // Steps that would leave the board are 0, so an edge centre has fewer neighbours and
    // nothing wraps around.
    const auto [cx, cy] = center;
    const int xplus = cx == boardSize ? 0 : 1;
    const int xminus = cx == 1 ? 0 : 1;
    const int yplus = cy == boardSize ? 0 : 1;
    const int yminus = cy == 1 ? 0 : 1;
    const bool xNear = p.x == cx + xplus || p.x == cx || p.x == cx - xminus;
    const bool yNear = p.y == cy + yplus || p.y == cy || p.y == cy - yminus;
    return xNear && yNear;
}

bool GameCore::hasNeighbor(Position p, Cell content) const
{
    static constexpr int dx[8] = {1, 1, 1, 0, 0, -1, -1, -1};
    static constexpr int dy[8] = {1, 0, -1, 1, -1, 1, 0, -1};
    for (int k = 0; k < 8; ++k) {
        const Position n{p.x + dx[k], p.y + dy[k]};
        if (isNear(n, p) && cells_[n.x][n.y] == content)
            return true;
    }
    return false;
}

bool GameCore::isInBlock(Position p, Position center, Cell content) const
{
    return isNear(p, center) && cells_[p.x][p.y] == content;
}

void GameCore::setCell(int x, int y, Cell content)
{
    // Every rule changes a counter only together with its cell, so the counters always
    // equal what stands on the board.
    Cell& cell = cells_[x][y];
    if (cell == Cell::Prey)
        --preyCount_;
    else if (cell == Cell::Hunter)
        --hunterCount_;
    if (content == Cell::Prey)
        ++preyCount_;
    else if (content == Cell::Hunter)
        ++hunterCount_;
    cell = content;
    redraw_[x][y] = true;
}
