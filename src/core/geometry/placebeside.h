#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace chaserom {

/// Where a window of `size` goes so that it leaves `avoid` in view: at its right, else at its
/// left, else under it, else over it, on the side with the most room when none has enough,
/// and always inside `available` (the screen's work area).
[[nodiscard]] QPoint placeBeside(const QRect& avoid, const QSize& size, const QRect& available);

} // namespace chaserom
