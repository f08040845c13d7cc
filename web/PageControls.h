#pragma once

#include "GameControls.h"

#include <emscripten/val.h>

// GameControls carried out by the page: each call goes to the method of the same name on a
// JavaScript object, with enumerations as the values the bindings register (Module.Control,
// Module.Cell, …), a colour as its 0x00BBGGRR number and a missing suggestion as null.
class PageControls : public GameControls {
public:
    explicit PageControls(emscripten::val page) : page_(std::move(page)) {}

    void setControlEnabled(Control control, bool enabled) override;
    void showRunning(bool running) override;
    void setInstructionVisible(bool visible) override;
    void showInstruction(Choice choice) override;
    void showCounts(int round, int hunters, int prey) override;
    void showSide(Side side) override;
    void resetBoard() override;
    void setFramesSolid() override;
    void showCell(Position cell, Cell content) override;
    void setFrameColor(Position cell, BgrColor color) override;
    void setSprayLabelVisible(bool visible) override;
    void showChartPanel(bool shown) override;
    void appendChartPoint(int hunters, int prey) override;
    void clearChart() override;
    void askRoundCount() override;
    void reportInvalidRoundCount() override;
    void showGameNumber(std::uint32_t number) override;
    void askGameNumber(std::optional<std::uint32_t> suggestion) override;
    void reportInvalidGameNumber() override;

private:
    emscripten::val page_;
};
