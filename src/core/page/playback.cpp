#include "core/page/playback.h"

#include <algorithm>

namespace chaserom {

Playback::Playback(QObject* parent)
    : QObject(parent) {}

void Playback::setPlaying(bool playing) {
    if (m_playing == playing) {
        return;
    }
    m_playing = playing;
    emit playingChanged(playing);
}

void Playback::setInterval(int milliseconds) {
    milliseconds = std::clamp(milliseconds, ShortestInterval, LongestInterval);
    if (m_interval == milliseconds) {
        return;
    }
    m_interval = milliseconds;
    emit intervalChanged(milliseconds);
}

void Playback::tick(qint64 nowNs) {
    if (!m_playing) {
        // Counting starts afresh when playback starts, not from the last step made.
        m_pace.restart(nowNs);
        return;
    }
    const int steps = m_pace.stepsDue(nowNs, m_interval);
    for (int step = 0; step < steps && m_playing; ++step) {
        emit stepDue();
    }
}

} // namespace chaserom
