#pragma once

#include "render/simulatorgeometry.h"
#include "windows/common/controlplace.h"

namespace chaserom::simulator {

/// The tool strip along the top and the controls on it, placed relative to the strip.
inline constexpr ControlPlace Frame1Place = {0, 0, ClientWidth, StripHeight};
inline constexpr ControlPlace CommandNewPlace = {120, 120, 615, 495};
inline constexpr ControlPlace CommandLoadPlace = {720, 120, 615, 495};
inline constexpr ControlPlace CommandSavePlace = {1320, 120, 615, 495};
inline constexpr ControlPlace CommandFonPlace = {2400, 120, 495, 495};

inline constexpr ControlPlace LabelKanalPlace = {240, 960, 735, 375};

/// The channel label follows the pointer this far right of and below it.
inline constexpr float LabelOffset = 200.0F;
/// A dragged lamp's Left and Top are the pointer's less this, bringing its centre under it.
inline constexpr float DragOffset = 127.0F;

} // namespace chaserom::simulator
