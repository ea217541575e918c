#include "windows/board/lampitem.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <cmath>

namespace chaserom {

namespace {

/// Room beside the circle for "lamp:channel".
constexpr qreal LabelWidth = 44;
constexpr qreal LabelHeight = 12;

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
    return {-2, -2, Diameter + 4 + LabelWidth, Diameter + 4};
}

void LampItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                     QWidget* /*widget*/) {
    const bool selected = option->state & QStyle::State_Selected;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(selected ? QColor(255, 200, 0) : Qt::black, selected ? 3 : 1));
    painter->setBrush(m_colour);
    painter->drawEllipse(QRectF(0, 0, Diameter, Diameter));
    const QRectF label(Diameter + 2, (Diameter - LabelHeight) / 2, LabelWidth, LabelHeight);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(255, 255, 255, 200));
    painter->drawRect(label);
    QFont small = painter->font();
    small.setPixelSize(10);
    painter->setFont(small);
    painter->setPen(Qt::black);
    painter->drawText(label, Qt::AlignLeft | Qt::AlignVCenter,
                      QStringLiteral("%1:%2").arg(m_lamp).arg(m_channel));
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
