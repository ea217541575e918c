#include "render/simulatorscene.h"

#include "core/geometry/twips.h"
#include "render/simulatorgeometry.h"

#include <QPainter>

namespace chaserom {

using namespace simulator;

namespace {

QPoint lampTopLeft(LampPosition position) {
    return {twipsToPixels(position.left), twipsToPixels(position.top)};
}

} // namespace

SimulatorScene::SimulatorScene(const std::array<Bgr, LampCount>& fills)
    : m_lamps({ShapeArray::Kind::Circle, true, Black, 1})
    , m_layout(LampStartPositions) {
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        m_lamps.add({lampTopLeft(m_layout[lamp]),
                     QSize(twipsToPixels(LampDiameter), twipsToPixels(LampDiameter))},
                    fills[lamp]);
    }
}

QRect SimulatorScene::setLampColours(const std::array<Bgr, LampCount>& colours) {
    // One area around every lamp that changed: a region of many small pieces costs more
    // to build than copying the lamps inside their bounding box.
    QRect changed;
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        changed |= m_lamps.setFill(lamp, colours[lamp]);
    }
    return changed;
}

QRect SimulatorScene::moveLamp(int lamp, LampPosition position) {
    m_layout[lamp] = position;
    return m_lamps.moveTo(lamp, lampTopLeft(position));
}

QRect SimulatorScene::lampsBounds() const {
    QRect bounds;
    for (int lamp = 0; lamp < m_lamps.size(); ++lamp) {
        if (m_lamps.isVisible(lamp)) {
            bounds |= m_lamps.rect(lamp);
        }
    }
    return bounds;
}

void SimulatorScene::setBackground(const QImage& picture) {
    // The format a window system would give a pixmap of the picture: drawing it then costs
    // a copy, not a conversion at every paint.
    m_background = picture.convertToFormat(
        picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    // One picture pixel on one window pixel (15 units), as the lamps are placed: a layout
    // made over a board picture keeps its lamps on their places at any screen scale.
    m_background.setDevicePixelRatio(1.0);
}

void SimulatorScene::paint(QPainter& painter, const QRect& area, const QPalette& palette) const {
    if (!m_background.isNull()) {
        painter.drawImage(0, 0, m_background);
    }
    paintLines(painter, palette, Line1);
    m_lamps.paint(painter, area);
}

void SimulatorScene::paintClientArea(QPainter& painter, const QPalette& palette,
                                     Lamps lamps) const {
    const QRect client(QPoint(0, 0), clientSize());
    painter.fillRect(client, palette.color(QPalette::Window));
    if (lamps == Lamps::Shown) {
        paint(painter, client, palette);
    } else {
        paint(painter, QRect(), palette);
    }
    painter.fillRect(stripRect(), palette.color(QPalette::Window));
    paintLines(painter, palette, Line2);
}

QSize SimulatorScene::clientSize() {
    return {twipsToPixels(ClientWidth), twipsToPixels(ClientHeight)};
}

QRect SimulatorScene::stripRect() {
    return twipsRect(0, 0, ClientWidth, StripHeight);
}

} // namespace chaserom
