#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace chaserom {

class StepGridView;

/// What a screen reader learns of the step grid: its name, and the lamp under the cursor
/// («Шаг 12, канал 3: горит»), both as the grid's value and as a child that holds the
/// focus, told again whenever the cursor moves or that lamp changes.
class StepGridAccessible : public QAccessibleWidget {
    Q_DECLARE_TR_FUNCTIONS(StepGridAccessible)

public:
    explicit StepGridAccessible(StepGridView* grid);
    ~StepGridAccessible() override;
    StepGridAccessible(const StepGridAccessible&) = delete;
    StepGridAccessible& operator=(const StepGridAccessible&) = delete;

    [[nodiscard]] QString text(QAccessible::Text kind) const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;

    /// Made for every StepGridView the accessibility bridge asks about.
    static QAccessibleInterface* create(const QString& className, QObject* object);
    /// Tells the screen reader what the cursor's lamp is now.
    static void cursorMoved(StepGridView* grid);

private:
    [[nodiscard]] const StepGridView& grid() const;
    /// The lamp under the cursor, as a child of the grid.
    [[nodiscard]] QAccessibleInterface* cursorCell() const;

    mutable QAccessible::Id m_cursorCell = 0;
};

} // namespace chaserom
