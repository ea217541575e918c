#pragma once

#include "core/geometry/lampstartpositions.h"

#include <optional>
#include <vector>

namespace chaserom {

// Arrangements of selected lamps, given and returned in lamp-number order, positions in
// twips (Left, Top). Fewer than two lamps stay where they are.

/// Evenly spaced on the line from the first lamp to the last, which stay.
[[nodiscard]] std::vector<LampPosition> arrangedInRow(const std::vector<LampPosition>& lamps);

/// In one column at the first lamp's Left, evenly from the first lamp's Top to the last's.
[[nodiscard]] std::vector<LampPosition> arrangedInColumn(const std::vector<LampPosition>& lamps);

/// Evenly along the arc of the circle through the first, middle and last lamp, from the
/// first to the last by way of the middle; a row when the three lie on one line.
[[nodiscard]] std::vector<LampPosition> arrangedOnArc(const std::vector<LampPosition>& lamps);

/// In rows of `columns` lamps from the first lamp's place, `spacing` twips apart.
[[nodiscard]] std::vector<LampPosition> arrangedInGrid(const std::vector<LampPosition>& lamps,
                                                       int columns, float spacing);

/// Every lamp at the Top of the highest one.
[[nodiscard]] std::vector<LampPosition> alignedTop(const std::vector<LampPosition>& lamps);

/// Every lamp at the Left of the leftmost one.
[[nodiscard]] std::vector<LampPosition> alignedLeft(const std::vector<LampPosition>& lamps);

/// A position on a grid of `step` twips; unchanged for a step of 0.
[[nodiscard]] LampPosition snapped(LampPosition position, float step);

} // namespace chaserom
