#include "core/files/fileio.h"

#include "core/files/regularfile.h"

#include <QFile>
#include <cerrno>

namespace chaserom {

FileFailure readFileStart(const QString& path, qint64 limit, FileAction action,
                          QByteArray& content) {
    content.clear();
    QFile file;
    if (auto failure = openRegularFile(file, path, QIODevice::ReadOnly, action)) {
        return failure;
    }
    errno = 0;
    content = file.read(limit);
    if (file.error() != QFileDevice::NoError) {
        content.clear();
        return lastSystemError(action, path);
    }
    return std::nullopt;
}

FileFailure writeFileAtomically(const QString& path, QByteArrayView content, FileAction action,
                                AtomicFile::AtLink atLink) {
    AtomicFile file(path, action, atLink);
    if (auto failure = file.open()) {
        return failure;
    }
    if (auto failure = file.write(content)) {
        return failure;
    }
    return file.commit();
}

} // namespace chaserom
