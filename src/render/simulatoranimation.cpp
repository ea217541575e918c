#include "render/simulatoranimation.h"

#include "core/page/lamplighting.h"
#include "render/bgrcolour.h"
#include "render/framepalette.h"
#include "render/gifanimation.h"
#include "render/simulatorscene.h"
#include "render/standardpalette.h"

#include <QPainter>
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

} // namespace

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
    FramePalette palette(exactColours(animation, windowPalette), frame);
    GifAnimation gif(device, palette, frame.size());
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
        if (auto fault = gif.addFrame(frame, changed, animation.centiseconds)) {
            return {false, fault};
        }
        if (progress && !progress(step + 1)) {
            return {true, std::nullopt};
        }
    }
    return {false, gif.finish()};
}

} // namespace chaserom
