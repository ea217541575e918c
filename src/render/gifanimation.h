#pragma once

#include "core/result.h"
#include "render/framepalette.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

class QIODevice;
struct GifFileType;

namespace chaserom {

/// Writes a GIF89a animation that loops forever, frame by frame, to a device. Each frame
/// after the first is stored as the rectangle in which it differs from the one before,
/// its unchanged pixels see-through, so that a reader composing the frames sees each
/// whole. A frame equal to the one before lengthens that one instead: the total time
/// stays exact.
class GifAnimation {
public:
    /// The longest time one frame can stand for: 655.35 seconds.
    static constexpr int LongestDelay = 65535;

    GifAnimation(QIODevice& device, FramePalette& palette, QSize size);
    ~GifAnimation();
    GifAnimation(const GifAnimation&) = delete;
    GifAnimation& operator=(const GifAnimation&) = delete;

    /// Each step returns what went wrong, in Russian.
    [[nodiscard]] Failure<> start();
    /// Adds a frame (RGB32, the animation's size) shown for `centiseconds` (1 to
    /// LongestDelay). Outside `changed` it must equal the frame before (the first frame
    /// may differ anywhere).
    [[nodiscard]] Failure<> addFrame(const QImage& frame, const QRect& changed, int centiseconds);
    /// Writes the last frame and ends the file.
    [[nodiscard]] Failure<> finish();

    /// The frames written so far.
    [[nodiscard]] int frameCount() const { return m_frameCount; }

private:
    /// A frame held back until it is known how long it stands.
    struct PendingFrame {
        QRect rect;
        std::vector<quint8> pixels;
        int delay = 0;
        bool seeThrough = false;
    };

    [[nodiscard]] QRect differingRect(const QImage& frame, const QRect& changed) const;
    void holdFrame(const QImage& frame, const QRect& rect, int centiseconds);
    [[nodiscard]] Failure<> writePending();
    [[nodiscard]] QString failure(int giflibError) const;

    static int writeBytes(GifFileType* gif, const unsigned char* bytes, int count);

    QIODevice& m_device;
    FramePalette& m_palette;
    QSize m_size;
    GifFileType* m_gif = nullptr;
    QImage m_previous;
    std::optional<PendingFrame> m_pending;
    int m_frameCount = 0;
    /// errno of a failed write, for the report.
    int m_writeError = 0;
};

} // namespace chaserom
