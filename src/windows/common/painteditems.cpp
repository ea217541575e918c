#include "windows/common/painteditems.h"

#include "windows/common/childlessaccessible.h"

namespace chaserom {

namespace {

/// One painted item as a screen reader sees it: a picture with a name and a place.
class PaintedItemAccessible : public ChildlessAccessible {
public:
    PaintedItemAccessible(QWidget* owner, const PaintedItems& items, int index)
        : ChildlessAccessible(owner)
        , m_items(items)
        , m_index(index) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && owner() ? m_items.paintedName(m_index) : QString();
    }
    [[nodiscard]] QRect rect() const override {
        if (!owner()) {
            return {};
        }
        const QRect place = m_items.paintedRect(m_index);
        return {owner()->mapToGlobal(place.topLeft()), place.size()};
    }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Graphic; }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible =
            !owner() || !owner()->isVisible() || m_items.paintedRect(m_index).isEmpty();
        return state;
    }

private:
    const PaintedItems& m_items;
    int m_index;
};

QAccessibleInterface* createPaintedItemsAccessible(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const auto* items = dynamic_cast<const PaintedItems*>(object);
    return widget && items ? new PaintedItemsAccessible(widget, *items) : nullptr;
}

} // namespace

void PaintedItems::makeAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(&createPaintedItemsAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

PaintedItemsAccessible::PaintedItemsAccessible(QWidget* widget, const PaintedItems& items)
    : QAccessibleWidget(widget, widget->isWindow() ? QAccessible::Window : QAccessible::Client)
    , m_items(items) {}

PaintedItemsAccessible::~PaintedItemsAccessible() {
    for (const QAccessible::Id id : m_itemIds) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

int PaintedItemsAccessible::childCount() const {
    return QAccessibleWidget::childCount() + m_items.paintedCount();
}

QAccessibleInterface* PaintedItemsAccessible::child(int index) const {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) {
        return QAccessibleWidget::child(index);
    }
    const int item = index - widgets;
    if (item >= m_items.paintedCount()) {
        return nullptr;
    }
    if (m_itemIds.size() < static_cast<size_t>(m_items.paintedCount())) {
        m_itemIds.resize(static_cast<size_t>(m_items.paintedCount()), 0);
    }
    QAccessible::Id& id = m_itemIds[static_cast<size_t>(item)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(
            new PaintedItemAccessible(widget(), m_items, item));
    }
    return QAccessible::accessibleInterface(id);
}

int PaintedItemsAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const int widgets = QAccessibleWidget::childCount();
    for (size_t item = 0; item < m_itemIds.size(); ++item) {
        if (m_itemIds[item] != 0 && QAccessible::accessibleInterface(m_itemIds[item]) == child) {
            return widgets + static_cast<int>(item);
        }
    }
    return QAccessibleWidget::indexOfChild(child);
}

} // namespace chaserom
