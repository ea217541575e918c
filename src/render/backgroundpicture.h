#pragma once

#include "core/files/fileerror.h"

#include <QImage>
#include <QString>

namespace chaserom {

/// Loads a picture file in any format Qt reads, for the simulator's background. Only a
/// regular file is read.
[[nodiscard]] FileResult<QImage> loadBackgroundPicture(const QString& path);

} // namespace chaserom
