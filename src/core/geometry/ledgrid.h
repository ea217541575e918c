#pragma once

#include "core/page/pageaddress.h"

#include <optional>

namespace chaserom {

/// One cell of the LED grid: a page row and a column, column 0 being the most significant
/// bit.
struct LedCell {
    int row;
    int column;
    friend bool operator==(const LedCell&, const LedCell&) = default;
};

/// The geometry of the LED grid in twips: 16 rows of 8 LEDs, 255 twips wide on a pitch of
/// 240, so neighbouring circles overlap by 15.
struct LedGrid {
    static constexpr int Left = 3240;
    static constexpr int Top = 240;
    static constexpr int Pitch = 240;
    static constexpr int Diameter = 255;
    static constexpr int Rows = PageRowCount;
    static constexpr int Columns = 8;

    /// The cell under a pointer position in twips. Cells are open squares of the pitch:
    /// a point on a shared edge lies in none.
    [[nodiscard]] static std::optional<LedCell> cellAt(int x, int y);
};

} // namespace chaserom
