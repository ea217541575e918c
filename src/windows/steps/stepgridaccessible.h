#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace chaserom {

class StepGridView;

/// What a screen reader learns of the step grid: its name, and as its value the lamp under
/// the cursor («Шаг 12, канал 3: горит»), told again whenever the cursor moves or that lamp
/// changes.
class StepGridAccessible : public QAccessibleWidget {
    Q_DECLARE_TR_FUNCTIONS(StepGridAccessible)

public:
    explicit StepGridAccessible(StepGridView* grid);

    [[nodiscard]] QString text(QAccessible::Text kind) const override;

    /// Made for every StepGridView the accessibility bridge asks about.
    static QAccessibleInterface* create(const QString& className, QObject* object);
    /// Tells the screen reader what the cursor's lamp is now.
    static void cursorMoved(StepGridView* grid);

private:
    [[nodiscard]] const StepGridView& grid() const;
};

} // namespace chaserom
