#include "core/geometry/ledgrid.h"

namespace chaserom {

namespace {

/// The index of the open interval of `pitch` units, starting at `origin`, that holds
/// `value`; none on an edge or outside `count` intervals.
std::optional<int> openCellIndex(int value, int origin, int pitch, int count) {
    const int offset = value - origin;
    if (offset <= 0 || offset >= pitch * count || offset % pitch == 0) {
        return std::nullopt;
    }
    return offset / pitch;
}

} // namespace

std::optional<LedCell> LedGrid::cellAt(int x, int y) {
    const auto column = openCellIndex(x, Left, Pitch, Columns);
    const auto row = openCellIndex(y, Top, Pitch, Rows);
    if (!column || !row) {
        return std::nullopt;
    }
    return LedCell{*row, *column};
}

} // namespace chaserom
