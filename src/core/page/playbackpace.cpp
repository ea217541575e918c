#include "core/page/playbackpace.h"

namespace chaserom {

void PlaybackPace::restart(qint64 nowMs) {
    m_credited = nowMs;
}

int PlaybackPace::stepsDue(qint64 nowMs, int intervalMs) {
    if (intervalMs <= 0) {
        intervalMs = 1;
    }
    const qint64 due = (nowMs - m_credited) / intervalMs;
    if (due < 1) {
        // Early: one step, and the schedule starts again from now.
        m_credited = nowMs;
        return 1;
    }
    if (due > MostStepsPerTick) {
        m_credited = nowMs;
        return MostStepsPerTick;
    }
    m_credited += due * intervalMs;
    return static_cast<int>(due);
}

} // namespace chaserom
