#include "render/gifanimation.h"

#include "core/files/fileerror.h"

#include <QCoreApplication>
#include <QIODevice>
#include <array>
#include <cerrno>
#include <gif_lib.h>

namespace chaserom {

GifAnimation::GifAnimation(QIODevice& device, FramePalette& palette, QSize size)
    : m_device(device)
    , m_palette(palette)
    , m_size(size) {}

GifAnimation::~GifAnimation() {
    if (m_gif != nullptr) {
        int error = 0;
        EGifCloseFile(m_gif, &error);
    }
}

int GifAnimation::writeBytes(GifFileType* gif, const unsigned char* bytes, int count) {
    auto* animation = static_cast<GifAnimation*>(gif->UserData);
    errno = 0;
    const qint64 written = animation->m_device.write(reinterpret_cast<const char*>(bytes), count);
    if (written != count) {
        animation->m_writeError = errno != 0 ? errno : EIO;
        return 0;
    }
    return count;
}

QString GifAnimation::failure(int giflibError) const {
    if (m_writeError != 0) {
        return systemErrorReason(m_writeError);
    }
    return QCoreApplication::translate("GifAnimation", "ошибка giflib: %1")
        .arg(QString::fromUtf8(GifErrorString(giflibError)));
}

Failure<> GifAnimation::start() {
    int error = 0;
    m_gif = EGifOpen(this, &GifAnimation::writeBytes, &error);
    if (m_gif == nullptr) {
        return failure(error);
    }
    EGifSetGifVersion(m_gif, true);
    const std::vector<QRgb>& colours = m_palette.colours();
    std::vector<GifColorType> table;
    table.reserve(colours.size());
    for (const QRgb colour : colours) {
        table.push_back({static_cast<GifByteType>(qRed(colour)),
                         static_cast<GifByteType>(qGreen(colour)),
                         static_cast<GifByteType>(qBlue(colour))});
    }
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(table.size()), table.data());
    const int result = EGifPutScreenDesc(m_gif, m_size.width(), m_size.height(), 8, 0, map);
    GifFreeMapObject(map);
    if (result == GIF_ERROR) {
        return failure(m_gif->Error);
    }
    // The NETSCAPE2.0 application extension with a loop count of 0: loop forever.
    static constexpr char Application[] = "NETSCAPE2.0";
    static constexpr std::array<GifByteType, 3> Loop = {1, 0, 0};
    if (EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(m_gif, 11, Application) == GIF_ERROR ||
        EGifPutExtensionBlock(m_gif, 3, Loop.data()) == GIF_ERROR ||
        EGifPutExtensionTrailer(m_gif) == GIF_ERROR) {
        return failure(m_gif->Error);
    }
    return std::nullopt;
}

QRect GifAnimation::differingRect(const QImage& frame, const QRect& changed) const {
    const QRect area = changed & frame.rect();
    int left = area.right() + 1;
    int right = area.left() - 1;
    int top = -1;
    int bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* now = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        const auto* before = reinterpret_cast<const QRgb*>(m_previous.constScanLine(y));
        int first = area.left();
        while (first <= area.right() && now[first] == before[first]) {
            ++first;
        }
        if (first > area.right()) {
            continue;
        }
        int last = area.right();
        while (now[last] == before[last]) {
            --last;
        }
        left = std::min(left, first);
        right = std::max(right, last);
        if (top < 0) {
            top = y;
        }
        bottom = y;
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

void GifAnimation::holdFrame(const QImage& frame, const QRect& rect, int centiseconds) {
    PendingFrame pending;
    pending.rect = rect;
    pending.delay = centiseconds;
    pending.seeThrough = !m_previous.isNull();
    pending.pixels.reserve(static_cast<size_t>(rect.width()) * static_cast<size_t>(rect.height()));
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto* now = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        const auto* before = pending.seeThrough
                                 ? reinterpret_cast<const QRgb*>(m_previous.constScanLine(y))
                                 : nullptr;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            pending.pixels.push_back(before != nullptr && now[x] == before[x]
                                         ? FramePalette::UnchangedIndex
                                         : m_palette.indexOf(now[x]));
        }
    }
    m_pending = std::move(pending);
}

Failure<> GifAnimation::addFrame(const QImage& frame, const QRect& changed, int centiseconds) {
    if (m_previous.isNull()) {
        holdFrame(frame, frame.rect(), centiseconds);
        m_previous = frame;
        return std::nullopt;
    }
    const QRect differing = differingRect(frame, changed);
    if (differing.isEmpty() && m_pending->delay + centiseconds <= LongestDelay) {
        m_pending->delay += centiseconds;
        return std::nullopt;
    }
    if (auto fault = writePending()) {
        return fault;
    }
    // A frame equal to one that already stands as long as a frame can: one pixel, unchanged.
    holdFrame(frame, differing.isEmpty() ? QRect(0, 0, 1, 1) : differing, centiseconds);
    m_previous = frame;
    return std::nullopt;
}

Failure<> GifAnimation::writePending() {
    PendingFrame& frame = *m_pending;
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = frame.delay;
    control.TransparentColor =
        frame.seeThrough ? FramePalette::UnchangedIndex : NO_TRANSPARENT_COLOR;
    std::array<GifByteType, 4> extension{};
    EGifGCBToExtension(&control, extension.data());
    const QRect& rect = frame.rect;
    if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, 4, extension.data()) == GIF_ERROR ||
        EGifPutImageDesc(m_gif, rect.x(), rect.y(), rect.width(), rect.height(), false, nullptr) ==
            GIF_ERROR ||
        EGifPutLine(m_gif, frame.pixels.data(), static_cast<int>(frame.pixels.size())) ==
            GIF_ERROR) {
        return failure(m_gif->Error);
    }
    ++m_frameCount;
    m_pending.reset();
    return std::nullopt;
}

Failure<> GifAnimation::finish() {
    if (m_pending) {
        if (auto fault = writePending()) {
            return fault;
        }
    }
    int error = 0;
    GifFileType* gif = m_gif;
    m_gif = nullptr;
    if (EGifCloseFile(gif, &error) == GIF_ERROR) {
        return failure(error);
    }
    return std::nullopt;
}

} // namespace chaserom
