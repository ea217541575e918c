#pragma once

#include "core/files/fileerror.h"

#include <QByteArray>
#include <QFile>
#include <memory>

namespace chaserom {

/// The open ROM image: raw bytes addressed from 0, read and written at any address. Reads
/// and writes go straight to the file (no buffer in between), so a write has reached the
/// file when it returns. Every read and write first checks that the path still names the
/// file that was opened: bytes are never written into a file deleted or replaced since.
class ImageFile {
public:
    ImageFile();
    ~ImageFile();
    ImageFile(ImageFile&&) noexcept;
    ImageFile& operator=(ImageFile&&) noexcept;

    /// Opens the file for reading and writing; on failure nothing is open.
    [[nodiscard]] FileFailure open(const QString& path);
    void close();

    [[nodiscard]] bool isOpen() const;
    /// Whether the path still names the file that was opened (not deleted or replaced).
    [[nodiscard]] bool isStillOnDisk() const { return !checkStillOnDisk(FileAction::ReadImage); }
    [[nodiscard]] QString path() const;
    /// The file's length in bytes now, or -1 when no file is open.
    [[nodiscard]] qint64 size() const;

    /// Reads up to `count` bytes from `address` into `bytes`; fewer come back at the end of
    /// the file.
    [[nodiscard]] FileFailure read(qint64 address, qint64 count, QByteArray& bytes);
    /// Writes `bytes` at `address`; a write past the end lengthens the file.
    [[nodiscard]] FileFailure write(qint64 address, QByteArrayView bytes);

    /// Cuts the file to `length` bytes, or lengthens it with zero bytes.
    [[nodiscard]] FileFailure resize(qint64 length);

    /// Writes the first `size` bytes of the file to `target`, replacing it atomically;
    /// when the file is shorter, the rest is filled with `fill`.
    [[nodiscard]] FileFailure writeCopy(const QString& target, qint64 size, char fill,
                                        FileAction action);

private:
    /// A failure when the path no longer names the opened file.
    [[nodiscard]] FileFailure checkStillOnDisk(FileAction action) const;

    std::unique_ptr<QFile> m_file;
    QString m_absolutePath;
    quint64 m_device = 0;
    quint64 m_inode = 0;
};

} // namespace chaserom
