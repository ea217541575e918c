#pragma once

#include "core/files/fileerror.h"

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>
#include <QTemporaryFile>
#include <memory>

namespace chaserom {

/// A file written whole or not at all: what is written goes to a temporary file beside it,
/// renamed over the old file only when every byte has been written. On any failure, or
/// without commit(), the old file stays as it was. Only a regular file (or nothing) may
/// stand at the name: a FIFO, a device or a socket is refused.
class AtomicFile {
public:
    /// What becomes of a symbolic link at the name.
    enum class AtLink {
        ReplaceTarget, ///< the file the link points to is replaced; the link stays
        ReplaceLink,   ///< the link itself gives way to the new file; its target is untouched
    };

    AtomicFile(const QString& path, FileAction action, AtLink atLink = AtLink::ReplaceTarget);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    [[nodiscard]] FileFailure open();
    [[nodiscard]] FileFailure write(QByteArrayView bytes);
    /// The open file, for writers that take a device; commit() still puts it in place.
    [[nodiscard]] QIODevice& device() { return *m_device; }
    /// A failure of the device, read at once after a writer gave up.
    [[nodiscard]] FileError lastError() const { return lastSystemError(m_action, m_path); }
    /// Puts the written file in the old one's place.
    [[nodiscard]] FileFailure commit();

private:
    [[nodiscard]] FileFailure failure();
    [[nodiscard]] FileFailure commitReplacingLink();

    QString m_path;
    FileAction m_action;
    AtLink m_atLink;
    std::unique_ptr<QSaveFile> m_saveFile;
    std::unique_ptr<QTemporaryFile> m_temporary;
    QFileDevice* m_device = nullptr;
};

} // namespace chaserom
