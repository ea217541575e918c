#include "core/image/imagefile.h"

#include "core/files/atomicfile.h"
#include "core/files/regularfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace chaserom {

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
        return FileError{
            FileAction::OpenLockedImage, path,
            QCoreApplication::translate("ImageFile", "его уже открыла другая копия программы")};
    }
    const FileIdentity identity = FileIdentity::ofHandle(file->handle());
    if (identity.isEmpty()) {
        return lastSystemError(FileAction::OpenImage, path);
    }
    m_identity = identity;
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
    return m_file && FileIdentity::of(path) == m_identity;
}

FileIdentity ImageFile::identity() const {
    return m_file ? m_identity : FileIdentity();
}

FileFailure ImageFile::checkStillWritable() const {
    return checkPath(FileAction::WriteImage, true);
}

FileFailure ImageFile::checkPath(FileAction action, bool forWriting) const {
    const QByteArray name = QFile::encodeName(m_absolutePath);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0 ||
        FileIdentity::ofDeviceAndInode(status.st_dev, status.st_ino) != m_identity) {
        return FileError{action, path(),
                         QCoreApplication::translate(
                             "ImageFile", "файл удалён или заменён другим после открытия; "
                                          "откройте его снова")};
    }
    // The superuser passes access() whatever the permissions say, so a file that no one may
    // write (chmod 444) is refused by its mode bits as well.
    constexpr mode_t AnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
    if (forWriting && ((status.st_mode & AnyWrite) == 0 || ::access(name.constData(), W_OK) != 0)) {
        return FileError{action, path(),
                         QCoreApplication::translate(
                             "ImageFile", "файл стал доступен только для чтения после открытия; "
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
    return checkPath(action, false);
}

FileResult<QByteArray> ImageFile::read(qint64 address, qint64 count) {
    if (!m_file) {
        return QByteArray();
    }
    if (auto failure = checkStillOnDisk(FileAction::ReadImage)) {
        return Failed(*failure);
    }
    errno = 0;
    if (!m_file->seek(address)) {
        return Failed(lastSystemError(FileAction::ReadImage, path()));
    }
    QByteArray bytes(count, Qt::Uninitialized);
    qint64 got = 0;
    while (got < count) {
        const qint64 n = m_file->read(bytes.data() + got, count - got);
        if (n < 0) {
            return Failed(lastSystemError(FileAction::ReadImage, path()));
        }
        if (n == 0) {
            break;
        }
        got += n;
    }
    bytes.truncate(got);
    return bytes;
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
    for (qint64 address = 0; address < size; address += chunkSize) {
        const qint64 wanted = std::min(chunkSize, size - address);
        auto read = this->read(address, wanted);
        if (!read) {
            return read.failure();
        }
        QByteArray& chunk = *read;
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
