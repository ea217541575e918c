#pragma once

#include <QtGlobal>

namespace chaserom {

/// Keeps playback at exactly the chosen speed whatever the step timer's ticks do: each tick
/// is told how many steps are due since the last one. A late tick (the event loop was busy)
/// makes up the steps missed; a tick that comes early, as timers' ticks often do by a
/// fraction of a millisecond, is counted on time when it is close, and otherwise waits.
class PlaybackPace {
public:
    /// At most this many steps are made up in one tick; a longer stall is forgotten.
    static constexpr int MostStepsPerTick = 50;

    /// Starts counting from `nowNs` (nanoseconds on any steady clock).
    void restart(qint64 nowNs);

    /// The steps due at a tick at `nowNs` for an interval of `intervalMs`.
    [[nodiscard]] int stepsDue(qint64 nowNs, int intervalMs);

private:
    qint64 m_creditedNs = 0;
};

} // namespace chaserom
