#pragma once

#include <QString>
#include <QtGlobal>

namespace chaserom {

/// Which file a path names, whatever the path's spelling: the device and inode of the file
/// it reaches after symbolic links are resolved, or, for a name where no file stands yet,
/// the absolute path of the name with its folder's links resolved. Two paths name the same
/// file exactly when their identities are equal.
class FileIdentity {
public:
    FileIdentity() = default;
    [[nodiscard]] static FileIdentity of(const QString& path);
    /// The identity of the name itself, a symbolic link not followed: for a write that
    /// replaces a link at its name rather than the file it points to.
    [[nodiscard]] static FileIdentity ofName(const QString& path);
    /// The identity of a file already open, taken from its handle (fstat).
    [[nodiscard]] static FileIdentity ofHandle(int handle);
    /// The identity of the file on `device` at `inode`, as stat() gives them.
    [[nodiscard]] static FileIdentity ofDeviceAndInode(quint64 device, quint64 inode);

    [[nodiscard]] bool isEmpty() const { return !m_exists && m_resolvedPath.isEmpty(); }
    [[nodiscard]] bool exists() const { return m_exists; }
    [[nodiscard]] bool operator==(const FileIdentity& other) const;

private:
    [[nodiscard]] static FileIdentity ofPath(const QString& path, bool followLinks);

    bool m_exists = false;
    quint64 m_device = 0;
    quint64 m_inode = 0;
    /// For a name where no file stands.
    QString m_resolvedPath;
};

} // namespace chaserom
