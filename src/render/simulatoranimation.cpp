#include "render/simulatoranimation.h"

#include "core/page/lamplighting.h"
#include "render/bgrcolour.h"
#include "render/framepalette.h"
#include "render/gifanimation.h"
#include "render/simulatorscene.h"
#include "render/standardpalette.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace chaserom {

namespace {

std::array<Bgr, LampCount> lampColoursAt(const SimulatorAnimation& animation, qint64 step) {
    PageBytes page{};
    const qint64 stepLength = animation.channels / 8;
    std::memcpy(page.data(), animation.image.constData() + animation.address + step * stepLength,
                static_cast<size_t>(stepLength));
    std::array<Bgr, LampCount> colours{};
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        colours[lamp] = lampColour(page, lamp, animation.channels, animation.colours);
    }
    return colours;
}

/// The colours every frame must show exactly: the lamps' and the window's.
std::vector<QRgb> exactColours(const SimulatorAnimation& animation, const QPalette& palette) {
    std::vector<QRgb> colours = {toQColor(Black).rgb(), palette.color(QPalette::Window).rgb(),
                                 palette.color(QPalette::WindowText).rgb(),
                                 palette.color(QPalette::Base).rgb()};
    for (int channel = 0; channel < animation.channels; ++channel) {
        colours.push_back(toQColor(animation.colours[channel]).rgb());
    }
    return colours;
}

/// Space left round the lamps when an animation is cropped to them, in pixels.
constexpr int CropMargin = 8;

/// The frames as they are written: the shown area of the simulator's picture, scaled by
/// whole pixels so that every colour stays one of the palette's.
class FrameShaper {
public:
    explicit FrameShaper(const SimulatorAnimation& animation)
        : m_area(animationArea(animation))
        , m_size(std::max(1, m_area.width() * animation.scalePercent / 100),
                 std::max(1, m_area.height() * animation.scalePercent / 100))
        , m_identity(m_area.size() == SimulatorScene::clientSize() && m_size == m_area.size()) {}

    [[nodiscard]] QSize size() const { return m_size; }

    [[nodiscard]] QImage shaped(const QImage& frame) const {
        return m_identity ? frame
                          : frame.copy(m_area).scaled(m_size, Qt::IgnoreAspectRatio,
                                                      Qt::FastTransformation);
    }

    /// The written frame's pixels that a change to `changed` of the picture can reach.
    [[nodiscard]] QRect shaped(const QRect& changed) const {
        if (m_identity) {
            return changed;
        }
        const QRect inside = changed.intersected(m_area).translated(-m_area.topLeft());
        if (inside.isEmpty()) {
            return {};
        }
        const double x = double(m_size.width()) / m_area.width();
        const double y = double(m_size.height()) / m_area.height();
        const QRect scaled(
            QPoint(int(std::floor(inside.left() * x)) - 1, int(std::floor(inside.top() * y)) - 1),
            QPoint(int(std::ceil((inside.right() + 1) * x)),
                   int(std::ceil((inside.bottom() + 1) * y))));
        return scaled.intersected(QRect(QPoint(0, 0), m_size));
    }

private:
    QRect m_area;
    QSize m_size;
    bool m_identity;
};

} // namespace

QRect animationArea(const SimulatorAnimation& animation) {
    const QRect client(QPoint(0, 0), SimulatorScene::clientSize());
    if (!animation.cropToLamps) {
        return client;
    }
    SimulatorScene scene(std::array<Bgr, LampCount>{});
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        (void)scene.moveLamp(lamp, animation.layout[lamp]);
    }
    const QRect area = scene.lampsBounds()
                           .adjusted(-CropMargin, -CropMargin, CropMargin, CropMargin)
                           .intersected(client);
    return area.isEmpty() ? client : area;
}

AnimationOutcome writeSimulatorAnimation(const SimulatorAnimation& animation, QIODevice& device,
                                         const std::function<bool(qint64 done)>& progress) {
    const QPalette windowPalette = standardPalette();
    SimulatorScene scene(std::array<Bgr, LampCount>{});
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        (void)scene.moveLamp(lamp, animation.layout[lamp]);
    }
    scene.setBackground(animation.background);
    QImage frame(SimulatorScene::clientSize(), QImage::Format_RGB32);
    {
        QPainter painter(&frame);
        scene.paintClientArea(painter, windowPalette, SimulatorScene::Lamps::Left);
    }
    const FrameShaper shaper(animation);
    FramePalette palette(exactColours(animation, windowPalette), shaper.shaped(frame));
    GifAnimation gif(device, palette, shaper.size());
    if (auto fault = gif.start()) {
        return {false, fault};
    }
    for (qint64 step = 0; step < animation.steps; ++step) {
        QRect changed = scene.setLampColours(lampColoursAt(animation, step));
        if (step == 0) {
            changed = frame.rect();
        }
        if (!changed.isEmpty()) {
            QPainter painter(&frame);
            painter.setClipRect(changed);
            scene.paintClientArea(painter, windowPalette);
        }
        if (auto fault = gif.addFrame(shaper.shaped(frame), shaper.shaped(changed),
                                      animation.centiseconds)) {
            return {false, fault};
        }
        if (progress && !progress(step + 1)) {
            return {true, std::nullopt};
        }
    }
    return {false, gif.finish()};
}

} // namespace chaserom
