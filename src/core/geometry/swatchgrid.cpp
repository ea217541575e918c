#include "core/geometry/swatchgrid.h"

namespace chaserom {

std::optional<int> SwatchGrid::swatchAt(int x, int y) {
    constexpr int cellStart = Origin + 15;
    const int dx = x - cellStart;
    const int dy = y - cellStart;
    if (dx <= 0 || dy <= 0 || dx % Pitch == 0 || dy % Pitch == 0) {
        return std::nullopt;
    }
    const int column = dx / Pitch;
    const int row = dy / Pitch;
    if (column >= Columns || row >= Rows) {
        return std::nullopt;
    }
    return column + Columns * row;
}

} // namespace chaserom
