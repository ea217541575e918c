#include "tool/output.h"

#include "core/files/fileidentity.h"
#include "core/files/fileio.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace chaserom::tool {

Output::Output(QString path, FileAction action)
    : m_path(std::move(path))
    , m_action(action) {}

QString Output::name() const {
    return isStandardOutput() ? QCoreApplication::translate("Tool", "стандартный вывод") : m_path;
}

FileFailure Output::open() {
    errno = 0;
    if (isStandardOutput()) {
        // Straight to the descriptor, not through the C library's buffer of printed lines:
        // a failed write is then reported here, as the output's own failure.
        m_standardOutput = std::make_unique<QFile>();
        if (!m_standardOutput->open(STDOUT_FILENO, QIODevice::WriteOnly)) {
            return lastError();
        }
        return std::nullopt;
    }
    m_file = std::make_unique<AtomicFile>(m_path, m_action);
    return m_file->open();
}

QIODevice& Output::device() {
    if (m_standardOutput) {
        return *m_standardOutput;
    }
    return m_file->device();
}

FileFailure Output::write(QByteArrayView bytes) {
    errno = 0;
    if (device().write(bytes.data(), bytes.size()) != bytes.size()) {
        return lastError();
    }
    return std::nullopt;
}

FileError Output::lastError() const {
    return lastSystemError(m_action, name());
}

FileFailure Output::commit() {
    if (m_standardOutput) {
        errno = 0;
        if (!m_standardOutput->flush()) {
            return lastError();
        }
        return std::nullopt;
    }
    return m_file->commit();
}

FileFailure writeOutput(const QString& path, FileAction action, QByteArrayView bytes) {
    Output output(path, action);
    if (auto failure = output.open()) {
        return failure;
    }
    if (auto failure = output.write(bytes)) {
        return failure;
    }
    return output.commit();
}

std::optional<QString> overwrittenInput(const QString& output, const QStringList& inputs) {
    if (output == QLatin1String("-")) {
        return std::nullopt;
    }
    // The file itself, whatever the spelling; a name where nothing stands yet by its resolved
    // path.
    const FileIdentity written = FileIdentity::of(output);
    for (const QString& input : inputs) {
        if (written == FileIdentity::of(input)) {
            return QCoreApplication::translate(
                       "Tool", "выходной файл «%1» — это входной файл «%2»; укажите другой "
                               "выходной файл")
                .arg(output, input);
        }
    }
    return std::nullopt;
}

} // namespace chaserom::tool
