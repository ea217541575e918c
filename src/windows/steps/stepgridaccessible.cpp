#include "windows/steps/stepgridaccessible.h"

#include "windows/steps/stepgridview.h"

namespace chaserom {

StepGridAccessible::StepGridAccessible(StepGridView* grid)
    : QAccessibleWidget(grid, QAccessible::Table) {}

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
    QAccessibleValueChangeEvent event(grid, grid->cursorText());
    QAccessible::updateAccessibility(&event);
}

} // namespace chaserom
