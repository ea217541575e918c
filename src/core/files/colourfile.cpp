#include "core/files/colourfile.h"

#include "core/files/fileio.h"
#include "core/files/numbertext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace chaserom {

namespace {

/// Enough for 32 numbers with generous blanks; the rest of a larger file is ignored.
constexpr qint64 ReadLimit = 1 << 16;
/// The largest colour, white: 0x00BBGGRR.
constexpr qint32 MaxColour = 0xFFFFFF;

} // namespace

QByteArray colourFileText(const ChannelColours& colours) {
    QByteArray text;
    for (const Bgr colour : colours) {
        text.append(printNumberLine(static_cast<qint64>(colour)));
    }
    return text;
}

Failure<> readColourFileText(QByteArrayView text, ChannelColours& colours) {
    NumberReader reader(text);
    for (int channel = 0; channel < ChannelColourCount; ++channel) {
        const auto token = reader.next();
        if (!token) {
            return QCoreApplication::translate("ColourFile", "в файле %1 чисел вместо 32")
                .arg(channel);
        }
        const auto value = parseInt32(*token);
        if (value ? *value < 0 || *value > MaxColour : isDecimalNumber(*token)) {
            return QCoreApplication::translate(
                       "ColourFile",
                       "число «%1» для канала %2 вне допустимого диапазона: цвет от 0 "
                       "до %3")
                .arg(quotedToken(*token))
                .arg(channel + 1)
                .arg(MaxColour);
        }
        if (!value) {
            return QCoreApplication::translate("ColourFile",
                                               "строка «%1» для канала %2 не является числом")
                .arg(quotedToken(*token))
                .arg(channel + 1);
        }
        colours[channel] = static_cast<Bgr>(*value);
    }
    return std::nullopt;
}

QString colourFileInWorkingDirectory() {
    return QDir::current().absoluteFilePath(QString::fromLatin1(ColourFileName));
}

FileFailure loadColourFile(const QString& path, ChannelColours& colours) {
    if (!QFileInfo::exists(path)) {
        return std::nullopt;
    }
    const auto text = readFileStart(path, ReadLimit, FileAction::ReadColours);
    if (!text) {
        return text.failure();
    }
    if (auto fault = readColourFileText(*text, colours)) {
        return FileError{FileAction::ReadColours, path, *fault};
    }
    return std::nullopt;
}

FileFailure saveColourFile(const QString& path, const ChannelColours& colours) {
    return writeFileAtomically(path, colourFileText(colours), FileAction::WriteColours);
}

} // namespace chaserom
