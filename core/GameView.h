#pragma once

#include "BgrColor.h"
#include "Choice.h"
#include "Position.h"
#include "Side.h"

// Everything the game core makes visible goes through this interface; the game controller
// implements it, tests implement it with a recorder, the headless runner with almost nothing.
// Every call is synchronous and comes from inside a core operation on the caller's thread. The
// core's state may be read during any call; of its operations, only takeRedraw may be called,
// in boardChanged, and no other.
class GameView {
public:
    virtual ~GameView() = default;

    // After a new game, every round, every spraying and every settled choice. Write the
    // round and both counters to the status bar, then redraw exactly the cells whose redraw
    // flag is set, taking each flag with GameCore::takeRedraw so it is cleared.
    virtual void boardChanged() = 0;

    // Once per round, after any spraying and before the rule is applied. The cell marked
    // before is still in markedPosition() ((0, 0) = none): turn its frame black, then cell's blue.
    virtual void cellRolled(Position cell) = 0;

    // Once per round: the side that acts; show its name ("Räuber" or "Beute") next to "Spieler:".
    virtual void showSide(Side side) = 0;

    // The instruction line: "Beute plazieren" for PlacePrey, "Räuber stirbt" for RemoveHunter,
    // empty for None (a choice is settled or a new game starts).
    virtual void showInstruction(Choice choice) = 0;

    // Off when an interactive round leaves a choice pending, on when it is settled.
    virtual void setRollEnabled(bool enabled) = 0;

    // Frame colour of one cell: green when sprayed, black when the spray mark is removed.
    // Change only the colour.
    virtual void setFrameColor(Position cell, BgrColor color) = 0;

    // The "Insektizid" label: on while sprayed cells are outlined, off otherwise.
    virtual void setSprayLabelVisible(bool visible) = 0;

    // First thing in every round's rule step, with the counts after spraying and before the
    // rule. Append one point to each curve while the analysis panel is shown, else ignore.
    virtual void addChartPoint(int hunters, int prey) = 0;
};
