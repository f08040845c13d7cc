#pragma once

#include "TSpielkern.h"

#include <cstdint>
#include <string>
#include <vector>

// A TSpielanzeige that remembers every call, in order, as a short line of text
// ("markfeld 4 5", "rahmen 2 3 green", "chart 7 8"), plus the latest state of each display.
class RecordingAnzeige : public TSpielanzeige {
public:
    std::vector<std::string> calls;
    std::string spielertext, hilfetext;
    bool diceEnabled = true;
    bool inslabVisible = false;
    int drawCount = 0;
    std::vector<std::pair<int, int>> marks;
    std::vector<std::pair<int, int>> chartPoints;
    // When set, drawfeld takes the core's redraw flags as the window does and collects the
    // cells it would redraw.
    TSpielkern* kern = nullptr;
    std::vector<std::pair<int, int>> redrawn;

    void drawfeld() override
    {
        ++drawCount;
        calls.push_back("drawfeld");
        if (kern)
            for (int x = 1; x <= 6; ++x)
                for (int y = 1; y <= 6; ++y)
                    if (kern->takeRedraw(x, y))
                        redrawn.emplace_back(x, y);
    }
    void markfeld(int x, int y) override
    {
        marks.emplace_back(x, y);
        calls.push_back("markfeld " + std::to_string(x) + " " + std::to_string(y));
    }
    void setspielertext(std::string_view text) override
    {
        spielertext = text;
        calls.push_back("spieler " + spielertext);
    }
    void sethilfetext(std::string_view text) override
    {
        hilfetext = text;
        calls.push_back("hilfe " + hilfetext);
    }
    void setdiceenabled(bool enabled) override
    {
        diceEnabled = enabled;
        calls.push_back(enabled ? "dice on" : "dice off");
    }
    void setrahmencolor(int x, int y, TColor colour) override
    {
        const char* name = colour == clGreen ? "green" : colour == clBlack ? "black" : "other";
        calls.push_back("rahmen " + std::to_string(x) + " " + std::to_string(y) + " " + name);
    }
    void setinslabvisible(bool visible) override
    {
        inslabVisible = visible;
        calls.push_back(visible ? "inslab on" : "inslab off");
    }
    void addchartpoints(std::uint8_t hunters, std::uint8_t prey) override
    {
        chartPoints.emplace_back(hunters, prey);
        calls.push_back("chart " + std::to_string(hunters) + " " + std::to_string(prey));
    }

    void clear()
    {
        calls.clear();
        marks.clear();
        chartPoints.clear();
        redrawn.clear();
        drawCount = 0;
    }
};
