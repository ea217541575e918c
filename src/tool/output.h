#pragma once

#include "core/files/atomicfile.h"
#include "core/files/fileerror.h"

#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace chaserom::tool {

/// Where a command writes its result: a file replaced atomically (a failure leaves the old
/// file as it was and no half-written one), or standard output for "-".
class Output {
public:
    Output(QString path, FileAction action);

    /// The name reports give the output.
    [[nodiscard]] QString name() const;
    [[nodiscard]] bool isStandardOutput() const { return m_path == QLatin1String("-"); }

    [[nodiscard]] FileFailure open();
    /// The open output, for writers that take a device.
    [[nodiscard]] QIODevice& device();
    [[nodiscard]] FileFailure write(QByteArrayView bytes);
    /// A failure of the device (after a writer gave up), read at once.
    [[nodiscard]] FileError lastError() const;
    /// Puts the file in place of the old one; until then nothing on disk has changed.
    [[nodiscard]] FileFailure commit();

private:
    QString m_path;
    FileAction m_action;
    std::unique_ptr<AtomicFile> m_file;
    std::unique_ptr<QFile> m_standardOutput;
};

/// Writes all of `bytes` to an output: a file replaced atomically, or standard output.
[[nodiscard]] FileFailure writeOutput(const QString& path, FileAction action, QByteArrayView bytes);

/// Why `output` may not be written: it is one of the files a command reads, by any path or
/// link to it (or by the same path while it is not there). A text naming both, in Russian,
/// to be given before anything is written; empty when the output is none of them or "-".
[[nodiscard]] std::optional<QString> overwrittenInput(const QString& output,
                                                      const QStringList& inputs);

} // namespace chaserom::tool
