#pragma once

#include "core/image/imagecompare.h"
#include "core/steps/stepoperations.h"

#include <QList>

namespace chaserom {

/// The steps in which two compared images differ, as the step editor lists them: each run of
/// differing bytes widened to the whole steps it touches, and spans that touch or overlap
/// merged into one, in address order. A difference in length alone marks no step.
[[nodiscard]] QList<StepSpan> differingSteps(const ImageComparison& comparison, int stepLength);

} // namespace chaserom
