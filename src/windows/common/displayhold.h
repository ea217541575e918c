#pragma once

#include <QObject>

namespace chaserom {

/// Holds back what the windows show while playback makes steps faster than the screen shows
/// frames: while held, windows only note what changed; when a frame is due (or playback
/// stops) due() tells them to show it, always the latest step. Nobody sees the steps in
/// between, so they are not painted.
class DisplayHold : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(DisplayHold)

public:
    explicit DisplayHold(QObject* parent = nullptr);

    [[nodiscard]] bool isHeld() const { return m_held; }
    /// Starts holding back: for a burst of steps.
    void hold();
    /// Ends a burst. With `show`, what was held back is shown now; otherwise it waits for
    /// the next show or flush().
    void release(bool show);
    /// Shows what waits, if anything does.
    void flush();

signals:
    /// Show what was held back.
    void due();

private:
    bool m_held = false;
    bool m_waiting = false;
};

} // namespace chaserom
