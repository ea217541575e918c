#include "core/board/arrangement.h"
#include "core/board/boardfile.h"
#include "core/board/boardlamps.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace chaserom;

namespace {

float distance(LampPosition a, LampPosition b) {
    return std::hypot(a.left - b.left, a.top - b.top);
}

TEST(Arrangement, ARowAndAColumnSpaceTheLampsEvenlyBetweenTheFirstAndTheLast) {
    const std::vector<LampPosition> lamps = {{0, 0}, {900, 77}, {13, 500}, {300, 300}};
    const auto row = arrangedInRow(lamps);
    EXPECT_EQ(row.front(), lamps.front());
    EXPECT_EQ(row.back(), lamps.back());
    EXPECT_EQ(row[1], (LampPosition{100, 100}));
    EXPECT_EQ(row[2], (LampPosition{200, 200}));
    const auto column = arrangedInColumn(lamps);
    EXPECT_EQ(column[2], (LampPosition{0, 200}));
    EXPECT_EQ(column[3], (LampPosition{0, 300}));
    EXPECT_EQ(arrangedInRow({{5, 5}}), (std::vector<LampPosition>{{5, 5}}));
}

TEST(Arrangement, AnArcRunsThroughTheFirstMiddleAndLastLampEvenly) {
    // First, middle and last on the circle of radius 1000 round (0, 0), the upper half.
    const std::vector<LampPosition> lamps = {{-1000, 0}, {5, 5}, {0, -1000}, {7, 7}, {1000, 0}};
    const auto arc = arrangedOnArc(lamps);
    ASSERT_EQ(arc.size(), 5U);
    for (const LampPosition& lamp : arc) {
        EXPECT_NEAR(distance(lamp, {0, 0}), 1000, 0.5);
    }
    EXPECT_NEAR(arc[2].left, 0, 0.5);
    EXPECT_NEAR(arc[2].top, -1000, 0.5);
    // Evenly: every neighbour as far as the next.
    EXPECT_NEAR(distance(arc[0], arc[1]), distance(arc[1], arc[2]), 0.5);
    EXPECT_NEAR(distance(arc[2], arc[3]), distance(arc[3], arc[4]), 0.5);
    EXPECT_LT(arc[1].top, 0); // by way of the middle lamp, not round the other side
    // Three on a line make a row.
    EXPECT_EQ(arrangedOnArc({{0, 0}, {1, 1}, {50, 50}, {3, 3}, {100, 100}})[1],
              (LampPosition{25, 25}));
}

TEST(Arrangement, GridsAlignmentsAndSnapping) {
    const std::vector<LampPosition> lamps = {{100, 200}, {0, 0}, {0, 0}, {0, 0}, {0, 0}};
    const auto grid = arrangedInGrid(lamps, 2, 300);
    EXPECT_EQ(grid[1], (LampPosition{400, 200}));
    EXPECT_EQ(grid[2], (LampPosition{100, 500}));
    EXPECT_EQ(grid[4], (LampPosition{100, 800}));
    const std::vector<LampPosition> scattered = {{50, 90}, {10, 300}, {70, 20}};
    EXPECT_EQ(alignedTop(scattered)[1], (LampPosition{10, 20}));
    EXPECT_EQ(alignedLeft(scattered)[2], (LampPosition{10, 20}));
    EXPECT_EQ(snapped({44, 76}, 30), (LampPosition{30, 90}));
    EXPECT_EQ(snapped({44, 76}, 0), (LampPosition{44, 76}));
}

TEST(BoardLamps, HiddenLampsKeepTheirPlacesForWhenTheCountGrows) {
    BoardLamps lamps;
    LampLayout positions = LampStartPositions;
    positions[5] = {123, 456};
    lamps.setPositions(positions);
    lamps.setCount(4);
    EXPECT_EQ(lamps.shownLayout()[5], HiddenLamp);
    EXPECT_EQ(lamps.shownLayout()[3], positions[3]);
    // The simulator's lamps taken back: the shown ones move, the hidden ones stay.
    LampLayout shown = lamps.shownLayout();
    shown[0] = {1, 2};
    lamps.takeShownLayout(shown);
    EXPECT_EQ(lamps.positions()[0], (LampPosition{1, 2}));
    EXPECT_EQ(lamps.positions()[5], (LampPosition{123, 456}));
    lamps.setCount(300);
    EXPECT_EQ(lamps.count(), LampCount);
    EXPECT_EQ(lamps.shownLayout()[5], (LampPosition{123, 456}));
}

} // namespace
