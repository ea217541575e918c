#pragma once

#include "core/colours/bgr.h"

#include <optional>

namespace chaserom {

/// The swatches of the colour panel in twips: four rows of eight squares of 375, on a
/// pitch of 480 from (120, 120).
struct SwatchGrid {
    static constexpr int Origin = 120;
    static constexpr int Pitch = 480;
    static constexpr int Side = 375;
    static constexpr int Rows = 4;
    static constexpr int Columns = 8;

    [[nodiscard]] static constexpr int left(int swatch) {
        return Origin + Pitch * (swatch % Columns);
    }
    [[nodiscard]] static constexpr int top(int swatch) {
        return Origin + Pitch * (swatch / Columns);
    }

    /// The swatch whose sensitive cell holds a pointer position in twips. A cell starts 15
    /// twips inside its swatch's left and top edges and reaches 120 twips past its right
    /// and bottom edges (135 + 480 c < x < 615 + 480 c, all bounds strict); cells do not
    /// overlap, and the lines between them belong to none.
    [[nodiscard]] static std::optional<int> swatchAt(int x, int y);
};

} // namespace chaserom
