#pragma once

#include "core/files/fileerror.h"
#include "core/files/fileidentity.h"

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

    /// Whether an image that another copy of the program holds open may be opened too.
    enum class WhenLocked { Refuse, OpenAnyway };

    /// Opens a regular file for reading and writing and takes an advisory lock on it, so
    /// that a second copy of the program sees that the image is in use. A file another copy
    /// holds is refused with FileAction::OpenLockedImage unless `whenLocked` says to open
    /// it anyway. On failure nothing is open.
    [[nodiscard]] FileFailure open(const QString& path, WhenLocked whenLocked = WhenLocked::Refuse);
    void close();

    [[nodiscard]] bool isOpen() const;
    /// Whether the path still names the file that was opened (not deleted or replaced).
    [[nodiscard]] bool isStillOnDisk() const { return !checkStillOnDisk(FileAction::ReadImage); }
    /// A failure when the path no longer names the opened file.
    [[nodiscard]] FileFailure checkStillOnDisk(FileAction action) const;
    /// Whether `path` names the open file.
    [[nodiscard]] bool isFileAt(const QString& path) const;
    /// Which file is open, by its handle; empty with none open.
    [[nodiscard]] FileIdentity identity() const;
    /// A failure when the file may no longer be written by the user: its permissions were
    /// taken away since it was opened, or its path names another file now.
    [[nodiscard]] FileFailure checkStillWritable() const;
    /// Takes the advisory lock if no other copy holds it; for a file opened again while the
    /// same program held it under its earlier handle.
    void takeLock();
    [[nodiscard]] QString path() const;
    /// The file's length in bytes now, or -1 when no file is open.
    [[nodiscard]] qint64 size() const;

    /// Up to `count` bytes from `address`; fewer come back at the end of the file.
    [[nodiscard]] FileResult<QByteArray> read(qint64 address, qint64 count);
    /// Writes `bytes` at `address`; a write past the end lengthens the file.
    [[nodiscard]] FileFailure write(qint64 address, QByteArrayView bytes);

    /// Cuts the file to `length` bytes, or lengthens it with zero bytes.
    [[nodiscard]] FileFailure resize(qint64 length);

    /// What becomes of a symbolic link at a copy's name.
    enum class CopyAtLink { ReplaceTarget, ReplaceLink };

    /// Writes the first `size` bytes of the file to `target`, replacing it atomically;
    /// when the file is shorter, the rest is filled with `fill`.
    [[nodiscard]] FileFailure writeCopy(const QString& target, qint64 size, char fill,
                                        FileAction action,
                                        CopyAtLink atLink = CopyAtLink::ReplaceTarget);

private:
    /// The checks of checkStillOnDisk() and, when `forWriting`, of checkStillWritable(),
    /// with one look at the path.
    [[nodiscard]] FileFailure checkPath(FileAction action, bool forWriting) const;

    std::unique_ptr<QFile> m_file;
    QString m_path;
    QString m_absolutePath;
    /// The file that was opened, from its handle.
    FileIdentity m_identity;
};

} // namespace chaserom
