#include "BoardText.h"
#include "RecordingGameView.h"
#include "GameCore.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
struct Fixture : ::testing::Test {
    RecordingGameView view;
    GameCore core{view};
};
using Neighborhood = Fixture;
}  // namespace

TEST_F(Neighborhood, IsNearNamedCases)
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
        EXPECT_EQ(core.isNear({r.x, r.y}, { r.cx, r.cy}), r.expected)
            << r.x << "," << r.y << " around " << r.cx << "," << r.cy;
}

TEST_F(Neighborhood, IsNearIsTheClippedBlockEverywhere)
{
    for (int cx = 1; cx <= 6; ++cx)
        for (int cy = 1; cy <= 6; ++cy)
            for (int x = 0; x <= 7; ++x)
                for (int y = 0; y <= 7; ++y) {
                    const bool onBoard = x >= 1 && x <= 6 && y >= 1 && y <= 6;
                    const bool expected = onBoard && std::abs(x - cx) <= 1 && std::abs(y - cy) <= 1;
                    EXPECT_EQ(core.isNear({x, y}, { cx, cy}), expected)
                        << x << "," << y << " around " << cx << "," << cy;
                }
}

TEST_F(Neighborhood, HasNeighborLooksAtCornerEdgeAndInnerNeighbours)
{
    // A single empty cell among full ones: it is a neighbour of exactly the cells around it.
    struct Row {
        int ex, ey;  // the one empty cell
        int neighbors;
    };
    const Row rows[] = {{1, 1, 3}, {1, 3, 5}, {4, 4, 8}, {6, 6, 3}, {6, 2, 5}};
    for (const auto& r : rows) {
        for (int x = 1; x <= 6; ++x)
            for (int y = 1; y <= 6; ++y)
                core.setCell(x, y, x == r.ex && y == r.ey ? Cell::Empty : Cell::Prey);
        int count = 0;
        for (int x = 1; x <= 6; ++x)
            for (int y = 1; y <= 6; ++y)
                count += core.hasNeighbor({x, y}, Cell::Empty);
        EXPECT_EQ(count, r.neighbors) << r.ex << "," << r.ey;
        EXPECT_FALSE(core.hasNeighbor({r.ex, r.ey}, Cell::Empty)) << "the cell itself does not count";
    }
}

TEST_F(Neighborhood, NoWrapAround)
{
    setBoard(core, {".b...R",  // row 1
                    "bb....",  // row 2
                    "......", "......", "......",
                    "R....."});
    EXPECT_FALSE(core.hasNeighbor({1, 1}, Cell::Empty));
    EXPECT_TRUE(core.hasNeighbor({1, 1}, Cell::Prey));
    EXPECT_FALSE(core.hasNeighbor({1, 1}, Cell::Hunter)) << "(6,1) and (1,6) are not neighbours";
}

TEST_F(Neighborhood, FullBoardHasNoRoom)
{
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            core.setCell(x, y, (x + y) % 2 ? Cell::Prey : Cell::Hunter);
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            EXPECT_FALSE(core.hasNeighbor({x, y}, Cell::Empty));
}

TEST_F(Neighborhood, IsInBlockAcceptsTheCenterAndOnlyTheBlock)
{
    setBoard(core, {"......", "......", "..b...", "......", "......", "......"});
    EXPECT_TRUE(core.isInBlock({2, 2}, { 2, 2}, Cell::Empty));
    EXPECT_FALSE(core.isInBlock({3, 3}, { 3, 3}, Cell::Empty));
    EXPECT_TRUE(core.isInBlock({3, 3}, { 3, 3}, Cell::Prey));
    EXPECT_TRUE(core.isInBlock({4, 4}, { 3, 3}, Cell::Empty));
    EXPECT_FALSE(core.isInBlock({5, 3}, { 3, 3}, Cell::Empty));
    EXPECT_FALSE(core.isInBlock({0, 1}, { 1, 1}, Cell::Empty));
}
