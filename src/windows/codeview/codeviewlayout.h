#pragma once

#include "core/page/lamplighting.h"
#include "render/shapes.h"
#include "windows/common/controlplace.h"

#include <array>

namespace chaserom::codeview {

inline constexpr int ClientWidth = 7575;
inline constexpr int ClientHeight = 8895;
/// The sizes the option buttons of the resized copy choose.
inline constexpr int SizePresets[] = {256, 512, 1024, 2048, 4096};

inline constexpr int RowTop = 240;
inline constexpr int RowPitch = 240;

/// The four columns of a page row; the top is RowTop + RowPitch * row.
inline constexpr ControlPlace Text7Column = {120, 0, 615, 285};
inline constexpr ControlPlace Text5Column = {960, 0, 495, 285};
inline constexpr ControlPlace Text1Column = {1680, 0, 495, 285};
inline constexpr ControlPlace Text2Column = {2280, 0, 855, 285};

[[nodiscard]] constexpr ControlPlace inRow(ControlPlace column, int row) {
    column.top = RowTop + RowPitch * row;
    return column;
}

inline constexpr ControlPlace Label2Place = {720, 0, 495, 255};
inline constexpr ControlPlace Label3Place = {2400, 0, 735, 255};
inline constexpr ControlPlace VScroll1Place = {5280, 240, 255, 3855};

inline constexpr ControlPlace Command1Place = {120, 4200, 735, 255};
inline constexpr ControlPlace Text3Place = {840, 4200, 6495, 285};
inline constexpr ControlPlace Label1Place = {120, 4560, 735, 255};
inline constexpr ControlPlace Text4Place = {840, 4560, 855, 285};
inline constexpr ControlPlace CheckSavePlace = {1800, 4560, 1095, 255};
inline constexpr ControlPlace Check1Place = {4080, 4560, 1215, 255};
inline constexpr ControlPlace CommandSimulatorPlace = {4080, 4920, 1215, 615};

inline constexpr ControlPlace LabelIntervalSimPlace = {6360, 4560, 615, 255};
inline constexpr ControlPlace VScroll2Place = {7080, 4560, 255, 1695};
inline constexpr std::array<ControlPlace, 4> OptionKanalPlaces = {{
    {6360, 5040, 615, 195},
    {6360, 5280, 615, 195},
    {6360, 5520, 615, 195},
    {6360, 5760, 615, 195},
}};

inline constexpr ControlPlace Label7Place = {5760, 315, 1455, 375};
inline constexpr ControlPlace CommandInvPlace = {5880, 840, 1215, 375};
inline constexpr ControlPlace Label5Place = {5760, 1320, 1455, 375};
inline constexpr ControlPlace Text8Place = {5760, 1800, 615, 285};
inline constexpr ControlPlace Label4Place = {6360, 1800, 255, 255};
inline constexpr ControlPlace Text9Place = {6600, 1800, 615, 285};
inline constexpr ControlPlace Label6Place = {5880, 2160, 1215, 255};
inline constexpr ControlPlace Text10Place = {5760, 2400, 1455, 285};
inline constexpr ControlPlace CommandCopyPlace = {5880, 2760, 1215, 375};
inline constexpr ControlPlace CommandMirrorPlace = {5880, 3360, 1215, 375};

inline constexpr std::array<ControlPlace, 5> OptionSizePlaces = {{
    {120, 4920, 615, 255},
    {120, 5160, 615, 255},
    {120, 5400, 735, 255},
    {120, 5640, 735, 255},
    {120, 5880, 735, 255},
}};
inline constexpr ControlPlace TextSizePlace = {120, 6240, 735, 285};
inline constexpr ControlPlace CommandSizePlace = {120, 6600, 735, 375};

inline constexpr ControlPlace Text6Place = {6000, 7080, 735, 285};

/// The two outlines framing the file-operations group: `Shape2(0)` inside `Shape2(1)`.
struct FramePlace {
    ControlPlace place;
    Bgr border;
};
inline constexpr std::array<FramePlace, 2> Shape2Frames = {{
    {{5715, 255, 1575, 3780}, 0x000000FF},
    {{5685, 225, 1635, 3840}, 0x008080FF},
}};
inline constexpr int Shape2BorderWidth = 2;

/// The channel strip: two rows of 64 bars.
inline constexpr int StripBarsPerRow = StripBarCount / 2;
inline constexpr int StripBarWidth = 105;
inline constexpr int StripBarHeight = 495;
inline constexpr std::array<int, 2> StripRowTops = {7560, 8160};

/// Left of strip bar `bar`: 64 bars on an average pitch of 100 twips, snapped to whole
/// pixels, with two bars of the lower row standing 10 twips further right.
[[nodiscard]] constexpr int stripBarLeft(int bar) {
    if (bar == 80) {
        return 1825;
    }
    if (bar == 83) {
        return 2125;
    }
    return 15 * ((225 + 100 * (bar % StripBarsPerRow)) / 15);
}

/// The lines, drawn in this order: the ridge between the address and data columns, and
/// the engraved separators of the file-operations group (`Line4` has no element 1).
inline constexpr std::array<PaintedLine, 8> Lines = {{
    {1545, 45, 1545, 4105, LineColour::MenuBackground},
    {1560, 45, 1560, 4105, LineColour::MenuBackground},
    {1575, 45, 1575, 4105, LineColour::Fixed, 0x00404040},
    {5760, 1320, 7200, 1320, LineColour::WindowText},
    {5760, 3240, 7200, 3240, LineColour::WindowText},
    {5760, 795, 7200, 795, LineColour::WindowText},
    {5760, 810, 7320, 810, LineColour::MenuBackground},
    {5760, 3255, 7200, 3255, LineColour::MenuBackground},
}};

} // namespace chaserom::codeview
