#pragma once

#include "windows/common/controlplace.h"
#include "windows/common/shapes.h"

#include <array>

namespace chaserom::simulator {

inline constexpr int ClientWidth = 12495;
inline constexpr int ClientHeight = 8955;

/// The tool strip along the top and the controls on it, placed relative to the strip.
inline constexpr ControlPlace Frame1Place = {0, 0, 12495, 855};
inline constexpr ControlPlace CommandNewPlace = {120, 120, 615, 495};
inline constexpr ControlPlace CommandLoadPlace = {720, 120, 615, 495};
inline constexpr ControlPlace CommandSavePlace = {1320, 120, 615, 495};
inline constexpr ControlPlace CommandFonPlace = {2400, 120, 495, 495};

/// The engraved rule near the strip's lower edge: a dark line over a light one.
inline constexpr std::array<PaintedLine, 2> Line2 = {{
    {0, 720, 12480, 720, LineColour::WindowText},
    {0, 730, 12480, 730, LineColour::WindowBackground},
}};

inline constexpr ControlPlace LabelKanalPlace = {240, 960, 735, 375};
inline constexpr std::array<PaintedLine, 1> Line1 = {{
    {0, 6600, 10320, 6600, LineColour::WindowText},
}};

/// The channel label follows the pointer this far right of and below it.
inline constexpr float LabelOffset = 200.0F;
/// A dragged lamp's Left and Top are the pointer's less this, bringing its centre under it.
inline constexpr float DragOffset = 127.0F;

} // namespace chaserom::simulator
