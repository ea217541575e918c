#include "core/geometry/stepgridlayout.h"

#include <algorithm>
#include <array>

namespace chaserom {

namespace {

/// The cell sizes zoom steps through.
constexpr std::array<int, 12> CellSizes = {4, 5, 6, 8, 10, 12, 14, 17, 20, 24, 32, 40};

} // namespace

StepGridLayout::StepGridLayout(int cell, int channels, int addressWidth)
    : m_cell(std::clamp(cell, SmallestCell, LargestCell))
    , m_channels(channels)
    , m_addressWidth(addressWidth) {}

int StepGridLayout::width() const {
    return channelLeft(m_channels - 1) + m_cell;
}

int StepGridLayout::channelLeft(int channel) const {
    return m_addressWidth + channel * m_cell + (channel / 8) * byteGap();
}

std::optional<int> StepGridLayout::channelAt(int x) const {
    if (x < m_addressWidth) {
        return std::nullopt;
    }
    const int byteWidth = 8 * m_cell + byteGap();
    const int inGrid = x - m_addressWidth;
    const int byte = inGrid / byteWidth;
    const int inByte = inGrid % byteWidth;
    if (byte >= (m_channels + 7) / 8 || inByte >= 8 * m_cell) {
        return std::nullopt;
    }
    return byte * 8 + inByte / m_cell;
}

int StepGridLayout::stepAt(int y, int steps) const {
    return std::clamp(y / m_cell, 0, std::max(steps - 1, 0));
}

StepGridLayout::Steps StepGridLayout::visibleSteps(int top, int height, int steps) const {
    const int first = std::max(top / m_cell, 0);
    const int last = std::min((top + height - 1) / m_cell, steps - 1);
    return {first, last};
}

int StepGridLayout::zoomed(int cell, int direction) {
    if (direction > 0) {
        const auto* next = std::upper_bound(CellSizes.begin(), CellSizes.end(), cell);
        return next == CellSizes.end() ? CellSizes.back() : *next;
    }
    const auto* next = std::lower_bound(CellSizes.begin(), CellSizes.end(), cell);
    return next == CellSizes.begin() ? CellSizes.front() : *(next - 1);
}

} // namespace chaserom
