#include "windows/steps/stepgridaccessible.h"

#include "windows/common/childlessaccessible.h"
#include "windows/steps/stepgridview.h"

namespace chaserom {

namespace {

/// The lamp under the grid's cursor: wherever the cursor goes, this one object is told
/// again, with the lamp's step, channel and state as its name.
class CursorCellAccessible : public ChildlessAccessible {
public:
    explicit CursorCellAccessible(StepGridView* grid)
        : ChildlessAccessible(grid) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && grid() ? grid()->cursorText() : QString();
    }
    [[nodiscard]] QRect rect() const override {
        if (!grid()) {
            return {};
        }
        const QRect cell = grid()->cellRect(grid()->cursorStep(), grid()->cursorChannel());
        return {grid()->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
    }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::ListItem; }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.focused = grid() && grid()->hasFocus();
        state.invisible = !grid() || !grid()->isVisible();
        return state;
    }

private:
    [[nodiscard]] const StepGridView* grid() const {
        return static_cast<const StepGridView*>(owner());
    }
};

} // namespace

StepGridAccessible::StepGridAccessible(StepGridView* grid)
    : QAccessibleWidget(grid, QAccessible::List) {}

StepGridAccessible::~StepGridAccessible() {
    if (m_cursorCell != 0) {
        QAccessible::deleteAccessibleInterface(m_cursorCell);
    }
}

const StepGridView& StepGridAccessible::grid() const {
    return *static_cast<const StepGridView*>(object());
}

QString StepGridAccessible::text(QAccessible::Text kind) const {
    switch (kind) {
    case QAccessible::Name:
        return tr("Шаги эффекта: лампы по шагам и каналам");
    case QAccessible::Value:
        return grid().cursorText();
    case QAccessible::Description:
        return tr("Стрелки двигают курсор, пробел зажигает или гасит лампу под ним");
    default:
        return QAccessibleWidget::text(kind);
    }
}

QAccessibleInterface* StepGridAccessible::cursorCell() const {
    if (m_cursorCell == 0) {
        m_cursorCell = QAccessible::registerAccessibleInterface(
            new CursorCellAccessible(static_cast<StepGridView*>(widget())));
    }
    return QAccessible::accessibleInterface(m_cursorCell);
}

int StepGridAccessible::childCount() const {
    return QAccessibleWidget::childCount() + 1;
}

QAccessibleInterface* StepGridAccessible::child(int index) const {
    const int widgets = QAccessibleWidget::childCount();
    return index < widgets ? QAccessibleWidget::child(index)
                           : (index == widgets ? cursorCell() : nullptr);
}

int StepGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && child == cursorCell() ? QAccessibleWidget::childCount()
                                          : QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface* StepGridAccessible::focusChild() const {
    return grid().hasFocus() ? cursorCell() : QAccessibleWidget::focusChild();
}

QAccessibleInterface* StepGridAccessible::create(const QString& className, QObject* object) {
    if (className == QLatin1String("chaserom::StepGridView") && object && object->isWidgetType()) {
        return new StepGridAccessible(static_cast<StepGridView*>(object));
    }
    return nullptr;
}

void StepGridAccessible::cursorMoved(StepGridView* grid) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleValueChangeEvent value(grid, grid->cursorText());
    QAccessible::updateAccessibility(&value);
    auto* shown = static_cast<StepGridAccessible*>(QAccessible::queryAccessibleInterface(grid));
    QAccessibleInterface* cell = shown->cursorCell();
    QAccessibleEvent renamed(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    if (grid->hasFocus()) {
        QAccessibleEvent focused(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}

} // namespace chaserom
