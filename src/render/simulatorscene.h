#pragma once

#include "core/geometry/lampstartpositions.h"
#include "render/shapes.h"

#include <QImage>
#include <QPalette>
#include <QRect>
#include <array>

class QPainter;

namespace chaserom {

/// What the screen simulator shows, painted the same way in its window and in pictures of
/// it made without any window (the animations of chaserom-tool): the background picture,
/// the rule `Line1` and the 256 lamps at their places, each filled with its colour.
class SimulatorScene {
public:
    /// Every lamp at its start position, filled with `fill`.
    explicit SimulatorScene(const std::array<Bgr, LampCount>& fills);

    /// Sets the fill colours of all lamps, lamp 0 first; returns the area to repaint.
    [[nodiscard]] QRect setLampColours(const std::array<Bgr, LampCount>& colours);
    [[nodiscard]] Bgr lampColour(int lamp) const { return m_lamps.fill(lamp); }

    [[nodiscard]] const LampLayout& layout() const { return m_layout; }
    /// Moves a lamp; returns the area to repaint.
    [[nodiscard]] QRect moveLamp(int lamp, LampPosition position);
    /// Where a lamp is painted, in the client area's pixels; empty when it is hidden.
    [[nodiscard]] QRect lampRect(int lamp) const {
        return m_lamps.isVisible(lamp) ? m_lamps.rect(lamp) : QRect();
    }
    /// The smallest rectangle that holds every lamp shown.
    [[nodiscard]] QRect lampsBounds() const;

    /// Sets the background picture, drawn at its natural size from the top-left corner,
    /// one picture pixel on one pixel of the client area.
    void setBackground(const QImage& picture);
    [[nodiscard]] const QImage& background() const { return m_background; }

    /// Paints what the simulator window paints itself over its background colour: the
    /// picture, Line1 and the lamps that meet `area`.
    void paint(QPainter& painter, const QRect& area, const QPalette& palette) const;

    /// Whether a picture of the client area shows the lamps.
    enum class Lamps { Shown, Left };

    /// Paints the whole client area as the window shows it without its controls: the
    /// window's background colour, what paint() paints, then the tool strip's band and
    /// rule over it (its buttons and the channel label are left out).
    void paintClientArea(QPainter& painter, const QPalette& palette,
                         Lamps lamps = Lamps::Shown) const;

    /// The client area's size in pixels.
    [[nodiscard]] static QSize clientSize();
    /// The tool strip's place in pixels.
    [[nodiscard]] static QRect stripRect();

private:
    ShapeArray m_lamps;
    LampLayout m_layout;
    QImage m_background;
};

} // namespace chaserom
