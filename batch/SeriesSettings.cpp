#include "SeriesSettings.h"

std::optional<SeriesSettings::Entry> SeriesSettings::invalidEntry() const
{
    const auto within = [](std::int32_t value, std::int32_t min, std::int32_t max) { return min <= value && value <= max; };
    if (!within(games, 1, maxGames))
        return Entry::Games;
    if (!within(rounds, 1, maxRounds))
        return Entry::Rounds;
    if (!within(sprayStart, 1, rounds))
        return Entry::SprayStart;
    if (!within(sprayRounds, 1, maxRounds))
        return Entry::SprayRounds;
    if (!within(sprayPeriod, 0, maxRounds))
        return Entry::SprayPeriod;
    return std::nullopt;
}

BatchPlan SeriesSettings::plan(SeriesCondition condition) const
{
    BatchPlan plan;
    plan.firstSeed = firstGame;
    plan.games = games;
    plan.rounds = rounds;
    plan.every = 1;
    plan.summary = true;
    if (condition == SeriesCondition::Sprayed)
        plan.sprays.order({sprayStart, sprayRounds, sprayPeriod});
    return plan;
}
