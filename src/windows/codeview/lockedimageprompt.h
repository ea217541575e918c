#pragma once

#include <QString>

class QWidget;

namespace chaserom {

/// Asks whether to open an image that another copy of the program holds open: two copies
/// writing one image would overwrite each other's edits. True for "Yes".
[[nodiscard]] bool askOpenLockedImage(QWidget* parent, const QString& path);

} // namespace chaserom
