#pragma once

#include "core/files/fileerror.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

namespace chaserom {

/// Opens a file only when it is a regular file, and never blocks: a FIFO, a device or a
/// socket is refused by name at once (opening a FIFO for reading would wait for a writer
/// forever). `mode` is ReadOnly or ReadWrite, with Unbuffered if wanted.
[[nodiscard]] FileFailure openRegularFile(QFile& file, const QString& path,
                                          QIODevice::OpenMode mode, FileAction action);

/// Reads a whole regular file of at most `limit` bytes; a longer one is refused, and so is
/// anything but a regular file, at once.
[[nodiscard]] FileResult<QByteArray> readRegularFile(const QString& path, qint64 limit,
                                                     FileAction action);

/// Why an existing path (its links followed) is not a regular file, in Russian; empty when
/// it is one or does not exist.
[[nodiscard]] std::optional<QString> notRegularFileReason(const QString& path);

} // namespace chaserom
