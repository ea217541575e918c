#include "windows/steps/differencespanel.h"

#include "core/steps/differingsteps.h"
#include "core/steps/stepsmodel.h"
#include "windows/steps/stepcommands.h"
#include "windows/steps/stepgridview.h"

#include <QListWidget>

namespace chaserom {

DifferencesPanel::DifferencesPanel(const StepsModel& steps, StepGridView& grid, QWidget* parent)
    : QDockWidget(tr("Различия"), parent)
    , m_steps(steps)
    , m_grid(grid)
    , m_list(new QListWidget(this)) {
    setObjectName(QStringLiteral("DifferencesPanel"));
    m_list->setObjectName(QStringLiteral("DifferencesList"));
    setWidget(m_list);
    connect(m_list, &QListWidget::currentRowChanged, this, &DifferencesPanel::showDifference);
    connect(&m_steps, &StepsModel::reset, this, [this] {
        if (!m_differences.isEmpty() || isVisible()) {
            m_differences.clear();
            m_list->clear();
            m_grid.setDifferences({});
            hide();
        }
    });
}

void DifferencesPanel::showComparison(const QString& otherName, const ImageComparison& comparison) {
    m_list->clear();
    m_differences = differingSteps(comparison, m_steps.stepLength());
    for (const StepSpan& span : std::as_const(m_differences)) {
        m_list->addItem(StepCommands::stepsText(span));
    }
    if (comparison.sizeA != comparison.sizeB) {
        m_list->addItem(tr("длина: %1 байт, у «%2» %3")
                            .arg(comparison.sizeA)
                            .arg(otherName)
                            .arg(comparison.sizeB));
    }
    if (comparison.identical()) {
        m_list->addItem(tr("совпадает с «%1»").arg(otherName));
    }
    setWindowTitle(tr("Различия с «%1»").arg(otherName));
    show();
    m_grid.setDifferences(m_differences);
    if (!m_differences.isEmpty()) {
        m_list->setCurrentRow(0);
    }
}

void DifferencesPanel::showDifference(int index) {
    if (index >= 0 && index < m_differences.size()) {
        m_grid.setCursor(m_differences[index].first, m_grid.cursorChannel());
    }
}

void DifferencesPanel::next() {
    const int cursor = m_grid.cursorStep();
    for (int i = 0; i < m_differences.size(); ++i) {
        if (m_differences[i].first > cursor) {
            goToDifference(i);
            return;
        }
    }
    if (!m_differences.isEmpty()) {
        goToDifference(0);
    }
}

void DifferencesPanel::previous() {
    const int cursor = m_grid.cursorStep();
    for (int i = static_cast<int>(m_differences.size()) - 1; i >= 0; --i) {
        if (m_differences[i].first < cursor) {
            goToDifference(i);
            return;
        }
    }
    if (!m_differences.isEmpty()) {
        goToDifference(static_cast<int>(m_differences.size()) - 1);
    }
}

void DifferencesPanel::goToDifference(int index) {
    m_list->setCurrentRow(index);
    // The row may be the current one already, after the cursor was moved off its step.
    showDifference(index);
}

} // namespace chaserom
