#pragma once

#include "app/fileerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace chaserom {

/// The first `limit` bytes of a file (all of a file of that size or less).
[[nodiscard]] FileFailure readFileStart(const QString& path, qint64 limit, FileAction action,
                                        QByteArray& content);

/// Replaces a file's content atomically: the old file stays intact if the write fails.
[[nodiscard]] FileFailure writeFileAtomically(const QString& path, QByteArrayView content,
                                              FileAction action);

} // namespace chaserom
