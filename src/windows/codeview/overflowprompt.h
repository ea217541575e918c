#pragma once

#include "core/image/imageoperations.h"

class QWidget;

namespace chaserom {

/// Asks what to do with a copy that runs past the end of the image: Yes lengthens the
/// file, No copies what fits, Cancel (or the close box) copies nothing.
[[nodiscard]] Overflow askOverflow(QWidget* parent);

} // namespace chaserom
