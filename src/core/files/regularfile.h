#pragma once

#include "core/files/fileerror.h"

#include <QByteArray>
#include <QString>

namespace chaserom {

/// Reads a whole input file of at most `limit` bytes. Only a regular file is read: a
/// folder, a FIFO, a device or a socket is refused by name at once, without waiting on it.
[[nodiscard]] FileFailure readRegularFile(const QString& path, qint64 limit, FileAction action,
                                          QByteArray& content);

} // namespace chaserom
