#include "render/shapes.h"

#include "core/geometry/twips.h"
#include "render/bgrcolour.h"

#include <QPainter>

namespace chaserom {

namespace {

QColor lineColour(const PaintedLine& line, const QPalette& palette) {
    switch (line.colour) {
    case LineColour::WindowText:
        return palette.color(QPalette::WindowText);
    case LineColour::MenuBackground:
        return palette.color(QPalette::Button);
    case LineColour::WindowBackground:
        return palette.color(QPalette::Base);
    case LineColour::Fixed:
        break;
    }
    return toQColor(line.fixed);
}

} // namespace

void paintLines(QPainter& painter, const QPalette& palette, std::span<const PaintedLine> lines) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const PaintedLine& line : lines) {
        painter.setPen(QPen(lineColour(line, palette), 0));
        painter.drawLine(twipsToPixels(line.x1), twipsToPixels(line.y1), twipsToPixels(line.x2),
                         twipsToPixels(line.y2));
    }
}

ShapeArray::ShapeArray(Style style)
    : m_style(style) {}

int ShapeArray::add(const QRect& pixels, Bgr fill) {
    m_shapes.push_back({pixels, fill, true});
    return size() - 1;
}

QRect ShapeArray::setFill(int index, Bgr fill) {
    Shape& shape = m_shapes[index];
    if (shape.fill == fill) {
        return {};
    }
    shape.fill = fill;
    return shape.visible ? shape.rect : QRect();
}

QRect ShapeArray::setVisible(int index, bool visible) {
    Shape& shape = m_shapes[index];
    if (shape.visible == visible) {
        return {};
    }
    shape.visible = visible;
    return shape.rect;
}

QRect ShapeArray::moveTo(int index, const QPoint& topLeft) {
    Shape& shape = m_shapes[index];
    if (shape.rect.topLeft() == topLeft) {
        return {};
    }
    const QRect before = shape.rect;
    shape.rect.moveTopLeft(topLeft);
    return shape.visible ? before.united(shape.rect) : QRect();
}

void ShapeArray::drawOutline(QPainter& painter, const QRect& rect) const {
    // The border lies inside the shape's bounds, as the window system draws it; an aliased
    // pen of width w covers w pixels around its path, one more on the left and top side.
    const int insetTopLeft = m_style.borderWidth / 2;
    const int insetBottomRight = 1 + (m_style.borderWidth - 1) / 2;
    const QRect outline =
        rect.adjusted(insetTopLeft, insetTopLeft, -insetBottomRight, -insetBottomRight);
    if (m_style.kind == Kind::Circle) {
        painter.drawEllipse(outline);
    } else {
        painter.drawRect(outline);
    }
}

const QImage& ShapeArray::sprite(const Shape& shape, qreal pixelRatio) const {
    if (pixelRatio != m_spriteRatio) {
        m_sprites.clear();
        m_spriteRatio = pixelRatio;
    }
    const quint64 key = quint64{shape.fill} | quint64(shape.rect.width()) << 24 |
                        quint64(shape.rect.height()) << 44;
    auto found = m_sprites.find(key);
    if (found == m_sprites.end()) {
        QImage picture(shape.rect.size() * pixelRatio, QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(pixelRatio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(toQColor(m_style.border), m_style.borderWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(toQColor(shape.fill));
        drawOutline(painter, QRect(QPoint(0, 0), shape.rect.size()));
        found = m_sprites.insert(key, picture);
    }
    return *found;
}

void ShapeArray::paint(QPainter& painter, const QRect& area) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (m_style.filled) {
        const qreal ratio = painter.device()->devicePixelRatioF();
        for (const Shape& shape : m_shapes) {
            if (shape.visible && shape.rect.intersects(area)) {
                painter.drawImage(shape.rect.topLeft(), sprite(shape, ratio));
            }
        }
        return;
    }
    QPen pen(toQColor(m_style.border), m_style.borderWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const Shape& shape : m_shapes) {
        if (shape.visible && shape.rect.intersects(area)) {
            drawOutline(painter, shape.rect);
        }
    }
}

} // namespace chaserom
