#include "RecordingGameView.h"
#include "GameCore.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
struct Neighborhood : ::testing::Test {
    RecordingGameView view;
    GameCore core{view};
};
}  // namespace

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
