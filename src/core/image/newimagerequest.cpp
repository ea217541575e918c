#include "core/image/newimagerequest.h"

#include "core/image/imagelimits.h"
#include "core/steps/hexbytestext.h"

namespace chaserom {

std::optional<qint64> readNewImageSize(const QString& text, QString& problem) {
    const QString trimmed = text.trimmed();
    const bool hex = trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    bool ok = false;
    const qint64 size = hex ? trimmed.mid(2).toLongLong(&ok, 16) : trimmed.toLongLong(&ok, 10);
    // toLongLong takes a sign: "+5" or "-1" are no sizes.
    const bool signedText =
        trimmed.startsWith(u'+') || trimmed.startsWith(u'-') ||
        (hex && (trimmed.mid(2).startsWith(u'+') || trimmed.mid(2).startsWith(u'-')));
    if (!ok || signedText || size < 1 || size > LargestWholeImage) {
        problem = QStringLiteral("Длина: целое число байт от 1 до %1, десятичное или с 0x.")
                      .arg(LargestWholeImage);
        return std::nullopt;
    }
    return size;
}

std::optional<char> readFillByte(const QString& text, QString& problem) {
    QString unused;
    const auto bytes = hexTextToBytes(text, unused);
    if (!bytes || bytes->size() != 1) {
        problem = QStringLiteral("Байт заполнения: две шестнадцатеричные цифры, например FF.");
        return std::nullopt;
    }
    return bytes->at(0);
}

} // namespace chaserom
