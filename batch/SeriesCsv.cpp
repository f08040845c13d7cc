#include "SeriesCsv.h"

#include "BatchStatistics.h"

#include <cstdio>
#include <string_view>
#include <utility>

namespace {
// The value with that many decimals, rounded as printf rounds it. The C library's locale may
// put any point between the digits (a window's toolkit sets the user's); the digits before it and
// the decimals after it are taken as they are, with the mark between.
std::string fixed(double value, int decimals, char mark)
{
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%.*f", decimals, value);
    const std::string_view printed(text, static_cast<std::size_t>(length));
    std::string result(printed.substr(0, printed.find_first_not_of("-0123456789")));
    if (decimals > 0) {
        result += mark;
        result += printed.substr(printed.size() - static_cast<std::size_t>(decimals));
    }
    return result;
}
}  // namespace

SeriesCsv::SeriesCsv(const BatchPlan& plan, std::vector<Condition> conditions, SeriesCsvFormat format)
    : plan_(plan), conditions_(std::move(conditions)), format_(std::move(format))
{
}

void SeriesCsv::appendField(std::string& line, const std::string& field) const
{
    if (!line.empty())
        line += format_.separator;
    if (field.find_first_of(std::string{format_.separator} + "\"\r\n") == std::string::npos) {
        line += field;
        return;
    }
    line += '"';
    for (const char c : field)
        line.append(c == '"' ? 2 : 1, c);
    line += '"';
}

std::string SeriesCsv::header() const
{
    std::string line;
    appendField(line, format_.round);
    for (const Condition& condition : conditions_)
        for (const std::string& side : format_.sides)
            for (const std::string& figure : format_.figures)
                appendField(line, condition.name + " " + side + " " + figure);
    return line + "\r\n";
}

std::string SeriesCsv::row(std::size_t c) const
{
    std::string line = std::to_string(plan_.checkpointRound(c));
    for (const Condition& condition : conditions_) {
        for (const Side side : {Side::Hunter, Side::Prey}) {
            const SideStatistics s = sideStatistics(condition.totals->at(c).of(side));
            for (const std::string& field :
                 {fixed(s.mean, 2, format_.decimalMark), std::to_string(s.p10), std::to_string(s.p90),
                  fixed(percentOf(s.extinct, s.games), 1, format_.decimalMark),
                  fixed(percentOf(s.wentExtinct, s.games), 1, format_.decimalMark)}) {
                line += format_.separator;
                line += field;
            }
        }
    }
    return line + "\r\n";
}

std::string SeriesCsv::text() const
{
    std::string text = header();
    for (std::size_t c = 0; c < rows(); ++c)
        text += row(c);
    return text;
}
