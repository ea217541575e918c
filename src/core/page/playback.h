#pragma once

#include "core/page/playbackpace.h"

#include <QObject>
#include <optional>

namespace chaserom {

/// The page positions a playback loops over, in bytes: from `first` up to but not including
/// `end`, one step after another.
struct PlaybackLoop {
    int first = 0;
    int end = 0;
    friend bool operator==(const PlaybackLoop&, const PlaybackLoop&) = default;
};

/// The position after `position` in a loop, for steps of `stepLength` bytes on a page that
/// reaches `maximum`: the next step, or the loop's first one after its last; a position
/// outside the loop (another program was chosen) goes to its first step.
[[nodiscard]] int nextLoopPosition(const PlaybackLoop& loop, int position, int stepLength,
                                   int maximum);

/// Playback of the effect: whether it runs, the step interval, and what it loops: the whole
/// image (starting again from its start after its end), or one program or a selection.
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
    /// Where a step past the end of the whole image goes.
    [[nodiscard]] int loopStart() const { return m_loopStart; }
    /// The steps played over and over instead of the whole image; none for the whole image.
    [[nodiscard]] const std::optional<PlaybackLoop>& loop() const { return m_loop; }
    void setLoop(std::optional<PlaybackLoop> loop);

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
    std::optional<PlaybackLoop> m_loop;
};

} // namespace chaserom
