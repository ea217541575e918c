#include "windows/board/boardview.h"

#include "windows/board/lampitem.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <utility>

namespace chaserom {

namespace {

constexpr qreal TwipsPerPixel = 15;

} // namespace

int BoardView::paintedCount() const {
    return static_cast<int>(m_lamps.size());
}

QString BoardView::paintedName(int index) const {
    const LampItem& lamp = *m_lamps.at(index);
    return lamp.isSelected() ? tr("Лампа %1, канал %2, выделена").arg(index).arg(lamp.channel())
                             : tr("Лампа %1, канал %2").arg(index).arg(lamp.channel());
}

QRect BoardView::paintedRect(int index) const {
    const LampItem& lamp = *m_lamps.at(index);
    if (!lamp.isVisible()) {
        return {};
    }
    const QRect inView = mapFromScene(lamp.sceneBoundingRect()).boundingRect();
    return {viewport()->mapTo(this, inView.topLeft()), inView.size()};
}

BoardView::BoardView(QWidget* parent)
    : QGraphicsView(parent) {
    setObjectName(QStringLiteral("BoardView"));
    setAccessibleName(tr("Лампы платы"));
    setAccessibleDescription(tr("Лампы перетаскиваются мышью или стрелками; выделение рамкой"));
    viewport()->setAccessibleName(tr("Лампы платы"));
    PaintedItems::makeAccessible();
    auto* scene = new QGraphicsScene(this);
    setScene(scene);
    setDragMode(RubberBandDrag);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackgroundBrush(QColor(0xEF, 0xEF, 0xEF));
    // Only what a move changed is painted again.
    setViewportUpdateMode(MinimalViewportUpdate);
    m_picture = scene->addPixmap(QPixmap());
    m_picture->setZValue(-1);
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        auto* item = new LampItem(lamp);
        scene->addItem(item);
        m_lamps.push_back(item);
    }
}

void BoardView::showLamps(const LampLayout& positions, int count) {
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        LampItem* item = m_lamps[lamp];
        item->setVisible(lamp < count);
        if (lamp >= count) {
            item->setSelected(false);
        }
        const QPointF place(positions[lamp].left / TwipsPerPixel,
                            positions[lamp].top / TwipsPerPixel);
        if (item->pos() != place) {
            // Placed as told, not snapped: the model holds where it stands.
            item->setSnap(0);
            item->setPos(place);
        }
    }
    setSnap(m_snapTwips);
}

void BoardView::showLook(const std::vector<QColor>& colours, const std::vector<int>& channels) {
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        m_lamps[lamp]->setLook(colours.at(lamp), channels.at(lamp));
    }
}

void BoardView::showPicture(const QImage& picture) {
    m_picture->setPixmap(QPixmap::fromImage(picture));
    scene()->setSceneRect(scene()->itemsBoundingRect().united(QRectF(0, 0, 1, 1)));
}

void BoardView::setSnap(int twips) {
    m_snapTwips = twips;
    for (LampItem* item : m_lamps) {
        item->setSnap(twips / TwipsPerPixel);
    }
}

void BoardView::zoom(int direction) {
    const qreal factor = direction > 0 ? 1.25 : 0.8;
    const qreal now = transform().m11();
    if ((direction > 0 && now < 8) || (direction < 0 && now > 0.2)) {
        scale(factor, factor);
    }
}

std::vector<int> BoardView::selectedLamps() const {
    std::vector<int> lamps;
    for (const LampItem* item : m_lamps) {
        if (item->isSelected() && item->isVisible()) {
            lamps.push_back(item->lamp());
        }
    }
    return lamps;
}

LampLayout BoardView::itemPositions() const {
    LampLayout positions{};
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        const QPointF place = m_lamps[lamp]->pos();
        positions[lamp] = {static_cast<float>(place.x() * TwipsPerPixel),
                           static_cast<float>(place.y() * TwipsPerPixel)};
    }
    return positions;
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    m_pressed = itemPositions();
    m_pressing = true;
    QGraphicsView::mousePressEvent(event);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    QGraphicsView::mouseReleaseEvent(event);
    if (!std::exchange(m_pressing, false)) {
        return;
    }
    const LampLayout after = itemPositions();
    if (after != m_pressed) {
        emit lampsMoved(m_pressed, after);
    }
}

void BoardView::keyPressEvent(QKeyEvent* event) {
    QPointF step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    default:
        QGraphicsView::keyPressEvent(event);
        return;
    }
    const std::vector<int> selected = selectedLamps();
    if (selected.empty()) {
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        step *= 10;
    }
    const LampLayout before = itemPositions();
    LampLayout after = before;
    for (const int lamp : selected) {
        after[lamp].left += static_cast<float>(step.x() * TwipsPerPixel);
        after[lamp].top += static_cast<float>(step.y() * TwipsPerPixel);
    }
    emit lampsMoved(before, after);
}

} // namespace chaserom
