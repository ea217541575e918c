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

void Playback::setLoop(std::optional<PlaybackLoop> loop) {
    m_loop = loop;
}

int nextLoopPosition(const PlaybackLoop& loop, int position, int stepLength, int maximum) {
    // A loop past what the page reaches is played as far as it reaches.
    const int first = std::min(loop.first, maximum);
    if (position < first || position >= loop.end) {
        return first;
    }
    const int next = position + stepLength;
    return next >= loop.end || next > maximum ? first : next;
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
