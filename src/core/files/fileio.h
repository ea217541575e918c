#pragma once

#include "core/files/atomicfile.h"
#include "core/files/fileerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace chaserom {

/// The first `limit` bytes of a regular file (all of a file of that size or less); anything
/// but a regular file is refused at once.
[[nodiscard]] FileResult<QByteArray> readFileStart(const QString& path, qint64 limit,
                                                   FileAction action);

/// Replaces a file's content atomically: the old file stays intact if the write fails.
[[nodiscard]] FileFailure
writeFileAtomically(const QString& path, QByteArrayView content, FileAction action,
                    AtomicFile::AtLink atLink = AtomicFile::AtLink::ReplaceTarget);

} // namespace chaserom
