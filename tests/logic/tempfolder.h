#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

/// A temporary folder for tests on real files; removed with everything in it.
class TempFolder {
public:
    /// A file's path in the folder (an absolute path stays as it is).
    [[nodiscard]] QString path(const QString& name) const {
        return QDir(m_dir.path()).filePath(name);
    }
    [[nodiscard]] QString folder() const { return m_dir.path(); }

    /// Writes a file and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write %s", qPrintable(path(name)));
        }
        return file.fileName();
    }

    /// A file's content, or "(missing)".
    [[nodiscard]] QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

private:
    QTemporaryDir m_dir;
};

/// The bytes 0, step, 2 step, ... (modulo 256) of the given length.
inline QByteArray countingBytes(int length, int step = 1) {
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i) {
        bytes[i] = static_cast<char>(i * step);
    }
    return bytes;
}
