#include "core/page/playbackpace.h"

#include <gtest/gtest.h>

using namespace chaserom;

TEST(PlaybackPace, OneStepATickWhenTicksComeOnTime) {
    PlaybackPace pace;
    pace.restart(1000);
    for (qint64 now = 1300; now <= 3000; now += 300) {
        EXPECT_EQ(pace.stepsDue(now, 300), 1);
    }
    EXPECT_EQ(pace.stepsDue(3100, 300), 1); // early
}

TEST(PlaybackPace, LateTicksMakeUpTheMissedSteps) {
    PlaybackPace pace;
    pace.restart(0);
    EXPECT_EQ(pace.stepsDue(3, 1), 3);
    EXPECT_EQ(pace.stepsDue(4, 1), 1);
    // Ticks 1.5 intervals apart alternate one and two steps: the average stays right.
    pace.restart(0);
    int steps = 0;
    for (qint64 now = 15; now <= 1500; now += 15) {
        steps += pace.stepsDue(now, 10);
    }
    EXPECT_EQ(steps, 150);
}

TEST(PlaybackPace, ALongStallIsForgotten) {
    PlaybackPace pace;
    pace.restart(0);
    EXPECT_EQ(pace.stepsDue(10000, 1), PlaybackPace::MostStepsPerTick);
    EXPECT_EQ(pace.stepsDue(10001, 1), 1);
}
