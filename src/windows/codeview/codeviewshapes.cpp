#include "windows/codeview/codeviewshapes.h"

#include "core/geometry/ledgrid.h"
#include "core/geometry/twips.h"
#include "windows/codeview/codeviewlayout.h"

#include <QPainter>

namespace chaserom {

namespace {

/// The LED colours of the window before the first page is shown.
constexpr Bgr designLedColour(int led) {
    if (led == 0) {
        return White;
    }
    if (led % 8 == 7 && led != 7) {
        return 0x00E0E0E0;
    }
    return Black;
}

} // namespace

CodeViewShapes::CodeViewShapes()
    : m_leds({ShapeArray::Kind::Circle, true, Black, 1})
    , m_bars({ShapeArray::Kind::Rectangle, true, Black, 1}) {
    for (const auto& frame : codeview::Shape2Frames) {
        ShapeArray& outline = m_frames.emplace_back(ShapeArray::Style{
            ShapeArray::Kind::Rectangle, false, frame.border, codeview::Shape2BorderWidth});
        outline.add(
            twipsRect(frame.place.left, frame.place.top, frame.place.width, frame.place.height));
    }
    for (int led = 0; led < LedCount; ++led) {
        const int left = LedGrid::Left + LedGrid::Pitch * (led % LedGrid::Columns);
        const int top = LedGrid::Top + LedGrid::Pitch * (led / LedGrid::Columns);
        m_leds.add(twipsRect(left, top, LedGrid::Diameter, LedGrid::Diameter),
                   designLedColour(led));
    }
    for (int bar = 0; bar < StripBarCount; ++bar) {
        m_bars.add(twipsRect(codeview::stripBarLeft(bar),
                             codeview::StripRowTops[bar / codeview::StripBarsPerRow],
                             codeview::StripBarWidth, codeview::StripBarHeight));
    }
}

QRect CodeViewShapes::showLedRow(int row, quint8 value) {
    QRect changed;
    for (int column = 0; column < LedGrid::Columns; ++column) {
        const bool one = (value >> (7 - column)) & 1;
        changed |= m_leds.setFill(row * LedGrid::Columns + column, one ? Black : White);
    }
    return changed;
}

QRegion CodeViewShapes::showStrip(const PageBytes& page, int kanalCount) {
    std::array<QRect, 2> changed;
    for (int bar = 0; bar < StripBarCount; ++bar) {
        changed[bar / codeview::StripBarsPerRow] |=
            m_bars.setFill(bar, stripColour(page, bar, kanalCount));
    }
    return QRegion(changed[0]) + changed[1];
}

void CodeViewShapes::paint(QPainter& painter, const QPalette& palette, const QRect& area) const {
    for (const ShapeArray& outline : m_frames) {
        outline.paint(painter, area);
    }
    paintLines(painter, palette, codeview::Lines);
    m_leds.paint(painter, area);
    m_bars.paint(painter, area);
}

} // namespace chaserom
