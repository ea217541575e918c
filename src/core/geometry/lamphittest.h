#pragma once

#include "core/geometry/lampstartpositions.h"

#include <optional>

namespace chaserom {

/// The lamp under a pointer position in twips: the highest-numbered lamp whose open hit
/// square (Left < x < Left + 255, Top < y < Top + 255, in single precision) holds the point.
[[nodiscard]] std::optional<int> lampAt(const LampLayout& lamps, float x, float y);

/// The channel number a user reads over a lamp, counted from 1.
[[nodiscard]] constexpr int channelLabelOf(int lamp, int kanalCount) {
    return lamp % kanalCount + 1;
}

} // namespace chaserom
