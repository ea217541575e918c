#pragma once

#include "render/shapes.h"

#include <array>

namespace chaserom::simulator {

/// The simulator's client area in twips: 833 × 597 pixels.
inline constexpr int ClientWidth = 12495;
inline constexpr int ClientHeight = 8955;

/// The tool strip spans the top of the client area and covers what lies beneath it.
inline constexpr int StripHeight = 855;

/// The engraved rule near the strip's lower edge: a dark line over a light one.
inline constexpr std::array<PaintedLine, 2> Line2 = {{
    {0, 720, 12480, 720, LineColour::WindowText},
    {0, 730, 12480, 730, LineColour::WindowBackground},
}};

/// The rule across the board, painted over the picture and under the lamps.
inline constexpr std::array<PaintedLine, 1> Line1 = {{
    {0, 6600, 10320, 6600, LineColour::WindowText},
}};

} // namespace chaserom::simulator
