#include "core/page/framepace.h"

#include <gtest/gtest.h>

using namespace chaserom;

namespace {

constexpr qint64 Ms = 1'000'000;

TEST(FramePace, FramesFollowTheScreenAndSixtyHertzWhenItIsUnknown) {
    FramePace pace;
    EXPECT_EQ(pace.framePeriodNs(), 16'666'666);
    pace.setRefreshRate(144);
    EXPECT_EQ(pace.framePeriodNs(), 6'944'444);
    EXPECT_TRUE(pace.stepsOutpaceFrames(6));
    EXPECT_FALSE(pace.stepsOutpaceFrames(7));
    pace.setRefreshRate(0);
    EXPECT_EQ(pace.framePeriodNs(), 16'666'666);
    EXPECT_TRUE(pace.stepsOutpaceFrames(16));
    EXPECT_FALSE(pace.stepsOutpaceFrames(17));
}

TEST(FramePace, AFrameIsDueOncePerPeriod) {
    FramePace pace;
    EXPECT_TRUE(pace.frameDue(0));
    int frames = 1;
    // Ticks every millisecond for one second: one frame in each 16.7 ms.
    for (qint64 now = 1; now <= 1000; ++now) {
        frames += pace.frameDue(now * Ms) ? 1 : 0;
    }
    EXPECT_GE(frames, 55);
    EXPECT_LE(frames, 61);
}

} // namespace
