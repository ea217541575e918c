#pragma once

#include "core/files/fileerror.h"
#include "core/files/fileidentity.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace chaserom {

/// The files no write of the program may land on: the open image, its backup, and the
/// files the program has read and still relies on (the colour file, a lamp layout, a
/// picture). A target is compared with each by file identity, so that a relative path, a
/// second spelling or a symbolic link cannot slip past, and refused by name before
/// anything is written.
class ProtectedFiles {
public:
    enum class Role { Image, Backup, ColourFile, Layout, Picture };

    /// Remembers the file at `path` in `role`, replacing the one held there before; an
    /// empty path forgets it. `identity` is the file's identity when it is already known
    /// from an open handle.
    void set(Role role, const QString& path, const FileIdentity& identity = {});
    [[nodiscard]] const QString& path(Role role) const;

    /// Refuses `target` when it is one of the protected files or one of `inputs` (the files
    /// the operation itself reads): a failure of `action` naming the target and the file it
    /// would replace. A write that stands for the file of role `itself` (a layout saved
    /// over the layout it loaded) may replace that one.
    [[nodiscard]] FileFailure checkTarget(const QString& target, FileAction action,
                                          const QList<QString>& inputs = {},
                                          std::optional<Role> itself = std::nullopt) const;
    /// The same for a write that replaces a symbolic link at `target` rather than the file
    /// it points to: the name itself is compared.
    [[nodiscard]] FileFailure checkLinkReplacingTarget(const QString& target, FileAction action,
                                                       const QList<QString>& inputs,
                                                       std::optional<Role> itself) const;

private:
    [[nodiscard]] FileFailure check(const FileIdentity& wanted, const QString& target,
                                    FileAction action, const QList<QString>& inputs,
                                    std::optional<Role> itself) const;

    struct Entry {
        QString path;
        /// The identity when the file was remembered: the image stays protected even when
        /// its name has been given to another file since.
        FileIdentity identity;
    };
    static constexpr int RoleCount = 5;
    std::array<Entry, RoleCount> m_entries;
};

/// The reason a write onto a file the operation reads is refused, naming that file.
[[nodiscard]] QString overwritesInputReason(const QString& input);

} // namespace chaserom
