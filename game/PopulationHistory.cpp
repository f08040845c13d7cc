#include "PopulationHistory.h"

#include <algorithm>

namespace {
// The round counter wraps like the 32-bit integer it is.
std::int32_t roundAfter(std::int32_t round, std::size_t steps)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(round) + static_cast<std::uint32_t>(steps));
}
}  // namespace

void PopulationHistory::append(const Point& point)
{
    const std::size_t index = size();
    if (runs_.empty() || roundAfter(runs_.back().firstRound, index - runs_.back().firstIndex) != point.round)
        runs_.push_back({index, point.round});
    hunters_.push_back(static_cast<std::uint8_t>(point.hunters));
    prey_.push_back(static_cast<std::uint8_t>(point.prey));
}

void PopulationHistory::clear()
{
    hunters_.clear();
    prey_.clear();
    runs_.clear();
}

PopulationHistory::Point PopulationHistory::at(std::size_t index) const
{
    const auto run = std::prev(std::upper_bound(runs_.begin(), runs_.end(), index,
                                                [](std::size_t i, const Run& r) { return i < r.firstIndex; }));
    return {roundAfter(run->firstRound, index - run->firstIndex), hunters_[index], prey_[index]};
}

bool writePopulationCsv(const PopulationHistory& history, const std::optional<PopulationHistory::Point>& now,
                        const CsvFormat& format, const std::function<bool(std::string_view)>& write)
{
    std::string block = "\xEF\xBB\xBF" + format.roundTitle + format.separator + format.hunterTitle + format.separator
                        + format.preyTitle + "\r\n";
    const auto line = [&](const PopulationHistory::Point& p) {
        block += std::to_string(p.round) + format.separator + std::to_string(p.hunters) + format.separator
                 + std::to_string(p.prey) + "\r\n";
    };
    // In blocks, so a chart that has collected millions of points costs little memory.
    for (std::size_t i = 0; i < history.size(); ++i) {
        line(history.at(i));
        if (block.size() > (std::size_t{1} << 20)) {
            if (!write(block))
                return false;
            block.clear();
        }
    }
    if (now)
        line(*now);
    return write(block);
}
