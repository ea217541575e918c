#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace chaserom {

/// An accessible object with no widget of its own and no children: something a widget
/// paints (a lamp, an LED, the cell under a cursor), a child of that widget's interface.
/// What it is, where and in what state is the subclass's to say.
class ChildlessAccessible : public QAccessibleInterface {
public:
    explicit ChildlessAccessible(QWidget* owner)
        : m_owner(owner) {}

    [[nodiscard]] bool isValid() const override { return !m_owner.isNull(); }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override {
        return m_owner ? m_owner->window()->windowHandle() : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_owner.data());
    }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override {
        return -1;
    }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override {
        return nullptr;
    }
    [[nodiscard]] QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}

protected:
    /// The widget that paints it; null once that is gone.
    [[nodiscard]] QWidget* owner() const { return m_owner.data(); }

private:
    QPointer<QWidget> m_owner;
};

} // namespace chaserom
