#include "BoardText.h"
#include "RecordingAnzeige.h"
#include "TSpielkern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {
struct Insecticide : ::testing::Test {
    RecordingAnzeige anzeige;
    TSpielkern kern{anzeige};

    int greenFrames() const
    {
        return static_cast<int>(std::count_if(anzeige.calls.begin(), anzeige.calls.end(), [](auto& c) {
            return c.starts_with("rahmen") && c.ends_with("green");
        }));
    }
};
}  // namespace

TEST_F(Insecticide, TenRoundCampaignThenCleanUp)
{
    kern.zufall().SetSeed(11);
    kern.neuspiel();
    kern.setinsrunden(10);
    for (int round = 1; round <= 11; ++round) {
        SCOPED_TRACE(round);
        anzeige.clear();
        kern.runde(true);
        const bool sprays = round <= 10;
        EXPECT_EQ(greenFrames(), sprays ? 6 : 0);
        EXPECT_EQ(kern.insaktiv(), sprays);
        EXPECT_EQ(anzeige.inslabVisible, sprays);
        EXPECT_EQ(kern.insrunden(), std::max(0, 10 - round));
        if (round > 1) {
            // The previous marks are removed first, so the label never flickers off mid-campaign.
            ASSERT_GE(anzeige.calls.size(), 7u);
            for (int k = 0; k < 6; ++k)
                EXPECT_TRUE(anzeige.calls[k].ends_with("black")) << anzeige.calls[k];
        }
    }
}

TEST_F(Insecticide, SprayingRoundDrawsTwelveBeforeTheRoll)
{
    kern.zufall().SetSeed(77);
    kern.neuspiel();
    kern.setinsrunden(1);
    TRandomSource shadow = kern.zufall();
    std::vector<std::pair<int, int>> sprayed;
    for (int k = 0; k < 6; ++k) {
        const int x = static_cast<int>(shadow.NextBelow(6)) + 1;
        const int y = static_cast<int>(shadow.NextBelow(6)) + 1;
        sprayed.emplace_back(x, y);
    }
    const int rx = static_cast<int>(shadow.NextBelow(6)) + 1;
    const int ry = static_cast<int>(shadow.NextBelow(6)) + 1;

    // Expected counters: each sprayed cell loses its animal once.
    int prey = kern.anzbeute(), hunters = kern.anzraeuber();
    std::set<std::pair<int, int>> seen;
    for (auto c : sprayed)
        if (seen.insert(c).second) {
            prey -= kern.feld(c.first, c.second) == zelle::beute;
            hunters -= kern.feld(c.first, c.second) == zelle::raeuber;
        }

    anzeige.clear();
    kern.runde(true);
    EXPECT_EQ(anzeige.marks.back(), std::make_pair(rx, ry));
    EXPECT_EQ(kern.zufall().Seed(), shadow.Seed());
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(kern.spruehfelder()[k].x, sprayed[k].first);
        EXPECT_EQ(kern.spruehfelder()[k].y, sprayed[k].second);
    }
    // The chart sees the counts after spraying and before the rule.
    ASSERT_EQ(anzeige.chartPoints.size(), 1u);
    EXPECT_EQ(anzeige.chartPoints[0], std::make_pair(hunters, prey));
    // Call order: label, six green frames, a draw, then the marker.
    EXPECT_EQ(anzeige.calls[0], "inslab on");
    EXPECT_EQ(anzeige.calls[7], "drawfeld");
    EXPECT_EQ(anzeige.calls[8], "markfeld " + std::to_string(rx) + " " + std::to_string(ry));
}

TEST_F(Insecticide, CellDrawnTwiceCountsOnce)
{
    // Search seeds for a spraying that hits the same animal twice.
    for (std::uint32_t seed = 0; seed < 5000; ++seed) {
        RecordingAnzeige view;
        TSpielkern k{view};
        k.zufall().SetSeed(seed);
        k.neuspiel();
        TRandomSource shadow = k.zufall();
        std::pair<int, int> cells[6];
        for (auto& c : cells) {
            c.first = static_cast<int>(shadow.NextBelow(6)) + 1;
            c.second = static_cast<int>(shadow.NextBelow(6)) + 1;
        }
        std::set<std::pair<int, int>> distinct(std::begin(cells), std::end(cells));
        if (distinct.size() == 6)
            continue;
        int animals = 0;
        for (auto c : distinct)
            animals += k.feld(c.first, c.second) != zelle::leer;
        if (animals == 0)
            continue;
        const int before = k.anzbeute() + k.anzraeuber();
        k.insdead();
        EXPECT_EQ(k.anzbeute() + k.anzraeuber(), before - animals);
        EXPECT_EQ(k.anzbeute(), countOnBoard(k, zelle::beute));
        EXPECT_EQ(k.anzraeuber(), countOnBoard(k, zelle::raeuber));
        return;
    }
    FAIL() << "no seed with a repeated sprayed cell found";
}

TEST_F(Insecticide, PressingAgainRestartsTheCount)
{
    kern.zufall().SetSeed(1);
    kern.neuspiel();
    kern.setinsrunden(5);
    kern.runde(true);
    kern.runde(true);
    EXPECT_EQ(kern.insrunden(), 3);
    kern.setinsrunden(5);
    EXPECT_EQ(kern.insrunden(), 5);
}

TEST_F(Insecticide, NewGameEndsTheCampaign)
{
    kern.zufall().SetSeed(2);
    kern.neuspiel();
    kern.setinsrunden(10);
    kern.runde(true);
    ASSERT_TRUE(anzeige.inslabVisible);
    kern.neuspiel();
    EXPECT_FALSE(anzeige.inslabVisible);
    EXPECT_FALSE(kern.insaktiv());
    anzeige.clear();
    kern.runde(true);
    EXPECT_EQ(greenFrames(), 0);
    EXPECT_EQ(anzeige.calls.front().rfind("markfeld", 0), 0u) << "no spraying, no un-marking";
}

TEST_F(Insecticide, ZeroOrNegativeSpraysNothing)
{
    for (int n : {0, -4}) {
        kern.zufall().SetSeed(2);
        kern.neuspiel();
        kern.setinsrunden(n);
        anzeige.clear();
        kern.runde(true);
        EXPECT_EQ(greenFrames(), 0);
        EXPECT_EQ(kern.insrunden(), n);
    }
}
