#include "render/backgroundpicture.h"

#include "core/files/regularfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace chaserom {

namespace {

/// Larger files are no picture of a board.
constexpr qint64 PictureFileLimit = qint64{256} * 1024 * 1024;
/// The largest picture taken, in pixels a side: more than a photo of a board needs.
constexpr qint64 LargestSide = 8192;
/// What a picture of LargestSide × LargestSide takes in memory, 4 bytes a pixel, in MiB.
constexpr int LargestPictureMiB =
    static_cast<int>(LargestSide * LargestSide * 4 / (qint64{1024} * 1024));

QString readerFault(const QImageReader& reader) {
    switch (reader.error()) {
    case QImageReader::UnsupportedFormatError:
        return QCoreApplication::translate("BackgroundPicture",
                                           "файл не является изображением известного формата");
    case QImageReader::InvalidDataError:
        return QCoreApplication::translate("BackgroundPicture", "изображение повреждено");
    default:
        return QCoreApplication::translate("BackgroundPicture", "изображение не удаётся прочитать");
    }
}

} // namespace

FileResult<QImage> loadBackgroundPicture(const QString& path) {
    // The file is read first, so that a FIFO or a device is refused rather than waited on.
    auto content = readRegularFile(path, PictureFileLimit, FileAction::ReadPicture);
    if (!content) {
        return Failed(content.failure());
    }
    QBuffer buffer(&*content);
    buffer.open(QIODevice::ReadOnly);
    // The suffix is a hint for formats without a signature, as when Qt opens the file.
    QImageReader reader(&buffer, QFileInfo(path).suffix().toLower().toLatin1());
    const QSize size = reader.size();
    if (size.width() > LargestSide || size.height() > LargestSide) {
        return Failed(FileError{
            FileAction::ReadPicture, path,
            QCoreApplication::translate("BackgroundPicture",
                                        "изображение слишком большое: %1 × %2 пикселей, а "
                                        "можно не больше %3 × %3")
                .arg(size.width())
                .arg(size.height())
                .arg(LargestSide)});
    }
    // Qt refuses pictures over its allocation limit as if they were damaged; the limit is
    // raised to what the largest picture taken needs, and no further.
    QImageReader::setAllocationLimit(
        std::max(QImageReader::allocationLimit(), LargestPictureMiB + 1));
    QImage image = reader.read();
    if (image.isNull()) {
        return Failed(FileError{FileAction::ReadPicture, path, readerFault(reader)});
    }
    return image;
}

} // namespace chaserom
