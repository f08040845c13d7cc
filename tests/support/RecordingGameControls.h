#pragma once

#include "GameControls.h"

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

// GameControls without a window: it keeps the latest state of every control and display the
// controller drives and counts the questions; a test answers them through the controller, or
// sets whenAsked to answer from within the question, as a modal dialog does.
class RecordingGameControls : public GameControls {
public:
    std::map<Control, bool> enabled;
    bool running = false;
    bool instructionVisible = true;
    Choice instruction = Choice::None;
    std::array<int, 3> counts{};  // round, hunters, prey
    bool sideShown = false;
    Side side = Side::Prey;
    std::array<std::array<Cell, 7>, 7> cells{};
    std::array<std::array<BgrColor, 7>, 7> frames{};
    bool framesSolid = false;
    bool sprayLabelVisible = false;
    bool chartPanelShown = false;
    std::vector<std::pair<int, int>> chartPoints;
    int roundCountQuestions = 0;
    int invalidRoundCounts = 0;
    std::optional<std::uint32_t> gameNumber;
    int gameNumberQuestions = 0;
    std::optional<std::uint32_t> gameNumberSuggestion;
    int invalidGameNumbers = 0;
    std::function<void()> whenAsked;

    bool isEnabled(Control control) const
    {
        const auto it = enabled.find(control);
        return it != enabled.end() && it->second;
    }

    void setControlEnabled(Control control, bool on) override { enabled[control] = on; }
    void showRunning(bool on) override { running = on; }
    void setInstructionVisible(bool visible) override { instructionVisible = visible; }
    void showInstruction(Choice choice) override { instruction = choice; }
    void showCounts(int round, int hunters, int prey) override { counts = {round, hunters, prey}; }
    void showSide(Side s) override
    {
        sideShown = true;
        side = s;
    }
    void resetBoard() override
    {
        cells = {};
        frames = {};
        framesSolid = false;
    }
    void setFramesSolid() override { framesSolid = true; }
    void showCell(Position cell, Cell content) override { cells[cell.x][cell.y] = content; }
    void setFrameColor(Position cell, BgrColor color) override { frames[cell.x][cell.y] = color; }
    void setSprayLabelVisible(bool visible) override { sprayLabelVisible = visible; }
    void showChartPanel(bool shown) override { chartPanelShown = shown; }
    void appendChartPoint(int hunters, int prey) override { chartPoints.emplace_back(hunters, prey); }
    void clearChart() override { chartPoints.clear(); }
    void askRoundCount() override
    {
        ++roundCountQuestions;
        if (whenAsked)
            whenAsked();
    }
    void reportInvalidRoundCount() override { ++invalidRoundCounts; }
    void showGameNumber(std::uint32_t number) override { gameNumber = number; }
    void askGameNumber(std::optional<std::uint32_t> suggestion) override
    {
        ++gameNumberQuestions;
        gameNumberSuggestion = suggestion;
        if (whenAsked)
            whenAsked();
    }
    void reportInvalidGameNumber() override { ++invalidGameNumbers; }
};
