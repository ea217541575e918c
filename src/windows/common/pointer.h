#pragma once

#include <Qt>

namespace chaserom {

/// The held buttons as a mask: 1 left, 2 right, 4 middle.
[[nodiscard]] inline int buttonMask(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton) {
        mask |= 1;
    }
    if (buttons & Qt::RightButton) {
        mask |= 2;
    }
    if (buttons & Qt::MiddleButton) {
        mask |= 4;
    }
    return mask;
}

} // namespace chaserom
