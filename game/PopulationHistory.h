#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The points of the population chart as the game took them: for each, the round after which
// its counts were taken and the two counts. The chart numbers its points 0, 1, 2, … whatever
// their rounds; this record keeps the rounds for the saved data. A point costs two bytes, its
// round is kept in runs of consecutive rounds.
class PopulationHistory {
public:
    struct Point {
        std::int32_t round;
        int hunters;
        int prey;
        bool operator==(const Point&) const = default;
    };

    // counts are 0 to 36.
    void append(const Point& point);
    void clear();
    std::size_t size() const { return hunters_.size(); }
    Point at(std::size_t index) const;

private:
    struct Run {
        std::size_t firstIndex;
        std::int32_t firstRound;
    };
    std::vector<std::uint8_t> hunters_;
    std::vector<std::uint8_t> prey_;
    std::vector<Run> runs_;
};

// How a saved CSV file reads in the user's language: the three column titles and the separator
// between columns (";" where a spreadsheet expects the decimal comma, "," otherwise).
struct CsvFormat {
    std::string roundTitle;
    std::string hunterTitle;
    std::string preyTitle;
    std::string separator;
};

// Writes history as CSV into write, block by block: a UTF-8 byte order mark and the header, then
// one line "round;hunters;prey" per point and, last, the line of now (the counts the status bar
// shows), each ended by CR LF. Stops and returns false as soon as write does.
bool writePopulationCsv(const PopulationHistory& history, const std::optional<PopulationHistory::Point>& now,
                        const CsvFormat& format, const std::function<bool(std::string_view)>& write);
