#include "core/page/playbackpace.h"

#include <gtest/gtest.h>

using namespace chaserom;

namespace {

constexpr qint64 Ms = 1'000'000;

TEST(PlaybackPace, OneStepATickWhenTicksComeOnTime) {
    PlaybackPace pace;
    pace.restart(1000 * Ms);
    for (qint64 now = 1300; now <= 3100; now += 300) {
        EXPECT_EQ(pace.stepsDue(now * Ms, 300), 1);
    }
    // A tick a fraction of a millisecond early is on time; one far too early waits.
    EXPECT_EQ(pace.stepsDue(3399 * Ms + Ms / 2, 300), 1);
    EXPECT_EQ(pace.stepsDue(3500 * Ms, 300), 0);
    EXPECT_EQ(pace.stepsDue(3700 * Ms, 300), 1);
}

TEST(PlaybackPace, LateTicksMakeUpTheMissedSteps) {
    PlaybackPace pace;
    pace.restart(0);
    EXPECT_EQ(pace.stepsDue(3 * Ms, 1), 3);
    EXPECT_EQ(pace.stepsDue(4 * Ms, 1), 1);
    // Ticks 1.5 intervals apart alternate one and two steps: the average stays right.
    pace.restart(0);
    int steps = 0;
    for (qint64 now = 15; now <= 1500; now += 15) {
        steps += pace.stepsDue(now * Ms, 10);
    }
    EXPECT_EQ(steps, 150);
}

TEST(PlaybackPace, TicksThatComeEarlyKeepTheExactRate) {
    // A timer of 1 ms that fires every 0.9 ms, or with jitter around 1 ms: one second
    // still makes 1000 steps.
    for (const qint64 tickNs : {900'000LL, 950'000LL, 1'000'000LL}) {
        PlaybackPace pace;
        pace.restart(0);
        int steps = 0;
        qint64 now = 0;
        while (now + tickNs <= 1000 * Ms) {
            now += tickNs;
            steps += pace.stepsDue(now, 1);
        }
        EXPECT_NEAR(steps, 1000, 1) << tickNs;
    }
}

TEST(PlaybackPace, ALongStallIsForgotten) {
    PlaybackPace pace;
    pace.restart(0);
    EXPECT_EQ(pace.stepsDue(10000 * Ms, 1), PlaybackPace::MostStepsPerTick);
    EXPECT_EQ(pace.stepsDue(10001 * Ms, 1), 1);
}

} // namespace
