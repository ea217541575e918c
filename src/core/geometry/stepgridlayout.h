#pragma once

#include <optional>

namespace chaserom {

/// Where the step editor draws each lamp, in pixels: one row per step, an address column at
/// the left, then one square cell per channel with a small gap between bytes. `cell` is the
/// zoom: the side of a cell.
class StepGridLayout {
public:
    static constexpr int SmallestCell = 4;
    static constexpr int LargestCell = 40;
    static constexpr int DefaultCell = 14;

    StepGridLayout(int cell, int channels, int addressWidth);

    [[nodiscard]] int cell() const { return m_cell; }
    [[nodiscard]] int channels() const { return m_channels; }
    [[nodiscard]] int addressWidth() const { return m_addressWidth; }
    [[nodiscard]] int byteGap() const { return m_cell >= 8 ? m_cell / 4 : 1; }
    /// The whole width of a row.
    [[nodiscard]] int width() const;
    [[nodiscard]] int height(int steps) const { return steps * m_cell; }

    [[nodiscard]] int channelLeft(int channel) const;
    [[nodiscard]] int stepTop(int step) const { return step * m_cell; }

    /// The channel whose cell holds x; none over the address column or a gap.
    [[nodiscard]] std::optional<int> channelAt(int x) const;
    /// The step whose row holds y (y from the top of row 0), kept inside 0..steps - 1.
    [[nodiscard]] int stepAt(int y, int steps) const;
    [[nodiscard]] bool isInAddressColumn(int x) const { return x < m_addressWidth; }

    /// The first and last step that show in a view `height` pixels high whose top is `top`
    /// pixels down the grid; last < first when none does.
    struct Steps {
        int first;
        int last;
    };
    [[nodiscard]] Steps visibleSteps(int top, int height, int steps) const;

    /// The next cell size for a zoom in (+1) or out (-1).
    [[nodiscard]] static int zoomed(int cell, int direction);

private:
    int m_cell;
    int m_channels;
    int m_addressWidth;
};

} // namespace chaserom
