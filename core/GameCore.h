#pragma once

#include "Cell.h"
#include "Choice.h"
#include "GameView.h"
#include "Mode.h"
#include "Position.h"
#include "RandomSource.h"
#include "Side.h"

#include <array>
#include <cstdint>
#include <limits>

// The game: a 6 x 6 board of empty cells, prey and hunters, whose turns alternate each round.
// Cells are (x, y), both 1 to 6, x the column from the left and y the row from the top;
// "scan order" is x outer, y inner, and every board search takes its first match.
// The core never fails and never allocates after construction; all it shows goes through
// the GameView it was built with.
class GameCore {
public:
    static constexpr std::int32_t noRoundLimit = std::numeric_limits<std::int32_t>::max();
    static constexpr int boardSize = 6;

    explicit GameCore(GameView& view) : view_(view) {}
    GameCore(const GameCore&) = delete;
    GameCore& operator=(const GameCore&) = delete;

    RandomSource& random() { return random_; }
    const RandomSource& random() const { return random_; }

    // --- operations -------------------------------------------------------------------
    // Clears every cell and redraw flag. The window resets its tiles alongside.
    void clearBoard();
    // Resets the game and seeds 15 animals, then draws. The window must have reset its tiles
    // and frames before, and chooses the mode after.
    void newGame();
    // One round: count it, handle insecticide, flip the turn, roll x then y, mark, resolve.
    void playRound(Mode mode);
    // The rules for the rolled cell on side's turn.
    void applyRules(Position rolled, Side side, Mode mode);
    // Settles a pending choice with the clicked cell, or ignores the click.
    void chooseCell(Position cell);
    // Orders rounds spraying rounds from the next round on, replacing any that remain.
    void orderSpray(std::int32_t rounds) { sprayRoundsLeft_ = rounds; }
    // Sprays six random cells: whatever stands there dies and the frame turns green.
    void spray();
    // Turns last round's green frames black again and hides the spray label.
    void clearSprayMarks();

    // --- neighbourhood ----------------------------------------------------------------
    // p, coordinates 0 to 7 allowed, lies within one step of the board cell center.
    bool isNear(Position p, Position center) const;
    // A neighbour of p (not p itself) holds content.
    bool hasNeighbor(Position p, Cell content) const;
    // p lies in the block of center, the centre included, and holds content.
    bool isInBlock(Position p, Position center, Cell content) const;

    // --- state ------------------------------------------------------------------------
    Cell cell(int x, int y) const { return cells_[x][y]; }
    bool needsRedraw(int x, int y) const { return redraw_[x][y]; }
    // Reads and clears a cell's redraw flag; boardChanged uses it for each cell.
    bool takeRedraw(int x, int y)
    {
        const bool flagged = redraw_[x][y];
        redraw_[x][y] = false;
        return flagged;
    }
    std::int32_t currentRound() const { return currentRound_; }
    std::int32_t roundLimit() const { return roundLimit_; }
    void setRoundLimit(std::int32_t limit) { roundLimit_ = limit; }
    std::int32_t sprayRoundsLeft() const { return sprayRoundsLeft_; }
    bool sprayMarksShown() const { return sprayMarksShown_; }
    const std::array<Position, 6>& sprayedPositions() const { return sprayedPositions_; }
    Side side() const { return side_; }
    int hunterCount() const { return hunterCount_; }
    int preyCount() const { return preyCount_; }
    // The cell rolled last, (0, 0) before the first round.
    Position markedPosition() const { return markedPosition_; }
    Choice pendingChoice() const { return pendingChoice_; }
    // The rolled cell whose block the pending placement must use.
    Position choicePosition() const { return choicePosition_; }
    // Drops a pending choice without touching the board; the mode switches use it.
    void dropChoice() { pendingChoice_ = Choice::None; }

    // Puts content on a cell as a rule would: counters follow, the cell is flagged.
    // For setting up positions in tests and experiments; play never needs it.
    void setCell(int x, int y, Cell content);

private:
    void seedBoard();
    void awaitChoice(Choice choice);

    // [x][y], 1-based; row and column 0 stay unused.
    template <typename T> using Board = std::array<std::array<T, boardSize + 1>, boardSize + 1>;

    GameView& view_;
    RandomSource random_;
    Board<Cell> cells_{};
    Board<bool> redraw_{};
    std::int32_t currentRound_ = 0;
    std::int32_t roundLimit_ = 0;
    std::int32_t sprayRoundsLeft_ = 0;
    bool sprayMarksShown_ = false;
    std::array<Position, 6> sprayedPositions_{};
    Side side_ = Side::Prey;
    std::uint8_t hunterCount_ = 0;
    std::uint8_t preyCount_ = 0;
    Position markedPosition_;
    Choice pendingChoice_ = Choice::None;
    Position choicePosition_;
};
