#pragma once

#include <QtGlobal>

namespace chaserom {

/// Keeps playback at the chosen speed when the step timer's ticks come late (the event
/// loop was busy painting): each tick is told how many steps are due since the last one,
/// so the effect plays at the interval set and the windows show the latest step.
class PlaybackPace {
public:
    /// At most this many steps are made up in one tick; a longer stall is forgotten.
    static constexpr int MostStepsPerTick = 50;

    /// Starts counting from `now` (milliseconds on any steady clock).
    void restart(qint64 nowMs);

    /// The steps due at a tick at `now` for an interval of `intervalMs`: at least one.
    [[nodiscard]] int stepsDue(qint64 nowMs, int intervalMs);

private:
    qint64 m_credited = 0;
};

} // namespace chaserom
