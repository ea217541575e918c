#pragma once

#include "core/image/imagecompare.h"
#include "core/steps/stepoperations.h"

#include <QDockWidget>
#include <QList>

class QListWidget;

namespace chaserom {

class StepGridView;
class StepsModel;

/// "Различия": the steps in which the image differs from one compared with it, listed and
/// marked in the grid. Choosing one puts the grid's cursor on it. The comparison belongs to
/// the image and the steps it was made on: another image or channel count clears it.
class DifferencesPanel : public QDockWidget {
    Q_OBJECT
    Q_DISABLE_COPY(DifferencesPanel)

public:
    DifferencesPanel(const StepsModel& steps, StepGridView& grid, QWidget* parent);

    /// Lists where the image differs from `otherName`, marks it and shows the panel.
    void showComparison(const QString& otherName, const ImageComparison& comparison);
    /// Goes to the first difference after the cursor's step, or back to the first one.
    void next();
    /// Goes to the last difference before the cursor's step, or round to the last one.
    void previous();

private:
    void showDifference(int index);
    /// Marks a difference in the list and puts the cursor on it.
    void goToDifference(int index);

    const StepsModel& m_steps;
    StepGridView& m_grid;
    QListWidget* m_list;
    /// The differing steps of the last comparison, in address order.
    QList<StepSpan> m_differences;
};

} // namespace chaserom
