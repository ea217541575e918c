#include "core/files/fileidentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace chaserom {

FileIdentity FileIdentity::of(const QString& path) {
    return ofPath(path, true);
}

FileIdentity FileIdentity::ofName(const QString& path) {
    return ofPath(path, false);
}

FileIdentity FileIdentity::ofPath(const QString& path, bool followLinks) {
    FileIdentity identity;
    if (path.isEmpty()) {
        return identity;
    }
    struct stat status {};
    const QByteArray name = QFile::encodeName(path);
    if ((followLinks ? ::stat(name.constData(), &status) : ::lstat(name.constData(), &status)) ==
        0) {
        return ofDeviceAndInode(status.st_dev, status.st_ino);
    }
    const QFileInfo info(path);
    const QString folder = info.absoluteDir().canonicalPath();
    identity.m_resolvedPath =
        folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
    return identity;
}

FileIdentity FileIdentity::ofHandle(int handle) {
    struct stat status {};
    if (::fstat(handle, &status) != 0) {
        return {};
    }
    return ofDeviceAndInode(status.st_dev, status.st_ino);
}

FileIdentity FileIdentity::ofDeviceAndInode(quint64 device, quint64 inode) {
    FileIdentity identity;
    identity.m_exists = true;
    identity.m_device = device;
    identity.m_inode = inode;
    return identity;
}

bool FileIdentity::operator==(const FileIdentity& other) const {
    if (isEmpty() || other.isEmpty() || m_exists != other.m_exists) {
        return false;
    }
    if (m_exists) {
        return m_device == other.m_device && m_inode == other.m_inode;
    }
    return m_resolvedPath == other.m_resolvedPath;
}

} // namespace chaserom
