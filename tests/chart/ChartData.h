#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Point sequences for the chart tests: random walks, spikes on a calm line and two curves that
// move like the population counts of a long run of games, each deterministic for its seed.
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

struct Curves {
    Points hunters, prey;
};

// Counts the way a run of games hands them to the chart: in a round each count stays (half the
// time) or moves by one, the hunters more often down while they clearly outnumber the prey and
// more often up while the prey clearly outnumber them, the prey the other way round; now and
// then a spray takes up to 22 prey at once; once the hunters have died out the next game starts
// from 10 hunters and 5 prey. So there are level stretches, steps of one and the odd jump, as
// in the program.
inline Curves populations(std::int64_t n, std::uint32_t seed)
{
    Lcg random(seed);
    Curves curves;
    curves.hunters.reserve(static_cast<std::size_t>(n));
    curves.prey.reserve(static_cast<std::size_t>(n));
    int hunters = 10;
    int prey = 5;
    // bias +1 makes a step down likelier than a step up, −1 the other way round.
    const auto step = [&random](int bias) {
        const int r = static_cast<int>(random.next() % 16);
        return r < 8 ? 0 : r < 12 + bias ? -1 : 1;
    };
    const auto lean = [](int more, int fewer) { return more > fewer + 3 ? 1 : more + 6 < fewer ? -1 : 0; };
    for (std::int64_t i = 0; i < n; ++i) {
        if (hunters == 0) {
            hunters = 10;
            prey = 5;
        }
        curves.hunters.push_back(static_cast<std::uint8_t>(hunters));
        curves.prey.push_back(static_cast<std::uint8_t>(prey));
        const int hunterStep = step(lean(hunters, prey));
        prey = std::clamp(prey + step(-lean(hunters, prey)), 1, 36);
        hunters = std::clamp(hunters + hunterStep, 0, 36);
        if (random.next() % 2000 == 0)
            prey = std::max(1, prey - 5 - static_cast<int>(random.next() % 18));
    }
    return curves;
}

}  // namespace chartdata
