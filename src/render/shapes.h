#pragma once

#include "core/colours/bgr.h"

#include <QHash>
#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <span>
#include <vector>

class QPainter;

namespace chaserom {

/// A colour of a painted line: a system colour of the window's palette, or a fixed one.
enum class LineColour { WindowText, MenuBackground, WindowBackground, Fixed };

/// A straight line painted by its window, end points in twips.
struct PaintedLine {
    int x1;
    int y1;
    int x2;
    int y2;
    LineColour colour = LineColour::WindowText;
    Bgr fixed = Black;
};

/// Paints lines given in twips, one logical pixel wide.
void paintLines(QPainter& painter, const QPalette& palette, std::span<const PaintedLine> lines);

/// A set of shapes of one kind and look, painted by their window in index order (a later
/// shape covers an earlier one): the LEDs, the strip bars, the lamps, the swatches. Shapes
/// take no pointer input; their window hit-tests positions itself.
class ShapeArray {
public:
    enum class Kind { Rectangle, Circle };

    struct Style {
        Kind kind = Kind::Rectangle;
        bool filled = true;
        Bgr border = Black;
        int borderWidth = 1;
    };

    explicit ShapeArray(Style style);

    /// Adds a shape at a place in logical pixels; returns its index.
    int add(const QRect& pixels, Bgr fill = Black);

    [[nodiscard]] int size() const { return static_cast<int>(m_shapes.size()); }
    [[nodiscard]] QRect rect(int index) const { return m_shapes[index].rect; }
    [[nodiscard]] Bgr fill(int index) const { return m_shapes[index].fill; }
    [[nodiscard]] bool isVisible(int index) const { return m_shapes[index].visible; }

    /// Each setter returns the area to repaint, empty when nothing changed.
    [[nodiscard]] QRect setFill(int index, Bgr fill);
    [[nodiscard]] QRect setVisible(int index, bool visible);
    [[nodiscard]] QRect moveTo(int index, const QPoint& topLeft);

    /// Paints the shapes that meet `area`.
    void paint(QPainter& painter, const QRect& area) const;

private:
    struct Shape {
        QRect rect;
        Bgr fill;
        bool visible;
    };

    /// A filled shape drawn once per colour and size, then copied: painting 384 circles
    /// by rasterising each one costs milliseconds, copying them costs microseconds. An
    /// image, not a pixmap, so that painting needs no window system.
    [[nodiscard]] const QImage& sprite(const Shape& shape, qreal pixelRatio) const;
    void drawOutline(QPainter& painter, const QRect& rect) const;

    Style m_style;
    std::vector<Shape> m_shapes;
    mutable QHash<quint64, QImage> m_sprites;
    mutable qreal m_spriteRatio = 0;
};

} // namespace chaserom
