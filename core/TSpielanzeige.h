#pragma once

#include "TColor.h"

#include <cstdint>
#include <string_view>

// Everything the game core makes visible goes through this interface; the main window
// implements it, tests implement it with a recorder, the headless runner with almost nothing.
// Every call is synchronous, comes from inside a core operation on the caller's thread, and
// must not call back into the core. The core's state may be read during any call.
class TSpielanzeige {
public:
    virtual ~TSpielanzeige() = default;

    // After a new game, every round, every spraying and every settled decision. Write the
    // round and both counters to the status bar, then redraw exactly the cells whose redraw
    // flag is set, taking each flag with TSpielkern::takeRedraw so it is cleared.
    virtual void drawfeld() = 0;

    // Once per round, after any spraying and before the rule is applied. The cell marked
    // before is still in markx()/marky() (0 = none): turn its frame black, then (x, y)'s blue.
    virtual void markfeld(int x, int y) = 0;

    // Once per round: "Räuber" or "Beute", the side that acts; show it next to "Spieler:".
    virtual void setspielertext(std::string_view text) = 0;

    // The instruction line: "Beute plazieren", "Räuber stirbt", or empty when a decision is
    // settled or a new game starts. Show the text as given.
    virtual void sethilfetext(std::string_view text) = 0;

    // Off when an interactive round leaves a decision pending, on when it is settled.
    virtual void setdiceenabled(bool enabled) = 0;

    // Frame colour of one cell: green when sprayed, black when the spray mark is removed.
    // Change only the colour.
    virtual void setrahmencolor(int x, int y, TColor colour) = 0;

    // The "Insektizid" label: on while sprayed cells are outlined, off otherwise.
    virtual void setinslabvisible(bool visible) = 0;

    // First thing in every round's rule step, with the counts after spraying and before the
    // rule. Append one point to each curve while the analysis panel is shown, else ignore.
    virtual void addchartpoints(std::uint8_t hunters, std::uint8_t prey) = 0;
};
