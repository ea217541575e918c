#pragma once

#include "core/colours/bgr.h"
#include "core/colours/designcolours.h"
#include "core/geometry/lampstartpositions.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace chaserom {

/// What an animation of the simulator shows: steps of an image on the simulator's lamps, at
/// their places, over its picture, in the channels' colours.
struct SimulatorAnimation {
    QByteArray image;
    /// 8, 16, 24 or 32.
    int channels = 8;
    /// The first step's address and how many steps: each a frame.
    qint64 address = 0;
    qint64 steps = 0;
    /// How long each step stands, in hundredths of a second (2 or more).
    int centiseconds = 30;
    LampLayout layout = LampStartPositions;
    ChannelColours colours = DesignColours;
    QImage background;
    /// The frames' size against the simulator's, in percent (50 to 200).
    int scalePercent = 100;
    /// Only the lamps' bounding box and a margin round it, not the whole client area.
    bool cropToLamps = false;
};

/// The part of the simulator's client area an animation shows, before it is scaled.
[[nodiscard]] QRect animationArea(const SimulatorAnimation& animation);

/// How the writing of an animation ended.
struct AnimationOutcome {
    bool cancelled = false;
    /// What went wrong, in Russian.
    std::optional<QString> fault;
};

/// Paints every step as the simulator shows it (its client area without its controls) and
/// writes the frames to `device` as a looping GIF. `progress`, when given, is told how many
/// frames are done after each one and may return false to stop.
[[nodiscard]] AnimationOutcome
writeSimulatorAnimation(const SimulatorAnimation& animation, QIODevice& device,
                        const std::function<bool(qint64 done)>& progress = {});

} // namespace chaserom
