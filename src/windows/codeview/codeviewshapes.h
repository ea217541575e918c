#pragma once

#include "core/page/lamplighting.h"
#include "render/shapes.h"

#include <QRegion>

class QPainter;
class QPalette;

namespace chaserom {

/// What the code view paints itself: the LED grid, the channel strip, the two outlines of
/// the file-operations group and the lines.
class CodeViewShapes {
public:
    CodeViewShapes();

    /// Sets the LEDs of a page row from its byte; returns the area to repaint.
    [[nodiscard]] QRect showLedRow(int row, quint8 value);
    /// Sets the strip bars from the step at row 0; returns the area to repaint.
    [[nodiscard]] QRegion showStrip(const PageBytes& page, int kanalCount);

    void paint(QPainter& painter, const QPalette& palette, const QRect& area) const;

    /// The LEDs, row by row, the most significant bit first.
    [[nodiscard]] const ShapeArray& leds() const { return m_leds; }

private:
    std::vector<ShapeArray> m_frames;
    ShapeArray m_leds;
    ShapeArray m_bars;
};

} // namespace chaserom
