#pragma once

#include "GameView.h"

// A view that shows nothing, for games whose only product is the core's state: the headless
// runner, benchmarks and tests. Derive from it to watch just the calls you need.
class NullGameView : public GameView {
public:
    void boardChanged() override {}
    void cellRolled(Position) override {}
    void showSide(Side) override {}
    void showInstruction(Choice) override {}
    void setRollEnabled(bool) override {}
    void setFrameColor(Position, BgrColor) override {}
    void setSprayLabelVisible(bool) override {}
    void addChartPoint(int, int) override {}
};
