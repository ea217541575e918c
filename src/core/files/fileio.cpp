#include "core/files/fileio.h"

#include <QFile>
#include <cerrno>

namespace chaserom {

FileFailure readFileStart(const QString& path, qint64 limit, FileAction action,
                          QByteArray& content) {
    content.clear();
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        return lastSystemError(action, path);
    }
    errno = 0;
    content = file.read(limit);
    if (file.error() != QFileDevice::NoError) {
        content.clear();
        return lastSystemError(action, path);
    }
    return std::nullopt;
}

FileFailure writeFileAtomically(const QString& path, QByteArrayView content, FileAction action) {
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        return lastSystemError(action, path);
    }
    errno = 0;
    if (file.write(content.data(), content.size()) != content.size()) {
        const FileError error = lastSystemError(action, path);
        file.cancelWriting();
        return error;
    }
    return commitSaveFile(file, action);
}

FileFailure commitSaveFile(QSaveFile& file, FileAction action) {
    errno = 0;
    if (!file.flush()) {
        const FileError error = lastSystemError(action, file.fileName());
        file.cancelWriting();
        return error;
    }
    errno = 0;
    if (!file.commit()) {
        return lastSystemError(action, file.fileName());
    }
    return std::nullopt;
}

} // namespace chaserom
