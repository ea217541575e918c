#include "core/files/regularfile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace chaserom {

namespace {

/// Closes a file descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int descriptor)
        : m_descriptor(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (m_descriptor >= 0) {
            ::close(m_descriptor);
        }
    }
    [[nodiscard]] int get() const { return m_descriptor; }

private:
    int m_descriptor;
};

FileError tooLong(FileAction action, const QString& path, qint64 limit) {
    return {action, path, QStringLiteral("файл длиннее %1 байт").arg(limit)};
}

} // namespace

FileFailure readRegularFile(const QString& path, qint64 limit, FileAction action,
                            QByteArray& content) {
    content.clear();
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    errno = 0;
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        return lastSystemError(action, path);
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return lastSystemError(action, path);
    }
    if (S_ISDIR(status.st_mode)) {
        return FileError{action, path, systemErrorReason(EISDIR)};
    }
    if (!S_ISREG(status.st_mode)) {
        return FileError{action, path,
                         QStringLiteral("это не обычный файл, а канал, устройство или сокет")};
    }
    if (status.st_size > limit) {
        return tooLong(action, path, limit);
    }
    QByteArray bytes(static_cast<qsizetype>(status.st_size), Qt::Uninitialized);
    qsizetype filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            // The file may have grown since fstat: read on until its end.
            if (filled >= limit) {
                char extra = 0;
                if (::read(file.get(), &extra, 1) > 0) {
                    return tooLong(action, path, limit);
                }
                break;
            }
            bytes.resize(std::min<qint64>(bytes.size() + 65536, limit));
        }
        errno = 0;
        const ssize_t got =
            ::read(file.get(), bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastSystemError(action, path);
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    bytes.truncate(filled);
    content = std::move(bytes);
    return std::nullopt;
}

} // namespace chaserom
