// Where the step editor's grid puts its cells, and which cell a pointer is over.
#include "core/geometry/stepgridlayout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace chaserom;

namespace {

TEST(StepGridLayout, FindsTheChannelUnderEveryPixelOfARow) {
    // 10-pixel cells: a gap of 2 between bytes, after an address column 50 wide.
    const StepGridLayout grid(10, 24, 50);
    ASSERT_EQ(grid.byteGap(), 2);
    EXPECT_EQ(grid.width(), 50 + 24 * 10 + 2 * 2);
    int previous = -1;
    for (int x = 0; x < grid.width() + 20; ++x) {
        const auto channel = grid.channelAt(x);
        const bool inCell = channel && x >= grid.channelLeft(*channel) &&
                            x < grid.channelLeft(*channel) + grid.cell();
        if (x < 50) {
            EXPECT_FALSE(channel) << x; // the address column
            EXPECT_TRUE(grid.isInAddressColumn(x));
        } else if (x >= grid.width()) {
            EXPECT_FALSE(channel) << x;
        } else if (channel) {
            EXPECT_TRUE(inCell) << x;
            EXPECT_GE(*channel, previous) << x;
            previous = *channel;
        }
    }
    EXPECT_EQ(previous, 23);
    // The gaps: right of channel 7 and of channel 15, and nowhere else.
    for (const int x : {130, 131, 212, 213}) {
        EXPECT_FALSE(grid.channelAt(x)) << x;
    }
    EXPECT_EQ(grid.channelAt(129), 7);
    EXPECT_EQ(grid.channelAt(132), 8);
    EXPECT_EQ(grid.channelLeft(16), 214);
    EXPECT_FALSE(grid.isInAddressColumn(50));
}

TEST(StepGridLayout, SmallCellsKeepAOnePixelGapBetweenBytes) {
    for (const int cell : {4, 5, 6}) {
        const StepGridLayout grid(cell, 16, 0);
        EXPECT_EQ(grid.byteGap(), 1);
        EXPECT_EQ(grid.channelAt(8 * cell - 1), 7);
        EXPECT_FALSE(grid.channelAt(8 * cell));
        EXPECT_EQ(grid.channelAt(8 * cell + 1), 8);
        EXPECT_EQ(grid.width(), 16 * cell + 1);
    }
    // Sizes outside the zoom's range are taken as its nearest end.
    EXPECT_EQ(StepGridLayout(1, 8, 0).cell(), StepGridLayout::SmallestCell);
    EXPECT_EQ(StepGridLayout(100, 8, 0).cell(), StepGridLayout::LargestCell);
}

TEST(StepGridLayout, StepsAreKeptInsideTheGridAndOnlyThoseInViewShow) {
    const StepGridLayout grid(10, 8, 40);
    EXPECT_EQ(grid.stepAt(9, 10), 0);
    EXPECT_EQ(grid.stepAt(10, 10), 1);
    EXPECT_EQ(grid.stepAt(-30, 10), 0); // a drag past the top
    EXPECT_EQ(grid.stepAt(100, 10), 9); // and past the last step
    EXPECT_EQ(grid.stepAt(50, 0), 0);   // an empty image
    auto expectSteps = [&](int top, int height, int steps, int first, int last) {
        const auto visible = grid.visibleSteps(top, height, steps);
        EXPECT_EQ(visible.first, first) << top << " " << height;
        EXPECT_EQ(visible.last, last) << top << " " << height;
    };
    expectSteps(0, 100, 50, 0, 9);
    expectSteps(5, 100, 50, 0, 10);    // rows cut at both ends
    expectSteps(400, 300, 50, 40, 49); // the view reaches past the last step
    expectSteps(0, 300, 3, 0, 2);
    for (const auto none : {grid.visibleSteps(600, 100, 50), grid.visibleSteps(0, 100, 0)}) {
        EXPECT_LT(none.last, none.first);
    }
}

TEST(StepGridLayout, ZoomWalksTheSizesAndStopsAtTheEnds) {
    std::vector<int> upwards{StepGridLayout::SmallestCell};
    while (upwards.back() != StepGridLayout::LargestCell && upwards.size() < 40) {
        const int next = StepGridLayout::zoomed(upwards.back(), 1);
        ASSERT_GT(next, upwards.back());
        upwards.push_back(next);
    }
    EXPECT_EQ(StepGridLayout::zoomed(StepGridLayout::LargestCell, 1), StepGridLayout::LargestCell);
    EXPECT_EQ(StepGridLayout::zoomed(StepGridLayout::SmallestCell, -1),
              StepGridLayout::SmallestCell);
    // Zooming out walks back through the same sizes, the default among them.
    for (size_t i = upwards.size() - 1; i > 0; --i) {
        EXPECT_EQ(StepGridLayout::zoomed(upwards[i], -1), upwards[i - 1]);
    }
    EXPECT_NE(std::find(upwards.begin(), upwards.end(), StepGridLayout::DefaultCell),
              upwards.end());
    // A size between two steps (a hand-edited setting) goes to its neighbours.
    EXPECT_EQ(StepGridLayout::zoomed(15, 1), 17);
    EXPECT_EQ(StepGridLayout::zoomed(15, -1), 14);
}

} // namespace
