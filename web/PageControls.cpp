#include "PageControls.h"

using emscripten::val;

void PageControls::setControlEnabled(Control control, bool enabled)
{
    page_.call<void>("setControlEnabled", control, enabled);
}

void PageControls::showRunning(bool running) { page_.call<void>("showRunning", running); }

void PageControls::setInstructionVisible(bool visible) { page_.call<void>("setInstructionVisible", visible); }

void PageControls::showInstruction(Choice choice) { page_.call<void>("showInstruction", choice); }

void PageControls::showCounts(int round, int hunters, int prey)
{
    page_.call<void>("showCounts", round, hunters, prey);
}

void PageControls::showSide(Side side) { page_.call<void>("showSide", side); }

void PageControls::resetBoard() { page_.call<void>("resetBoard"); }

void PageControls::setFramesSolid() { page_.call<void>("setFramesSolid"); }

void PageControls::showCell(Position cell, Cell content) { page_.call<void>("showCell", cell.x, cell.y, content); }

void PageControls::setFrameColor(Position cell, BgrColor color)
{
    page_.call<void>("setFrameColor", cell.x, cell.y, color.value());
}

void PageControls::setSprayLabelVisible(bool visible) { page_.call<void>("setSprayLabelVisible", visible); }

void PageControls::showChartPanel(bool shown) { page_.call<void>("showChartPanel", shown); }

void PageControls::appendChartPoint(int hunters, int prey) { page_.call<void>("appendChartPoint", hunters, prey); }

void PageControls::clearChart() { page_.call<void>("clearChart"); }

void PageControls::askRoundCount() { page_.call<void>("askRoundCount"); }

void PageControls::reportInvalidRoundCount() { page_.call<void>("reportInvalidRoundCount"); }

void PageControls::showGameNumber(std::uint32_t number) { page_.call<void>("showGameNumber", number); }

void PageControls::askGameNumber(std::optional<std::uint32_t> suggestion)
{
    page_.call<void>("askGameNumber", suggestion ? val(*suggestion) : val::null());
}

void PageControls::reportInvalidGameNumber() { page_.call<void>("reportInvalidGameNumber"); }
