// Playback as the owner holds it: steps due at exactly the chosen interval whatever the
// timer's ticks do, none while stopped or after a stop in the middle of a tick, and an
// interval kept between 1 and 1000 ms.
#include "core/page/playback.h"

#include <gtest/gtest.h>

using namespace chaserom;

namespace {

constexpr qint64 Ms = 1000 * 1000;

class PlaybackTest : public ::testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&m_playback, &Playback::stepDue, [this] {
            ++m_steps;
            if (m_stopAfter > 0 && m_steps == m_stopAfter) {
                m_playback.setPlaying(false);
            }
        });
    }

    /// The steps made by a tick at `ms`.
    int tickAt(qint64 ms) {
        const int before = m_steps;
        m_playback.tick(ms * Ms);
        return m_steps - before;
    }

    Playback m_playback;
    int m_steps = 0;
    int m_stopAfter = 0;
};

TEST_F(PlaybackTest, StepsComeAtTheIntervalFromTheMomentPlaybackStarts) {
    m_playback.setInterval(10);
    EXPECT_EQ(tickAt(0), 0);
    EXPECT_EQ(tickAt(500), 0) << "stopped: nothing is due, however long";
    m_playback.setPlaying(true);
    EXPECT_EQ(tickAt(505), 0);
    EXPECT_EQ(tickAt(510), 1);
    // A late tick makes up the steps missed; the total stays exact.
    EXPECT_EQ(tickAt(545), 3);
    EXPECT_EQ(tickAt(550), 1);
    EXPECT_EQ(m_steps, 5);
}

TEST_F(PlaybackTest, AStopDuringATickEndsItsSteps) {
    m_playback.setInterval(1);
    m_playback.setPlaying(true);
    (void)tickAt(0);
    m_stopAfter = 3;
    EXPECT_EQ(tickAt(40), 3);
    EXPECT_FALSE(m_playback.isPlaying());
    EXPECT_EQ(tickAt(80), 0);
}

TEST_F(PlaybackTest, TheIntervalStaysBetweenOneAndAThousandAndIsSaidOnce) {
    std::vector<int> said;
    QObject::connect(&m_playback, &Playback::intervalChanged,
                     [&](int milliseconds) { said.push_back(milliseconds); });
    EXPECT_EQ(m_playback.interval(), 300);
    m_playback.setInterval(0);
    m_playback.setInterval(1);
    m_playback.setInterval(5000);
    m_playback.setInterval(1000);
    EXPECT_EQ(said, (std::vector<int>{1, 1000}));

    int toggles = 0;
    QObject::connect(&m_playback, &Playback::playingChanged, [&](bool) { ++toggles; });
    m_playback.setPlaying(true);
    m_playback.setPlaying(true);
    m_playback.setPlaying(false);
    EXPECT_EQ(toggles, 2);
    EXPECT_EQ(m_playback.loopStart(), 0);
}

} // namespace
