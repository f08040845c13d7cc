#include "BoardText.h"
#include "RecordingAnzeige.h"
#include "TSpielkern.h"

#include <gtest/gtest.h>

#include <set>

namespace {
struct NewGame : ::testing::Test {
    RecordingAnzeige anzeige;
    TSpielkern kern{anzeige};
};

}  // namespace

TEST_F(NewGame, SeedZeroPlacesTheKnownAnimalsIn47Draws)
{
    kern.zufall().SetSeed(0);
    kern.neuspiel();

    struct Animal {
        int x, y;
        std::uint8_t kind;
    };
    const Animal expected[] = {
        {1, 1, 2}, {2, 2, 2}, {2, 1, 1}, {3, 1, 1}, {1, 6, 1}, {2, 6, 1}, {5, 2, 2}, {6, 5, 1},
        {1, 2, 1}, {2, 5, 1}, {6, 2, 2}, {6, 3, 2}, {5, 1, 1}, {1, 4, 1}, {4, 1, 2},
    };
    TSpielkern reference{anzeige};
    for (const auto& a : expected)
        reference.setzefeld(a.x, a.y, a.kind);
    EXPECT_EQ(boardText(kern), boardText(reference));
    EXPECT_EQ(kern.anzbeute(), 9);
    EXPECT_EQ(kern.anzraeuber(), 6);

    TRandomSource r;
    for (int i = 0; i < 47; ++i)
        r.NextBelow(6);
    EXPECT_EQ(kern.zufall().Seed(), r.Seed()) << "the seeding takes exactly 47 draws";
}

TEST_F(NewGame, ResetsStateAndDrawsOnce)
{
    kern.zufall().SetSeed(99);
    kern.neuspiel();
    kern.setinsrunden(3);
    kern.setrundenziel(12);
    for (int i = 0; i < 5; ++i)
        kern.runde(false);
    anzeige.clear();

    kern.neuspiel();
    EXPECT_EQ(kern.durchgang(), 0);
    EXPECT_EQ(kern.rundenziel(), TSpielkern::keinLimit);
    EXPECT_EQ(kern.insrunden(), 0);
    EXPECT_FALSE(kern.insaktiv());
    EXPECT_EQ(kern.spieler(), zelle::beute);
    EXPECT_EQ(kern.markx(), 0);
    EXPECT_EQ(kern.marky(), 0);
    EXPECT_EQ(kern.warten(), Entscheidung::keine);
    EXPECT_EQ(kern.anzbeute() + kern.anzraeuber(), 15);
    EXPECT_EQ(countOnBoard(kern, zelle::beute), kern.anzbeute());
    EXPECT_EQ(countOnBoard(kern, zelle::raeuber), kern.anzraeuber());
    EXPECT_EQ(anzeige.calls, (std::vector<std::string>{"inslab off", "hilfe ", "drawfeld"}));

    // Exactly the seeded cells are flagged for the closing draw.
    int flagged = 0;
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y) {
            EXPECT_EQ(kern.redraw(x, y), kern.feld(x, y) != zelle::leer) << x << "," << y;
            flagged += kern.redraw(x, y);
        }
    EXPECT_EQ(flagged, 15);
}

TEST_F(NewGame, SecondGameContinuesTheSequence)
{
    kern.zufall().SetSeed(0);
    kern.neuspiel();
    const std::string first = boardText(kern);
    const auto seedAfterFirst = kern.zufall().Seed();
    kern.neuspiel();
    EXPECT_NE(boardText(kern), first);

    TSpielkern fresh{anzeige};
    fresh.zufall().SetSeed(seedAfterFirst);
    fresh.neuspiel();
    EXPECT_EQ(boardText(fresh), boardText(kern));
}

TEST_F(NewGame, SplitVariesButTotalIsFifteen)
{
    std::set<int> splits;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        kern.zufall().SetSeed(seed);
        kern.neuspiel();
        ASSERT_EQ(kern.anzbeute() + kern.anzraeuber(), 15);
        ASSERT_EQ(countOnBoard(kern, zelle::leer), 21);
        splits.insert(kern.anzbeute());
    }
    EXPECT_GT(splits.size(), 4u);
}
