#include "windows/simulator/backgroundpicture.h"

#include <QFileInfo>
#include <QImageReader>
#include <cerrno>

namespace chaserom {

namespace {

QString readerFault(const QImageReader& reader, const QString& path) {
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
        return QFileInfo(path).isDir() ? systemErrorReason(EISDIR) : systemErrorReason(ENOENT);
    case QImageReader::DeviceError:
        return QFileInfo(path).isReadable() ? QStringLiteral("ошибка чтения файла")
                                            : systemErrorReason(EACCES);
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("файл не является изображением известного формата");
    case QImageReader::InvalidDataError:
        return QStringLiteral("изображение повреждено");
    default:
        return QStringLiteral("изображение не удаётся прочитать");
    }
}

} // namespace

FileFailure loadBackgroundPicture(const QString& path, QPixmap& picture) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        return FileError{FileAction::ReadPicture, path, readerFault(reader, path)};
    }
    picture = QPixmap::fromImage(image);
    return std::nullopt;
}

} // namespace chaserom
