#include "core/files/regularfile.h"

#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace chaserom {

namespace {

QString kindReason(mode_t mode) {
    if (S_ISDIR(mode)) {
        return systemErrorReason(EISDIR);
    }
    if (S_ISFIFO(mode)) {
        return QCoreApplication::translate("RegularFile",
                                           "это именованный канал, а не обычный файл");
    }
    if (S_ISSOCK(mode)) {
        return QCoreApplication::translate("RegularFile", "это сокет, а не обычный файл");
    }
    return QCoreApplication::translate("RegularFile", "это устройство, а не обычный файл");
}

} // namespace

FileFailure openRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode,
                            FileAction action) {
    const int access = mode & QIODevice::WriteOnly ? O_RDWR : O_RDONLY;
    errno = 0;
    const int handle =
        ::open(QFile::encodeName(path).constData(), access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle < 0) {
        return lastSystemError(action, path);
    }
    struct stat status {};
    if (::fstat(handle, &status) != 0) {
        const FileError error = lastSystemError(action, path);
        ::close(handle);
        return error;
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(handle);
        return FileError{action, path, kindReason(status.st_mode)};
    }
    // Non-blocking means nothing for a regular file; it is cleared so that Qt sees a plain
    // handle.
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(handle, mode, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return FileError{action, path, systemErrorReason(EIO)};
    }
    return std::nullopt;
}

FileResult<QByteArray> readRegularFile(const QString& path, qint64 limit, FileAction action) {
    QFile file;
    if (auto failure = openRegularFile(file, path, QIODevice::ReadOnly, action)) {
        return Failed(*failure);
    }
    const auto tooLong = [&] {
        return FileError{
            action, path,
            QCoreApplication::translate("RegularFile", "файл длиннее %1 байт").arg(limit)};
    };
    if (file.size() > limit) {
        return Failed(tooLong());
    }
    errno = 0;
    // One byte more than allowed shows a file that grew past the limit since.
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        return Failed(lastSystemError(action, path));
    }
    if (bytes.size() > limit) {
        return Failed(tooLong());
    }
    return bytes;
}

std::optional<QString> notRegularFileReason(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return kindReason(status.st_mode);
}

} // namespace chaserom
