#include "core/files/atomicfile.h"

#include "core/files/regularfile.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace chaserom {

namespace {

/// The permissions a new file gets from this process: read and write for all, less the
/// umask.
mode_t newFilePermissions() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

AtomicFile::AtomicFile(const QString& path, FileAction action, AtLink atLink)
    : m_path(path)
    , m_action(action)
    , m_atLink(atLink) {}

AtomicFile::~AtomicFile() = default;

FileFailure AtomicFile::failure() {
    const FileError error = lastSystemError(m_action, m_path);
    if (m_saveFile) {
        m_saveFile->cancelWriting();
    }
    return error;
}

FileFailure AtomicFile::open() {
    const bool isLink = QFileInfo(m_path).isSymLink();
    if (!(isLink && m_atLink == AtLink::ReplaceLink)) {
        if (auto reason = notRegularFileReason(m_path)) {
            return FileError{m_action, m_path, *reason};
        }
    }
    errno = 0;
    if (isLink && m_atLink == AtLink::ReplaceLink) {
        const QFileInfo info(m_path);
        m_temporary = std::make_unique<QTemporaryFile>(
            info.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
        if (!m_temporary->open()) {
            return failure();
        }
        ::fchmod(m_temporary->handle(), newFilePermissions());
        m_device = m_temporary.get();
        return std::nullopt;
    }
    m_saveFile = std::make_unique<QSaveFile>(m_path);
    if (!m_saveFile->open(QIODevice::WriteOnly)) {
        return failure();
    }
    m_device = m_saveFile.get();
    return std::nullopt;
}

FileFailure AtomicFile::write(QByteArrayView bytes) {
    errno = 0;
    if (m_device->write(bytes.data(), bytes.size()) != bytes.size()) {
        return failure();
    }
    return std::nullopt;
}

FileFailure AtomicFile::commit() {
    // commit() alone does not see a write that the buffer's flush cut short (a size limit, a
    // full disk), so the flush is checked first.
    errno = 0;
    if (!m_device->flush()) {
        return failure();
    }
    if (m_temporary) {
        return commitReplacingLink();
    }
    errno = 0;
    if (!m_saveFile->commit()) {
        return lastSystemError(m_action, m_path);
    }
    return std::nullopt;
}

FileFailure AtomicFile::commitReplacingLink() {
    errno = 0;
    if (::fsync(m_temporary->handle()) != 0) {
        return failure();
    }
    // rename() replaces the link itself, never the file it points to.
    const QByteArray from = QFile::encodeName(m_temporary->fileName());
    errno = 0;
    if (std::rename(from.constData(), QFile::encodeName(m_path).constData()) != 0) {
        return failure();
    }
    m_temporary->setAutoRemove(false);
    return std::nullopt;
}

} // namespace chaserom
