#include "tool/output.h"

#include "core/files/fileio.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace chaserom::tool {

Output::Output(QString path, FileAction action)
    : m_path(std::move(path))
    , m_action(action) {}

QString Output::name() const {
    return isStandardOutput() ? QStringLiteral("стандартный вывод") : m_path;
}

FileFailure Output::open() {
    errno = 0;
    if (isStandardOutput()) {
        m_standardOutput = std::make_unique<QFile>();
        if (!m_standardOutput->open(stdout, QIODevice::WriteOnly)) {
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

bool isSameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace chaserom::tool
