#include "windows/board/lampitem.h"

#include "core/colours/contrast.h"
#include "render/bgrcolour.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <cmath>

namespace chaserom {

namespace {

/// Room under the circle for the channel number.
constexpr qreal ChannelHeight = 9;

/// Black or white, whichever reads better on `background`.
QColor textOn(const QColor& background) {
    return blackTextReadsOn(toBgr(background)) ? Qt::black : Qt::white;
}

} // namespace

LampItem::LampItem(int lamp)
    : m_lamp(lamp) {
    setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
    setToolTip(QStringLiteral("%1").arg(lamp));
}

void LampItem::setLook(const QColor& colour, int channel) {
    if (m_colour == colour && m_channel == channel) {
        return;
    }
    m_colour = colour;
    m_channel = channel;
    update();
}

QRectF LampItem::boundingRect() const {
    return {-2, -2, Diameter + 4, Diameter + 4 + ChannelHeight};
}

void LampItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                     QWidget* /*widget*/) {
    const bool selected = option->state & QStyle::State_Selected;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(selected ? QColor(255, 200, 0) : Qt::black, selected ? 3 : 1));
    painter->setBrush(m_colour);
    const QRectF circle(0, 0, Diameter, Diameter);
    painter->drawEllipse(circle);
    // The lamp's number inside it, its channel's under it, small enough for lamps side by
    // side.
    QFont small = painter->font();
    small.setPixelSize(m_lamp >= 100 ? 7 : 9);
    painter->setFont(small);
    painter->setPen(textOn(m_colour));
    painter->drawText(circle, Qt::AlignCenter, QString::number(m_lamp));
    small.setPixelSize(8);
    painter->setFont(small);
    painter->setPen(QColor(40, 40, 160));
    painter->drawText(QRectF(0, Diameter, Diameter, ChannelHeight), Qt::AlignCenter,
                      tr("к%1").arg(m_channel));
}

QVariant LampItem::itemChange(GraphicsItemChange change, const QVariant& value) {
    if (change == ItemPositionChange && m_snap > 0) {
        const QPointF point = value.toPointF();
        return QPointF(std::round(point.x() / m_snap) * m_snap,
                       std::round(point.y() / m_snap) * m_snap);
    }
    return QGraphicsItem::itemChange(change, value);
}

} // namespace chaserom
