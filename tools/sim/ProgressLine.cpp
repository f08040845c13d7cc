#include "ProgressLine.h"

#include <cmath>

namespace {
constexpr double quietSeconds = 1.0;

std::string duration(double seconds)
{
    const auto total = static_cast<long long>(std::ceil(seconds));
    char text[32];
    if (total >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", total / 3600, total / 60 % 60, total % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", total / 60, total % 60);
    return text;
}
}  // namespace

ProgressLine::ProgressLine(std::FILE* out, std::int32_t games, std::uint64_t totalRounds, Clock::time_point start)
    : out_(out), games_(games), totalRounds_(totalRounds), start_(start)
{
}

std::string ProgressLine::text(std::int32_t gamesDone, std::int32_t games, double roundsPerSecond, double secondsLeft)
{
    char line[128];
    std::snprintf(line, sizeof line, "%d/%d games, %.1f M rounds/s, ", gamesDone, games, roundsPerSecond / 1e6);
    std::string result = line;
    result += secondsLeft >= 0 ? duration(secondsLeft) + " left" : std::string("time left unknown");
    return result;
}

void ProgressLine::update(Clock::time_point now, std::int32_t gamesDone, std::uint64_t roundsDone)
{
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    if (elapsed < quietSeconds)
        return;
    // Games of no rounds still take time: then the games tell how far the run is.
    const double done = totalRounds_ > 0 ? static_cast<double>(roundsDone) / totalRounds_
                                         : static_cast<double>(gamesDone) / games_;
    const double left = done > 0 ? elapsed * (1 - done) / done : -1;
    const std::string line = text(gamesDone, games_, roundsDone / elapsed, left);
    // Blanks over the tail of a longer previous line.
    const std::size_t pad = shown_ > line.size() ? shown_ - line.size() : 0;
    std::fprintf(out_, "\r%s%*s", line.c_str(), static_cast<int>(pad), "");
    std::fflush(out_);
    shown_ = line.size();
}

void ProgressLine::finish()
{
    if (shown_ == 0)
        return;
    std::fprintf(out_, "\r%*s\r", static_cast<int>(shown_), "");
    std::fflush(out_);
    shown_ = 0;
}
