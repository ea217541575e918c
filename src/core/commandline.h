#pragma once

#include <QString>
#include <QStringList>

namespace chaserom {

/// What the command line asks for: `chaserom [--steps] [IMAGE]`, `--help` or `--version`.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    /// The image to open at start-up instead of asking; empty to ask.
    QString image;
    /// What was wrong, for Action::Error.
    QString error;
    /// Whether the step editor opens at start-up.
    bool steps = false;
};

/// Reads the arguments after the program name.
[[nodiscard]] CommandLine parseCommandLine(const QStringList& arguments);

/// The text `--help` prints.
[[nodiscard]] QString helpText();
/// The text `--version` prints.
[[nodiscard]] QString versionText();

} // namespace chaserom
