#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QGraphicsItem>

namespace chaserom {

/// One lamp in the board window: a circle as the simulator draws it, in its channel's colour,
/// with its lamp number and channel number beside it. It moves with the pointer that grabbed
/// it, onto a grid when one is set.
class LampItem : public QGraphicsItem {
    Q_DECLARE_TR_FUNCTIONS(LampItem)

public:
    /// The lamp's diameter in the window's pixels, as in the simulator.
    static constexpr qreal Diameter = 17;

    explicit LampItem(int lamp);

    [[nodiscard]] int lamp() const { return m_lamp; }
    [[nodiscard]] int channel() const { return m_channel; }
    void setLook(const QColor& colour, int channel);
    /// Positions snap to this many pixels while moved; 0 for none.
    void setSnap(qreal pixels) { m_snap = pixels; }

    [[nodiscard]] QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    int m_lamp;
    int m_channel = 1;
    QColor m_colour = Qt::red;
    qreal m_snap = 0;
};

} // namespace chaserom
