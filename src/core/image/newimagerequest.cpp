#include "core/image/newimagerequest.h"

#include "core/files/numbertext.h"
#include "core/image/imagelimits.h"
#include "core/steps/hexbytestext.h"

#include <QCoreApplication>

namespace chaserom {

Result<qint64> readNewImageSize(const QString& text) {
    const auto size = parseTypedNumber(text);
    if (!size || *size < 1 || *size > LargestWholeImage) {
        return Failed(QCoreApplication::translate(
                          "NewImage", "Длина: целое число байт от 1 до %1, десятичное или с 0x.")
                          .arg(LargestWholeImage));
    }
    return *size;
}

Result<char> readFillByte(const QString& text) {
    const auto bytes = hexTextToBytes(text);
    if (!bytes || bytes->size() != 1) {
        return Failed(QCoreApplication::translate(
            "NewImage", "Байт заполнения: две шестнадцатеричные цифры, например FF."));
    }
    return bytes->at(0);
}

} // namespace chaserom
