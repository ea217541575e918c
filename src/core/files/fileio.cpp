#include "core/files/fileio.h"

#include "core/files/regularfile.h"

#include <QFile>
#include <cerrno>

namespace chaserom {

FileResult<QByteArray> readFileStart(const QString& path, qint64 limit, FileAction action) {
    QFile file;
    if (auto failure = openRegularFile(file, path, QIODevice::ReadOnly, action)) {
        return Failed(*failure);
    }
    errno = 0;
    QByteArray content = file.read(limit);
    if (file.error() != QFileDevice::NoError) {
        return Failed(lastSystemError(action, path));
    }
    return content;
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
