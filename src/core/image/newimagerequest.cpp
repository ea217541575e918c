#include "core/image/newimagerequest.h"

#include "core/image/imagelimits.h"
#include "core/steps/hexbytestext.h"

namespace chaserom {

Result<qint64> readNewImageSize(const QString& text) {
    const QString trimmed = text.trimmed();
    const bool hex = trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    bool ok = false;
    const qint64 size = hex ? trimmed.mid(2).toLongLong(&ok, 16) : trimmed.toLongLong(&ok, 10);
    // toLongLong takes a sign: "+5" or "-1" are no sizes.
    const bool signedText =
        trimmed.startsWith(u'+') || trimmed.startsWith(u'-') ||
        (hex && (trimmed.mid(2).startsWith(u'+') || trimmed.mid(2).startsWith(u'-')));
    if (!ok || signedText || size < 1 || size > LargestWholeImage) {
        return Failed(QStringLiteral("Длина: целое число байт от 1 до %1, десятичное или с 0x.")
                          .arg(LargestWholeImage));
    }
    return size;
}

Result<char> readFillByte(const QString& text) {
    const auto bytes = hexTextToBytes(text);
    if (!bytes || bytes->size() != 1) {
        return Failed(QStringLiteral("Байт заполнения: две шестнадцатеричные цифры, например FF."));
    }
    return bytes->at(0);
}

} // namespace chaserom
