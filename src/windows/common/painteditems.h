#pragma once

#include <QAccessibleWidget>
#include <QRect>
#include <QString>
#include <vector>

namespace chaserom {

/// Things a widget paints rather than holds as widgets (lamps, LEDs), told to a screen
/// reader one by one. A widget that paints such things inherits this and answers for them.
class PaintedItems {
public:
    PaintedItems() = default;
    PaintedItems(const PaintedItems&) = delete;
    PaintedItems& operator=(const PaintedItems&) = delete;
    virtual ~PaintedItems() = default;

    [[nodiscard]] virtual int paintedCount() const = 0;
    /// What the item is and its state, in the interface's language.
    [[nodiscard]] virtual QString paintedName(int index) const = 0;
    /// Where it is, in the widget's own coordinates; empty when it is not shown.
    [[nodiscard]] virtual QRect paintedRect(int index) const = 0;

    /// Lets every widget that inherits PaintedItems show its items to screen readers.
    static void makeAccessible();
};

/// The accessible side of a widget with painted items: its child widgets, then one
/// accessible object per item.
class PaintedItemsAccessible : public QAccessibleWidget {
public:
    PaintedItemsAccessible(QWidget* widget, const PaintedItems& items);
    ~PaintedItemsAccessible() override;
    PaintedItemsAccessible(const PaintedItemsAccessible&) = delete;
    PaintedItemsAccessible& operator=(const PaintedItemsAccessible&) = delete;

    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;

private:
    const PaintedItems& m_items;
    /// The items' interfaces, made when first asked for and kept in Qt's cache.
    mutable std::vector<QAccessible::Id> m_itemIds;
};

} // namespace chaserom
