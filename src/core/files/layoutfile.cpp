#include "core/files/layoutfile.h"

#include "core/files/fileio.h"
#include "core/files/numbertext.h"

#include <QCoreApplication>

namespace chaserom {

namespace {

constexpr int NumberCount = 2 * static_cast<int>(std::tuple_size_v<LampLayout>);
/// Far more than 512 numbers need; the rest of a larger file is ignored.
constexpr qint64 ReadLimit = 1 << 22;

} // namespace

QByteArray layoutFileText(const LampLayout& layout) {
    QByteArray text;
    text.reserve(qsizetype{NumberCount} * 8);
    for (const LampPosition& lamp : layout) {
        text.append(printNumberLine(lamp.left));
        text.append(printNumberLine(lamp.top));
    }
    return text;
}

Failure<> readLayoutFileText(QByteArrayView text, LampLayout& layout) {
    NumberReader reader(text);
    LampLayout read{};
    for (int i = 0; i < NumberCount; ++i) {
        const auto token = reader.next();
        if (!token) {
            return QCoreApplication::translate("LayoutFile", "в файле %1 чисел вместо %2")
                .arg(i)
                .arg(NumberCount);
        }
        const auto value = parseFloat(*token);
        if (!value) {
            return (isDecimalNumber(*token)
                        ? QCoreApplication::translate(
                              "LayoutFile", "строка «%1» (число %2) вне допустимого диапазона")
                        : QCoreApplication::translate("LayoutFile",
                                                      "строка «%1» (число %2) не является числом"))
                .arg(quotedToken(*token))
                .arg(i + 1);
        }
        LampPosition& lamp = read[i / 2];
        (i % 2 == 0 ? lamp.left : lamp.top) = *value;
    }
    layout = read;
    return std::nullopt;
}

FileFailure loadLayoutFile(const QString& path, LampLayout& layout) {
    const auto text = readFileStart(path, ReadLimit, FileAction::ReadLayout);
    if (!text) {
        return text.failure();
    }
    if (auto fault = readLayoutFileText(*text, layout)) {
        return FileError{FileAction::ReadLayout, path, *fault};
    }
    return std::nullopt;
}

FileFailure saveLayoutFile(const QString& path, const LampLayout& layout) {
    return writeFileAtomically(path, layoutFileText(layout), FileAction::WriteLayout);
}

} // namespace chaserom
