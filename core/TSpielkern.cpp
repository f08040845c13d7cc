#include "TSpielkern.h"

namespace {
constexpr int felder = 6;
constexpr int tiere = 15;

int coordinate(TRandomSource& zufall) { return static_cast<int>(zufall.NextBelow(felder)) + 1; }
}  // namespace

void TSpielkern::initfeld()
{
    feld_ = {};
    redraw_ = {};
}

void TSpielkern::neuspiel()
{
    warten_ = Entscheidung::keine;
    rundenziel_ = keinLimit;
    insrunden_ = 0;
    durchgang_ = 0;
    anzbeute_ = 0;
    anzraeuber_ = 0;
    markx_ = 0;
    marky_ = 0;
    spieler_ = zelle::beute;  // flipped before the first round, so hunters open the game
    insaktiv_ = 0;
    anzeige_.setinslabvisible(false);
    anzeige_.sethilfetext({});
    initfeld();
    seedboard();
    anzeige_.drawfeld();
}

void TSpielkern::seedboard()
{
    // A taken cell costs its attempt two draws and nothing more; at most 14 cells are taken
    // when an attempt is made, so the loop always ends.
    for (int placed = 0; placed < tiere;) {
        const int x = coordinate(zufall_);
        const int y = coordinate(zufall_);
        if (feld_[x][y] != zelle::leer)
            continue;
        const auto kind = static_cast<std::uint8_t>(zufall_.NextBelow(2) + 1);
        setcell(x, y, kind);
        ++placed;
    }
}

void TSpielkern::runde(bool automatic)
{
    ++durchgang_;
    if (insaktiv_ == 1)
        insclear();
    if (insrunden_ > 0)
        insdead();
    spieler_ = spieler_ == zelle::beute ? zelle::raeuber : zelle::beute;
    const int x = coordinate(zufall_);
    const int y = coordinate(zufall_);
    anzeige_.markfeld(x, y);  // reads the previous mark from markx/marky
    markx_ = static_cast<std::uint8_t>(x);
    marky_ = static_cast<std::uint8_t>(y);
    computefeld(x, y, spieler_, automatic);
}

void TSpielkern::computefeld(int x, int y, std::uint8_t turn, bool automatic)
{
    anzeige_.addchartpoints(anzraeuber_, anzbeute_);
    anzeige_.setspielertext(turn == zelle::raeuber ? "Räuber" : "Beute");

    const std::uint8_t v = feld_[x][y];
    if (turn == zelle::beute && v == zelle::leer) {
        setcell(x, y, zelle::beute);  // a prey is born
    } else if (turn == zelle::raeuber && v == zelle::beute) {
        setcell(x, y, zelle::raeuber);  // the hunter eats the prey and takes its cell
    } else if (turn == zelle::raeuber && v == zelle::raeuber) {
        setcell(x, y, zelle::leer);  // the hunter dies
    } else if (turn == zelle::beute && v == zelle::beute && ispossible(x, y, zelle::leer)) {
        if (automatic) {
            // The offspring takes the first empty cell of the block in scan order; scanning
            // just the block visits those cells in the same order as scanning the board.
            for (int i = x - 1; i <= x + 1; ++i)
                for (int j = y - 1; j <= y + 1; ++j)
                    if (isright(i, j, x, y, zelle::leer)) {
                        setcell(i, j, zelle::beute);
                        anzeige_.drawfeld();
                        return;
                    }
        } else {
            wahlx_ = static_cast<std::uint8_t>(x);
            wahly_ = static_cast<std::uint8_t>(y);
            decide(Entscheidung::beutePlazieren, "Beute plazieren");
        }
    } else if (turn == zelle::raeuber && v == zelle::leer && anzraeuber_ > 0) {
        // Starvation hits the first hunter of the whole board in scan order, not one near
        // the rolled cell. The counter equals the number of hunters on the board, so a
        // positive count means the scan finds one.
        if (automatic) {
            for (int i = 1; i <= felder; ++i)
                for (int j = 1; j <= felder; ++j)
                    if (feld_[i][j] == zelle::raeuber) {
                        setcell(i, j, zelle::leer);
                        anzeige_.drawfeld();
                        return;
                    }
        } else {
            decide(Entscheidung::raeuberEntfernen, "Räuber stirbt");
        }
    }
    anzeige_.drawfeld();
}

void TSpielkern::decide(Entscheidung what, std::string_view instruction)
{
    anzeige_.sethilfetext(instruction);
    anzeige_.setdiceenabled(false);
    warten_ = what;
}

void TSpielkern::clickfeld(int x, int y)
{
    if (warten_ == Entscheidung::beutePlazieren && isright(x, y, wahlx_, wahly_, zelle::leer)) {
        anzeige_.sethilfetext({});
        setcell(x, y, zelle::beute);
        anzeige_.drawfeld();
        warten_ = Entscheidung::keine;
        anzeige_.setdiceenabled(true);
    }
    // Tested after the placement, so a placement just made never goes on to remove a hunter.
    if (warten_ == Entscheidung::raeuberEntfernen && feld_[x][y] == zelle::raeuber) {
        anzeige_.sethilfetext({});
        setcell(x, y, zelle::leer);
        anzeige_.drawfeld();
        warten_ = Entscheidung::keine;
        anzeige_.setdiceenabled(true);
    }
}

void TSpielkern::insdead()
{
    anzeige_.setinslabvisible(true);
    for (auto& feldxy : spruehfelder_) {
        const int x = coordinate(zufall_);
        const int y = coordinate(zufall_);
        feldxy = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
        setcell(x, y, zelle::leer);  // a cell drawn twice is already empty the second time
        anzeige_.setrahmencolor(x, y, clGreen);
    }
    anzeige_.drawfeld();
    insaktiv_ = 1;
    --insrunden_;
}

void TSpielkern::insclear()
{
    for (const auto& feldxy : spruehfelder_)
        anzeige_.setrahmencolor(feldxy.x, feldxy.y, clBlack);
    anzeige_.setinslabvisible(false);
    insaktiv_ = 0;
}

bool TSpielkern::isinrange(int x, int y, int cx, int cy) const
{
    // Steps that would leave the board are 0, so an edge centre has fewer neighbours and
    // nothing wraps around.
    const int xplus = cx == felder ? 0 : 1;
    const int xminus = cx == 1 ? 0 : 1;
    const int yplus = cy == felder ? 0 : 1;
    const int yminus = cy == 1 ? 0 : 1;
    const bool xok = x == cx + xplus || x == cx || x == cx - xminus;
    const bool yok = y == cy + yplus || y == cy || y == cy - yminus;
    return xok && yok;
}

bool TSpielkern::ispossible(int x, int y, std::uint8_t content) const
{
    static constexpr int dx[8] = {1, 1, 1, 0, 0, -1, -1, -1};
    static constexpr int dy[8] = {1, 0, -1, 1, -1, 1, 0, -1};
    for (int k = 0; k < 8; ++k) {
        const int nx = x + dx[k];
        const int ny = y + dy[k];
        if (isinrange(nx, ny, x, y) && feld_[nx][ny] == content)
            return true;
    }
    return false;
}

bool TSpielkern::isright(int x, int y, int cx, int cy, std::uint8_t content) const
{
    return isinrange(x, y, cx, cy) && feld_[x][y] == content;
}

void TSpielkern::setzefeld(int x, int y, std::uint8_t content) { setcell(x, y, content); }

void TSpielkern::setcell(int x, int y, std::uint8_t content)
{
    // Every rule changes a counter only together with its cell, so the counters always
    // equal what stands on the board.
    std::uint8_t& cell = feld_[x][y];
    if (cell == zelle::beute)
        --anzbeute_;
    else if (cell == zelle::raeuber)
        --anzraeuber_;
    if (content == zelle::beute)
        ++anzbeute_;
    else if (content == zelle::raeuber)
        ++anzraeuber_;
    cell = content;
    redraw_[x][y] = 1;
}
