#include "ProgressLine.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
using namespace std::chrono_literals;

// Collects what the line writes, as a terminal would receive it.
struct Capture {
    char* data = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&data, &size);
    ~Capture()
    {
        std::fclose(stream);
        std::free(data);
    }
    std::string text()
    {
        std::fflush(stream);
        return std::string(data, size);
    }
};
}  // namespace

TEST(ProgressLine, SilentForTheFirstSecondThenRedrawsInPlace)
{
    Capture out;
    const auto start = ProgressLine::Clock::now();
    ProgressLine line{out.stream, 10, 1000, start};
    line.update(start + 250ms, 1, 100);
    line.update(start + 999ms, 2, 200);
    EXPECT_EQ(out.text(), "");

    line.update(start + 2s, 4, 500);
    EXPECT_EQ(out.text(), "\r4/10 games, 0.0 M rounds/s, 0:02 left");
    line.update(start + 4s, 10, 1000);
    const std::string second = "\r10/10 games, 0.0 M rounds/s, 0:00 left";
    EXPECT_TRUE(out.text().ends_with(second)) << out.text();

    line.finish();
    EXPECT_TRUE(out.text().ends_with(second + "\r" + std::string(second.size() - 1, ' ') + "\r")) << out.text();
}

TEST(ProgressLine, ShorterLineBlanksTheRestOfTheLongerOne)
{
    Capture out;
    const auto start = ProgressLine::Clock::now();
    ProgressLine line{out.stream, 100, 1000000000, start};
    line.update(start + 2s, 10, 0);
    const std::string first = out.text();
    line.update(start + 3s, 11, 999000000);
    const std::string second = out.text().substr(first.size());
    EXPECT_EQ(second.size(), first.size()) << second;
    EXPECT_TRUE(second.starts_with("\r11/100 games, 333.0 M rounds/s, 0:01 left")) << second;
}

TEST(ProgressLine, GamesWithoutRoundsTellTheTimeLeft)
{
    Capture out;
    const auto start = ProgressLine::Clock::now();
    ProgressLine line{out.stream, 1000, 0, start};
    line.update(start + 2s, 250, 0);
    EXPECT_EQ(out.text(), "\r250/1000 games, 0.0 M rounds/s, 0:06 left");
}

TEST(ProgressLine, TimeLeft)
{
    struct Case {
        double seconds;
        const char* shown;
    };
    for (const auto c : {Case{0, "0:00 left"}, Case{0.2, "0:01 left"}, Case{59.5, "1:00 left"},
                         Case{3599, "59:59 left"}, Case{3600, "1:00:00 left"}, Case{90061, "25:01:01 left"}})
        EXPECT_TRUE(ProgressLine::text(1, 2, 1e6, c.seconds).ends_with(c.shown)) << c.seconds;
    EXPECT_TRUE(ProgressLine::text(0, 2, 0, -1).ends_with("time left unknown"));
}
