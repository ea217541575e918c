#pragma once

#include <QtGlobal>

namespace chaserom {

/// When the windows show what playback made: at most once per frame of the screen, since
/// a screen shows no more than its refresh rate however fast the steps come.
class FramePace {
public:
    /// The refresh rate assumed when the screen does not tell it.
    static constexpr double DefaultRefreshRate = 60.0;

    /// Takes the screen's refresh rate in hertz; zero or less means unknown.
    void setRefreshRate(double hertz);
    [[nodiscard]] qint64 framePeriodNs() const { return m_framePeriodNs; }

    /// Whether steps `intervalMs` apart come faster than frames.
    [[nodiscard]] bool stepsOutpaceFrames(int intervalMs) const;

    /// Whether a frame is due at `nowNs` (nanoseconds on any steady clock) since the last
    /// one shown; a frame found due counts as shown.
    [[nodiscard]] bool frameDue(qint64 nowNs);

private:
    qint64 m_framePeriodNs = static_cast<qint64>(1e9 / DefaultRefreshRate);
    qint64 m_lastFrameNs = -1;
};

} // namespace chaserom
