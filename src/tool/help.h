#pragma once

#include <QString>

namespace chaserom::tool {

/// The text `chaserom-tool --help` prints: the program and every command.
[[nodiscard]] QString toolHelp();
/// The text `chaserom-tool COMMAND --help` prints.
[[nodiscard]] QString commandHelp(const char* command);
/// The text `--version` prints.
[[nodiscard]] QString toolVersion();

} // namespace chaserom::tool
