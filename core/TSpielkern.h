#pragma once

#include "TRandomSource.h"
#include "TSpielanzeige.h"

#include <array>
#include <cstdint>
#include <limits>

// Cell contents, also used for whose turn it is (1 prey, 2 hunters).
namespace zelle {
inline constexpr std::uint8_t leer = 0;
inline constexpr std::uint8_t beute = 1;
inline constexpr std::uint8_t raeuber = 2;
}

// What the player must decide before the next interactive round.
enum class Entscheidung : std::uint8_t { keine = 0, beutePlazieren = 1, raeuberEntfernen = 2 };

// The game: a 6 x 6 board of empty cells, prey and hunters, whose turns alternate each round.
// Cells are (x, y), both 1 to 6, x the column from the left and y the row from the top;
// "scan order" is x outer, y inner, and every board search takes its first match.
// The core never fails and never allocates after construction; all it shows goes through
// the TSpielanzeige it was built with.
class TSpielkern {
public:
    static constexpr std::int32_t keinLimit = std::numeric_limits<std::int32_t>::max();

    explicit TSpielkern(TSpielanzeige& anzeige) : anzeige_(anzeige) {}
    TSpielkern(const TSpielkern&) = delete;
    TSpielkern& operator=(const TSpielkern&) = delete;

    TRandomSource& zufall() { return zufall_; }
    const TRandomSource& zufall() const { return zufall_; }

    // --- operations -------------------------------------------------------------------
    // Clears every cell and redraw flag. The window resets its tiles alongside.
    void initfeld();
    // Resets the game and seeds 15 animals, then draws. The window must have reset its tiles
    // and frames before, and chooses the mode after.
    void neuspiel();
    // One round: count it, handle insecticide, flip the turn, roll x then y, mark, resolve.
    void runde(bool automatic);
    // The rules for the rolled cell (x, y) on turn (1 prey, 2 hunters).
    void computefeld(int x, int y, std::uint8_t turn, bool automatic);
    // Settles a pending decision with the clicked cell, or ignores the click.
    void clickfeld(int x, int y);
    // Orders n spraying rounds from the next round on, replacing any that remain.
    void setinsrunden(std::int32_t n) { insrunden_ = n; }
    void insdead();
    void insclear();

    // --- neighbourhood ----------------------------------------------------------------
    // (x, y), coordinates 0 to 7 allowed, lies within one step of the board cell (cx, cy).
    bool isinrange(int x, int y, int cx, int cy) const;
    // A neighbour of (x, y) (not the cell itself) holds content.
    bool ispossible(int x, int y, std::uint8_t content) const;
    // (x, y) lies in the block of (cx, cy), the centre included, and holds content.
    bool isright(int x, int y, int cx, int cy, std::uint8_t content) const;

    // --- state ------------------------------------------------------------------------
    std::uint8_t feld(int x, int y) const { return feld_[x][y]; }
    bool redraw(int x, int y) const { return redraw_[x][y] != 0; }
    // Reads and clears a cell's redraw flag; drawfeld uses it for each cell.
    bool takeRedraw(int x, int y)
    {
        const bool flagged = redraw_[x][y] != 0;
        redraw_[x][y] = 0;
        return flagged;
    }
    std::int32_t durchgang() const { return durchgang_; }
    std::int32_t rundenziel() const { return rundenziel_; }
    void setrundenziel(std::int32_t ziel) { rundenziel_ = ziel; }
    std::int32_t insrunden() const { return insrunden_; }
    bool insaktiv() const { return insaktiv_ != 0; }
    struct Zelle {
        std::uint8_t x = 0, y = 0;
    };
    const std::array<Zelle, 6>& spruehfelder() const { return spruehfelder_; }
    std::uint8_t spieler() const { return spieler_; }
    std::uint8_t anzraeuber() const { return anzraeuber_; }
    std::uint8_t anzbeute() const { return anzbeute_; }
    int markx() const { return markx_; }
    int marky() const { return marky_; }
    Entscheidung warten() const { return warten_; }
    int wahlx() const { return wahlx_; }
    int wahly() const { return wahly_; }
    // Drops a pending decision without touching the board; the mode switches use it.
    void dropDecision() { warten_ = Entscheidung::keine; }

    // Puts content on a cell as a rule would: counters follow, the cell is flagged.
    // For setting up positions in tests and experiments; play never needs it.
    void setzefeld(int x, int y, std::uint8_t content);

private:
    void setcell(int x, int y, std::uint8_t content);
    void seedboard();
    void decide(Entscheidung what, std::string_view instruction);

    using Board = std::array<std::array<std::uint8_t, 7>, 7>;  // [x][y], 1-based

    TSpielanzeige& anzeige_;
    TRandomSource zufall_;
    Board feld_{};
    Board redraw_{};
    std::int32_t durchgang_ = 0;
    std::int32_t rundenziel_ = 0;
    std::int32_t insrunden_ = 0;
    std::uint8_t insaktiv_ = 0;
    std::array<Zelle, 6> spruehfelder_{};
    std::uint8_t spieler_ = 0;
    std::uint8_t anzraeuber_ = 0;
    std::uint8_t anzbeute_ = 0;
    std::uint8_t markx_ = 0, marky_ = 0;
    Entscheidung warten_ = Entscheidung::keine;
    std::uint8_t wahlx_ = 0, wahly_ = 0;
};
