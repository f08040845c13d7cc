#include "BoardText.h"
#include "RecordingAnzeige.h"
#include "TSpielkern.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
struct Fixture : ::testing::Test {
    RecordingAnzeige anzeige;
    TSpielkern kern{anzeige};
};
using Neighbourhood = Fixture;
}  // namespace

TEST_F(Neighbourhood, IsInRangeNamedCases)
{
    struct Row {
        int x, y, cx, cy;
        bool expected;
    };
    const Row rows[] = {
        {1, 1, 1, 1, true},  {2, 2, 1, 1, true},  {6, 5, 6, 6, true},  {0, 1, 1, 1, false},
        {7, 6, 6, 6, false}, {3, 1, 1, 1, false}, {6, 1, 1, 1, false}, {1, 6, 1, 1, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(kern.isinrange(r.x, r.y, r.cx, r.cy), r.expected)
            << r.x << "," << r.y << " around " << r.cx << "," << r.cy;
}

TEST_F(Neighbourhood, IsInRangeIsTheClippedBlockEverywhere)
{
    for (int cx = 1; cx <= 6; ++cx)
        for (int cy = 1; cy <= 6; ++cy)
            for (int x = 0; x <= 7; ++x)
                for (int y = 0; y <= 7; ++y) {
                    const bool onBoard = x >= 1 && x <= 6 && y >= 1 && y <= 6;
                    const bool expected = onBoard && std::abs(x - cx) <= 1 && std::abs(y - cy) <= 1;
                    EXPECT_EQ(kern.isinrange(x, y, cx, cy), expected)
                        << x << "," << y << " around " << cx << "," << cy;
                }
}

TEST_F(Neighbourhood, IsPossibleLooksAtCornerEdgeAndInnerNeighbours)
{
    // A single empty cell among full ones: it is a neighbour of exactly the cells around it.
    struct Row {
        int ex, ey;  // the one empty cell
        int neighbours;
    };
    const Row rows[] = {{1, 1, 3}, {1, 3, 5}, {4, 4, 8}, {6, 6, 3}, {6, 2, 5}};
    for (const auto& r : rows) {
        for (int x = 1; x <= 6; ++x)
            for (int y = 1; y <= 6; ++y)
                kern.setzefeld(x, y, x == r.ex && y == r.ey ? zelle::leer : zelle::beute);
        int count = 0;
        for (int x = 1; x <= 6; ++x)
            for (int y = 1; y <= 6; ++y)
                count += kern.ispossible(x, y, zelle::leer);
        EXPECT_EQ(count, r.neighbours) << r.ex << "," << r.ey;
        EXPECT_FALSE(kern.ispossible(r.ex, r.ey, zelle::leer)) << "the cell itself does not count";
    }
}

TEST_F(Neighbourhood, NoWrapAround)
{
    setBoard(kern, {".b...R",  // row 1
                    "bb....",  // row 2
                    "......", "......", "......",
                    "R....."});
    EXPECT_FALSE(kern.ispossible(1, 1, zelle::leer));
    EXPECT_TRUE(kern.ispossible(1, 1, zelle::beute));
    EXPECT_FALSE(kern.ispossible(1, 1, zelle::raeuber)) << "(6,1) and (1,6) are not neighbours";
}

TEST_F(Neighbourhood, FullBoardHasNoRoom)
{
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            kern.setzefeld(x, y, (x + y) % 2 ? zelle::beute : zelle::raeuber);
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            EXPECT_FALSE(kern.ispossible(x, y, zelle::leer));
}

TEST_F(Neighbourhood, IsRightAcceptsTheCentreAndOnlyTheBlock)
{
    setBoard(kern, {"......", "......", "..b...", "......", "......", "......"});
    EXPECT_TRUE(kern.isright(2, 2, 2, 2, zelle::leer));
    EXPECT_FALSE(kern.isright(3, 3, 3, 3, zelle::leer));
    EXPECT_TRUE(kern.isright(3, 3, 3, 3, zelle::beute));
    EXPECT_TRUE(kern.isright(4, 4, 3, 3, zelle::leer));
    EXPECT_FALSE(kern.isright(5, 3, 3, 3, zelle::leer));
    EXPECT_FALSE(kern.isright(0, 1, 1, 1, zelle::leer));
}
