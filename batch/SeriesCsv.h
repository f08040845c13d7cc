#pragma once

#include "BatchPlan.h"
#include "BatchTotals.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// How a series' CSV is written: the words of its header, the separator of its columns and the
// decimal mark, which the front end picks for its language (German ";" and ",", English ","
// and ".").
struct SeriesCsvFormat {
    char separator = ',';
    char decimalMark = '.';
    std::string round = "round";
    std::array<std::string, 2> sides = {"hunters", "prey"};
    std::array<std::string, 5> figures = {"mean", "p10", "p90", "extinct", "once"};
};

// A series of games as a CSV, one row per checkpoint: its round, then for each condition in turn
// (A, B, ...) and each side (hunters, then prey) the mean count with 2 decimals, p10 and p90, and
// the shares extinct and once in percent with 1 decimal: the figures of quorvel-sim --summary,
// rounded alike. Columns are named "condition side figure"; a field that holds the separator, a
// quote or a line break is quoted. Every line ends in CR LF, as the chart's export writes them.
class SeriesCsv {
public:
    struct Condition {
        std::string name;
        const BatchTotals* totals;  // of the plan's checkpoints
    };

    SeriesCsv(const BatchPlan& plan, std::vector<Condition> conditions, SeriesCsvFormat format);

    std::string header() const;
    std::size_t rows() const { return plan_.checkpointCount(); }
    std::string row(std::size_t c) const;
    // The header and every row.
    std::string text() const;

private:
    void appendField(std::string& line, const std::string& field) const;

    BatchPlan plan_;
    std::vector<Condition> conditions_;
    SeriesCsvFormat format_;
};
