#pragma once

#include "NullGameView.h"
#include "GameCore.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Point sequences for the chart tests: random walks, spikes on a calm line and the population
// counts of real games, each deterministic for its seed.
namespace chartdata {

using Points = std::vector<std::uint8_t>;

// A small linear congruential generator, so the data is the same with every standard library.
class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }

private:
    std::uint32_t state_;
};

// Steps of −2 to +2 within 0..36.
inline Points randomWalk(std::int64_t n, std::uint32_t seed)
{
    Lcg random(seed);
    Points points;
    points.reserve(static_cast<std::size_t>(n));
    int y = 18;
    for (std::int64_t i = 0; i < n; ++i) {
        points.push_back(static_cast<std::uint8_t>(y));
        y = std::clamp(y + static_cast<int>(random.next() % 5) - 2, 0, 36);
    }
    return points;
}

// A level line with a lone point at 0 or 36 now and then: the extremes a summary must not lose.
inline Points spikes(std::int64_t n, std::uint32_t seed)
{
    Lcg random(seed);
    Points points(static_cast<std::size_t>(n), 20);
    for (auto& p : points) {
        const std::uint32_t r = random.next() % 997;
        if (r == 0)
            p = 0;
        else if (r == 1)
            p = 36;
        else if (r < 40)
            p = static_cast<std::uint8_t>(19 + r % 3);
    }
    return points;
}

// Takes the population counts the game hands to the chart and nothing else.
class ChartFeed : public NullGameView {
public:
    Points hunters, prey;

    void addChartPoint(int h, int p) override
    {
        hunters.push_back(h);
        prey.push_back(p);
    }
};

// The hunter and prey counts of n rounds of simulated games; once the hunters have died out a
// new game starts, as a class watching a long run would do.
inline ChartFeed gameTrace(std::int64_t n, std::uint32_t seed)
{
    ChartFeed feed;
    feed.hunters.reserve(static_cast<std::size_t>(n));
    feed.prey.reserve(static_cast<std::size_t>(n));
    GameCore core(feed);
    core.random().setSeed(seed);
    core.newGame();
    while (static_cast<std::int64_t>(feed.hunters.size()) < n) {
        if (core.hunterCount() == 0)
            core.newGame();
        core.playRound(Mode::Automatic);
    }
    return feed;
}

}  // namespace chartdata
