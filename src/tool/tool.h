#pragma once

#include <QStringList>

namespace chaserom::tool {

/// Runs chaserom-tool on its arguments (without the program's name); returns the exit
/// status.
[[nodiscard]] int runTool(const QStringList& arguments);

} // namespace chaserom::tool
