#include "core/geometry/lamphittest.h"
#include "core/geometry/ledgrid.h"
#include "core/geometry/swatchgrid.h"

#include <gtest/gtest.h>

using namespace chaserom;

namespace {

struct LedCase {
    int x;
    int y;
    std::optional<LedCell> cell;
};

const LedCase ledCases[] = {
    {3300, 800, LedCell{2, 0}},
    {4990, 300, LedCell{0, 7}},
    {3500, 300, LedCell{0, 1}},
    {3241, 241, LedCell{0, 0}},
    {5159, 4079, LedCell{15, 7}},
    {3479, 479, LedCell{0, 0}},
    // Edges shared by two cells, and the grid's outline, belong to no cell.
    {3480, 300, std::nullopt},
    {3300, 480, std::nullopt},
    {3240, 300, std::nullopt},
    {5160, 300, std::nullopt},
    {3300, 240, std::nullopt},
    {3300, 4080, std::nullopt},
    {0, 0, std::nullopt},
    // The 15 twips of a circle that reach past its cell belong to the next cell.
    {3490, 300, LedCell{0, 1}},
    {-3300, -800, std::nullopt},
};

TEST(LedGrid, FindsTheCellUnderThePointer) {
    for (const LedCase& c : ledCases) {
        EXPECT_EQ(LedGrid::cellAt(c.x, c.y), c.cell) << c.x << ", " << c.y;
    }
}

TEST(SwatchGrid, CellsStartInsideTheSwatchAndReachPastIt) {
    EXPECT_EQ(SwatchGrid::swatchAt(136, 136), 0);
    EXPECT_EQ(SwatchGrid::swatchAt(614, 614), 0);
    EXPECT_EQ(SwatchGrid::swatchAt(616, 136), 1);
    EXPECT_EQ(SwatchGrid::swatchAt(3974, 1574), 23);
    EXPECT_EQ(SwatchGrid::swatchAt(3974, 2054), 31);
    EXPECT_EQ(SwatchGrid::swatchAt(620, 700), 9);
    for (const auto& [x, y] : {std::pair{135, 300},
                               {615, 300},
                               {300, 135},
                               {300, 615},
                               {3975, 300},
                               {300, 2055},
                               {0, 0},
                               {-500, 300}}) {
        EXPECT_FALSE(SwatchGrid::swatchAt(x, y)) << x << ", " << y;
    }
}

TEST(LampHitTest, HitSquaresAreOpen) {
    LampLayout lamps = LampStartPositions;
    const LampPosition lamp = lamps[104]; // 3600, 1320, clear of every other lamp
    const float y = lamp.top + 100;
    EXPECT_FALSE(lampAt(lamps, lamp.left, y));
    EXPECT_EQ(lampAt(lamps, lamp.left + 1, y), 104);
    EXPECT_EQ(lampAt(lamps, lamp.left + 254, y), 104);
    EXPECT_FALSE(lampAt(lamps, lamp.left + 255, y));
    EXPECT_FALSE(lampAt(lamps, lamp.left + 100, lamp.top));
    EXPECT_EQ(lampAt(lamps, lamp.left + 100, lamp.top + 1), 104);
    EXPECT_FALSE(lampAt(lamps, lamp.left + 100, lamp.top + 255));
    EXPECT_FALSE(lampAt(lamps, 12000, 8000));
}

TEST(LampHitTest, HighestLampWinsWhereSquaresOverlap) {
    LampLayout lamps = LampStartPositions;
    lamps[3] = {1000, 1000};
    lamps[7] = {1100, 1100};
    EXPECT_EQ(lampAt(lamps, 1150, 1150), 7);
    EXPECT_EQ(lampAt(lamps, 1050, 1050), 3);
    lamps[200] = {-67, -67};
    EXPECT_EQ(lampAt(lamps, 60, 60), 200);
}

TEST(LampHitTest, ChannelNumbersCountFromOne) {
    EXPECT_EQ(channelLabelOf(0, 8), 1);
    EXPECT_EQ(channelLabelOf(7, 8), 8);
    EXPECT_EQ(channelLabelOf(8, 8), 1);
    EXPECT_EQ(channelLabelOf(9, 8), 2);
    EXPECT_EQ(channelLabelOf(255, 8), 8);
    EXPECT_EQ(channelLabelOf(31, 24), 8);
    EXPECT_EQ(channelLabelOf(255, 24), 16);
    EXPECT_EQ(channelLabelOf(255, 32), 32);
}

} // namespace
