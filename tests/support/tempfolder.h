#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

/// A temporary folder for tests on real files; removed with everything in it.
class TempFolder {
public:
    TempFolder() = default;
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    virtual ~TempFolder() = default;

    /// A file's path in the folder (an absolute path stays as it is).
    [[nodiscard]] QString path(const QString& name) const;
    [[nodiscard]] QString folder() const { return m_dir.path(); }

    /// Writes a file and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;
    /// A file's content, or "(missing)" when it cannot be read.
    [[nodiscard]] QByteArray read(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

/// A temporary folder that is also the working directory while it lives, so that
/// "ColorKanal.txt" stays inside it.
class WorkFolder : public TempFolder {
public:
    WorkFolder();
    ~WorkFolder() override;

private:
    QString m_previous;
};

/// The bytes 0, step, 2 step, ... (modulo 256) of the given length.
[[nodiscard]] QByteArray countingBytes(int length, int step = 1);
/// Bytes from a Mersenne twister seeded with `seed`: the same on every machine.
[[nodiscard]] QByteArray randomBytes(qsizetype length, unsigned seed);

} // namespace testing_support
