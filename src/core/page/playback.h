#pragma once

#include "core/page/playbackpace.h"

#include <QObject>

namespace chaserom {

/// Playback of the effect: whether it runs, the step interval, and the address it starts
/// again from after the end of what it loops (the image's start: it loops the whole image).
/// The step timer's ticks come in through tick(), which says with stepDue() each step that
/// is due, at exactly the chosen speed whatever the ticks do.
class Playback : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(Playback)

public:
    static constexpr int DefaultInterval = 300;
    static constexpr int ShortestInterval = 1;
    static constexpr int LongestInterval = 1000;

    explicit Playback(QObject* parent = nullptr);

    [[nodiscard]] bool isPlaying() const { return m_playing; }
    void setPlaying(bool playing);
    /// The step interval in milliseconds, 1 to 1000.
    [[nodiscard]] int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    /// Where a step past the end of the loop goes.
    [[nodiscard]] int loopStart() const { return m_loopStart; }

    /// A tick of the step timer at `nowNs` (nanoseconds on a steady clock): one stepDue()
    /// for every step due since the last tick, while playing; none once playback stops.
    void tick(qint64 nowNs);

signals:
    void playingChanged(bool playing);
    void intervalChanged(int milliseconds);
    void stepDue();

private:
    PlaybackPace m_pace;
    bool m_playing = false;
    int m_interval = DefaultInterval;
    int m_loopStart = 0;
};

} // namespace chaserom
