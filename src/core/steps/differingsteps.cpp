#include "core/steps/differingsteps.h"

namespace chaserom {

QList<StepSpan> differingSteps(const ImageComparison& comparison, int stepLength) {
    QList<StepSpan> steps;
    for (const DifferingRun& run : comparison.runs) {
        const int first = static_cast<int>(run.first / stepLength);
        const int last = static_cast<int>(run.last / stepLength);
        // The runs come in address order, so a run can only reach the last span or lie after it.
        if (!steps.isEmpty() && steps.back().first + steps.back().count >= first) {
            StepSpan& merged = steps.back();
            merged.count = last - merged.first + 1;
        } else {
            steps.append(StepSpan{first, last - first + 1});
        }
    }
    return steps;
}

} // namespace chaserom
