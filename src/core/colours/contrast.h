#pragma once

#include "core/colours/bgr.h"

namespace chaserom {

/// How far apart two colours read, as WCAG measures it: from 1 (the same) to 21 (black on
/// white). Text reads from 4.5 up.
[[nodiscard]] double contrastRatio(Bgr first, Bgr second);

/// Whether black text reads better than white on `background`.
[[nodiscard]] bool blackTextReadsOn(Bgr background);

} // namespace chaserom
