#pragma once

#include "simulator/lampstartpositions.h"

#include <optional>

namespace chaserom {

/// The side of a lamp's hit square in twips, fixed whatever the lamp's drawn size.
inline constexpr float LampSide = 255.0F;

/// The lamp under a pointer position in twips: the highest-numbered lamp whose open hit
/// square (Left < x < Left + 255, Top < y < Top + 255, in single precision) holds the point.
[[nodiscard]] std::optional<int> lampAt(const LampLayout& lamps, float x, float y);

/// The channel number a user reads over a lamp, counted from 1.
[[nodiscard]] constexpr int channelLabelOf(int lamp, int kanalCount) {
    return lamp % kanalCount + 1;
}

} // namespace chaserom
