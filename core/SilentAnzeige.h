#pragma once

#include "TSpielanzeige.h"

// A view that shows nothing, for games whose only product is the core's state: the headless
// runner, benchmarks and tests. Derive from it to watch just the calls you need.
class SilentAnzeige : public TSpielanzeige {
public:
    void drawfeld() override {}
    void markfeld(int, int) override {}
    void setspielertext(std::string_view) override {}
    void sethilfetext(std::string_view) override {}
    void setdiceenabled(bool) override {}
    void setrahmencolor(int, int, TColor) override {}
    void setinslabvisible(bool) override {}
    void addchartpoints(std::uint8_t, std::uint8_t) override {}
};
