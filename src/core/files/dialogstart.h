#pragma once

#include <QString>

namespace chaserom {

/// Where a file dialog opens: `start`, unless it lies under /proc, /sys or /dev, where the
/// dialog's mere listing of a folder can read a file that never ends (/proc/kmsg) and freeze
/// the program; then `fallback`, or the home folder if that lies there too.
[[nodiscard]] QString safeDialogStart(const QString& start, const QString& fallback);

} // namespace chaserom
