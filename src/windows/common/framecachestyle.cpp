#include "windows/common/framecachestyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace chaserom {

FrameCacheStyle::FrameCacheStyle()
    : QProxyStyle(QApplication::style()->name()) {}

void FrameCacheStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_PanelLineEdit || !frame ||
        painter->transform().type() > QTransform::TxTranslate) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatioF();
    const PanelKey key{option->rect.size(),
                       ratio,
                       static_cast<int>(option->state),
                       frame->lineWidth,
                       static_cast<int>(frame->features),
                       option->palette.cacheKey()};
    auto panel = m_panels.constFind(key);
    if (panel == m_panels.constEnd()) {
        QPixmap picture(option->rect.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter pixmapPainter(&picture);
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTopLeft(QPoint(0, 0));
        QProxyStyle::drawPrimitive(element, &atOrigin, &pixmapPainter, widget);
        pixmapPainter.end();
        panel = m_panels.insert(key, picture);
    }
    painter->drawPixmap(option->rect.topLeft(), *panel);
}

} // namespace chaserom
