#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <random>

namespace testing_support {

QString TempFolder::path(const QString& name) const {
    return QDir(m_dir.path()).filePath(name);
}

QString TempFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path(name)));
    }
    return file.fileName();
}

QByteArray TempFolder::read(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

WorkFolder::WorkFolder()
    : m_previous(QDir::currentPath()) {
    QDir::setCurrent(folder());
}

WorkFolder::~WorkFolder() {
    QDir::setCurrent(m_previous);
}

QByteArray countingBytes(int length, int step) {
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i) {
        bytes[i] = static_cast<char>(i * step);
    }
    return bytes;
}

QByteArray randomBytes(qsizetype length, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes(length, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

} // namespace testing_support
