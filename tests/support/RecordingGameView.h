#pragma once

#include "GameCore.h"

#include <string>
#include <vector>

// A GameView that remembers every call, in order, as a short line of text
// ("rolled 4 5", "frame 2 3 green", "chart 7 8"), plus the latest state of each display.
class RecordingGameView : public GameView {
public:
    std::vector<std::string> calls;
    Side side = Side::Prey;
    Choice instruction = Choice::None;
    bool rollEnabled = true;
    bool sprayLabelVisible = false;
    int boardChanges = 0;
    std::vector<std::pair<int, int>> rolls;
    std::vector<std::pair<int, int>> chartPoints;
    // When set, boardChanged takes the core's redraw flags as the window does and collects the
    // cells it would redraw.
    GameCore* core = nullptr;
    std::vector<std::pair<int, int>> redrawn;

    void boardChanged() override
    {
        ++boardChanges;
        calls.push_back("board");
        if (core)
            for (int x = 1; x <= 6; ++x)
                for (int y = 1; y <= 6; ++y)
                    if (core->takeRedraw(x, y))
                        redrawn.emplace_back(x, y);
    }
    void cellRolled(Position cell) override
    {
        rolls.emplace_back(cell.x, cell.y);
        calls.push_back("rolled " + std::to_string(cell.x) + " " + std::to_string(cell.y));
    }
    void showSide(Side s) override
    {
        side = s;
        calls.push_back(s == Side::Hunter ? "side hunter" : "side prey");
    }
    void showInstruction(Choice choice) override
    {
        instruction = choice;
        calls.push_back(choice == Choice::PlacePrey      ? "instruction place prey"
                        : choice == Choice::RemoveHunter ? "instruction remove hunter"
                                                         : "instruction none");
    }
    void setRollEnabled(bool enabled) override
    {
        rollEnabled = enabled;
        calls.push_back(enabled ? "roll on" : "roll off");
    }
    void setFrameColor(Position cell, BgrColor color) override
    {
        const char* name = color == BgrColor::green ? "green" : color == BgrColor::black ? "black" : "other";
        calls.push_back("frame " + std::to_string(cell.x) + " " + std::to_string(cell.y) + " " + name);
    }
    void setSprayLabelVisible(bool visible) override
    {
        sprayLabelVisible = visible;
        calls.push_back(visible ? "spray label on" : "spray label off");
    }
    void addChartPoint(int hunters, int prey) override
    {
        chartPoints.emplace_back(hunters, prey);
        calls.push_back("chart " + std::to_string(hunters) + " " + std::to_string(prey));
    }

    void clear()
    {
        calls.clear();
        rolls.clear();
        chartPoints.clear();
        redrawn.clear();
        boardChanges = 0;
    }
};
