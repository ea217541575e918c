#pragma once

#include "core/files/fileerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

namespace chaserom {

/// The first `limit` bytes of a file (all of a file of that size or less).
[[nodiscard]] FileFailure readFileStart(const QString& path, qint64 limit, FileAction action,
                                        QByteArray& content);

/// Finishes a QSaveFile: flushes it, then renames it over the old file. commit() alone does
/// not see a write that the buffer's flush cut short (a size limit, a full disk), so that
/// is checked first; on any failure the old file stays intact.
[[nodiscard]] FileFailure commitSaveFile(QSaveFile& file, FileAction action);

/// Replaces a file's content atomically: the old file stays intact if the write fails.
[[nodiscard]] FileFailure writeFileAtomically(const QString& path, QByteArrayView content,
                                              FileAction action);

} // namespace chaserom
