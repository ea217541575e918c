#pragma once

#include <QPalette>

namespace chaserom {

/// The colours of Qt's own light palette that the windows paint with where no desktop theme
/// sets others: the window #EFEFEF, its text black, the base of a text box white. Pictures
/// of a window made without one (the frames of chaserom-tool) take these.
[[nodiscard]] QPalette standardPalette();

} // namespace chaserom
