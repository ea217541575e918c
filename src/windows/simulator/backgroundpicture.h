#pragma once

#include "core/files/fileerror.h"

#include <QPixmap>
#include <QString>

namespace chaserom {

/// Loads a picture file in any format Qt reads, for the simulator's background.
[[nodiscard]] FileFailure loadBackgroundPicture(const QString& path, QPixmap& picture);

} // namespace chaserom
