#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

// The progress of a long batch on one terminal line, redrawn in place with a carriage return:
// games done, rounds per second and the time left. Nothing is drawn during the first second,
// so short runs stay silent; finish wipes the line so the terminal is left as it was.
class ProgressLine {
public:
    using Clock = std::chrono::steady_clock;

    ProgressLine(std::FILE* out, std::int32_t games, std::uint64_t totalRounds, Clock::time_point start);

    // Redraws the line for the progress at now; the caller calls it a few times a second.
    void update(Clock::time_point now, std::int32_t gamesDone, std::uint64_t roundsDone);
    // Clears the line if one was drawn.
    void finish();

    // The text of the line, without the carriage return; a negative time left is unknown.
    static std::string text(std::int32_t gamesDone, std::int32_t games, double roundsPerSecond, double secondsLeft);

private:
    std::FILE* out_;
    std::int32_t games_;
    std::uint64_t totalRounds_;
    Clock::time_point start_;
    std::size_t shown_ = 0;  // length of the line on screen, 0 for none
};
