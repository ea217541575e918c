#pragma once

#include "core/colours/bgr.h"

#include <QColor>

namespace chaserom {

/// A 0x00BBGGRR colour as a QColor.
[[nodiscard]] inline QColor toQColor(Bgr colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

/// A QColor as 0x00BBGGRR.
[[nodiscard]] inline Bgr toBgr(const QColor& colour) {
    const QRgb rgb = colour.rgb();
    return static_cast<Bgr>(qRed(rgb)) | static_cast<Bgr>(qGreen(rgb)) << 8 |
           static_cast<Bgr>(qBlue(rgb)) << 16;
}

} // namespace chaserom
