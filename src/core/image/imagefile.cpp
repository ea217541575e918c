#include "core/image/imagefile.h"

#include "core/files/atomicfile.h"
#include "core/files/regularfile.h"

#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace chaserom {

namespace {

bool fileIdentity(const QString& path, quint64& device, quint64& inode) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return false;
    }
    device = status.st_dev;
    inode = status.st_ino;
    return true;
}

} // namespace

ImageFile::ImageFile() = default;
ImageFile::~ImageFile() = default;
ImageFile::ImageFile(ImageFile&&) noexcept = default;
ImageFile& ImageFile::operator=(ImageFile&&) noexcept = default;

FileFailure ImageFile::open(const QString& path, WhenLocked whenLocked) {
    close();
    auto file = std::make_unique<QFile>();
    if (auto failure = openRegularFile(*file, path, QIODevice::ReadWrite | QIODevice::Unbuffered,
                                       FileAction::OpenImage)) {
        return failure;
    }
    // A lock the file system cannot take (some network file systems) is no reason to refuse
    // the image; only a lock held by another copy is.
    if (::flock(file->handle(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK &&
        whenLocked == WhenLocked::Refuse) {
        return FileError{FileAction::OpenLockedImage, path,
                         QStringLiteral("его уже открыла другая копия программы")};
    }
    struct stat status {};
    if (::fstat(file->handle(), &status) != 0) {
        return lastSystemError(FileAction::OpenImage, path);
    }
    m_device = status.st_dev;
    m_inode = status.st_ino;
    m_path = path;
    m_absolutePath = QFileInfo(path).absoluteFilePath();
    m_file = std::move(file);
    return std::nullopt;
}

void ImageFile::close() {
    m_file.reset();
}

bool ImageFile::isOpen() const {
    return m_file != nullptr;
}

QString ImageFile::path() const {
    return m_file ? m_path : QString();
}

qint64 ImageFile::size() const {
    return m_file ? m_file->size() : -1;
}

bool ImageFile::isFileAt(const QString& path) const {
    quint64 device = 0;
    quint64 inode = 0;
    return m_file && fileIdentity(path, device, inode) && device == m_device && inode == m_inode;
}

FileIdentity ImageFile::identity() const {
    return m_file ? FileIdentity::ofHandle(m_file->handle()) : FileIdentity();
}

FileFailure ImageFile::checkStillWritable() const {
    if (auto failure = checkStillOnDisk(FileAction::WriteImage)) {
        return failure;
    }
    // The superuser passes access() whatever the permissions say, so a file that no one may
    // write (chmod 444) is refused by its mode bits as well.
    const QByteArray name = QFile::encodeName(m_absolutePath);
    struct stat status {};
    constexpr mode_t AnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
    if (::access(name.constData(), W_OK) != 0 ||
        (::stat(name.constData(), &status) == 0 && (status.st_mode & AnyWrite) == 0)) {
        return FileError{FileAction::WriteImage, path(),
                         QStringLiteral("файл стал доступен только для чтения после открытия; "
                                        "ничего не записано")};
    }
    return std::nullopt;
}

void ImageFile::takeLock() {
    if (m_file) {
        ::flock(m_file->handle(), LOCK_EX | LOCK_NB);
    }
}

FileFailure ImageFile::checkStillOnDisk(FileAction action) const {
    quint64 device = 0;
    quint64 inode = 0;
    if (!fileIdentity(m_absolutePath, device, inode) || device != m_device || inode != m_inode) {
        return FileError{action, path(),
                         QStringLiteral("файл удалён или заменён другим после открытия; "
                                        "откройте его снова")};
    }
    return std::nullopt;
}

FileFailure ImageFile::read(qint64 address, qint64 count, QByteArray& bytes) {
    bytes.clear();
    if (!m_file) {
        return std::nullopt;
    }
    if (auto failure = checkStillOnDisk(FileAction::ReadImage)) {
        return failure;
    }
    errno = 0;
    if (!m_file->seek(address)) {
        return lastSystemError(FileAction::ReadImage, path());
    }
    bytes.resize(count);
    qint64 got = 0;
    while (got < count) {
        const qint64 n = m_file->read(bytes.data() + got, count - got);
        if (n < 0) {
            bytes.clear();
            return lastSystemError(FileAction::ReadImage, path());
        }
        if (n == 0) {
            break;
        }
        got += n;
    }
    bytes.truncate(got);
    return std::nullopt;
}

FileFailure ImageFile::write(qint64 address, QByteArrayView bytes) {
    if (!m_file) {
        return std::nullopt;
    }
    if (auto failure = checkStillWritable()) {
        return failure;
    }
    errno = 0;
    if (!m_file->seek(address)) {
        return lastSystemError(FileAction::WriteImage, path());
    }
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = m_file->write(bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            return lastSystemError(FileAction::WriteImage, path());
        }
        done += n;
    }
    return std::nullopt;
}

FileFailure ImageFile::resize(qint64 length) {
    if (!m_file) {
        return std::nullopt;
    }
    if (auto failure = checkStillWritable()) {
        return failure;
    }
    errno = 0;
    if (!m_file->resize(length)) {
        return lastSystemError(FileAction::WriteImage, path());
    }
    return std::nullopt;
}

FileFailure ImageFile::writeCopy(const QString& target, qint64 size, char fill, FileAction action,
                                 CopyAtLink atLink) {
    constexpr qint64 chunkSize = 1 << 16;
    AtomicFile copy(target, action,
                    atLink == CopyAtLink::ReplaceLink ? AtomicFile::AtLink::ReplaceLink
                                                      : AtomicFile::AtLink::ReplaceTarget);
    if (auto failure = copy.open()) {
        return failure;
    }
    QByteArray chunk;
    for (qint64 address = 0; address < size; address += chunk.size()) {
        const qint64 wanted = std::min(chunkSize, size - address);
        if (auto failure = read(address, wanted, chunk)) {
            return failure;
        }
        if (chunk.size() < wanted) {
            chunk.append(QByteArray(wanted - chunk.size(), fill));
        }
        if (auto failure = copy.write(chunk)) {
            return failure;
        }
    }
    return copy.commit();
}

} // namespace chaserom
