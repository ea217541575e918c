#include "core/formats/recordplacement.h"

#include "core/files/numbertext.h"

#include <QCoreApplication>

namespace chaserom {

namespace {

/// An address, decimal or with 0x, within what records address.
Result<qint64> readAddress(const QString& text, const QString& field) {
    const auto address = parseTypedNumber(text);
    if (!address || *address > HighestRecordAddress) {
        return Failed(QCoreApplication::translate(
                          "RecordPlacement", "%1: адрес от 0 до 0xFFFFFFFF, десятичный или с 0x.")
                          .arg(field));
    }
    return *address;
}

} // namespace

Result<RecordReadOptions> readRecordPlacement(const QString& base, const QString& windowFirst,
                                              const QString& windowLast) {
    RecordReadOptions options;
    const auto byteZero = readAddress(base, QCoreApplication::translate("RecordPlacement", "База"));
    if (!byteZero) {
        return Failed(byteZero.failure());
    }
    options.base = *byteZero;
    if (windowFirst.trimmed().isEmpty() && windowLast.trimmed().isEmpty()) {
        return options;
    }
    const auto first =
        readAddress(windowFirst, QCoreApplication::translate("RecordPlacement", "Начало окна"));
    if (!first) {
        return Failed(first.failure());
    }
    const auto last =
        readAddress(windowLast, QCoreApplication::translate("RecordPlacement", "Конец окна"));
    if (!last) {
        return Failed(last.failure());
    }
    if (*last < *first) {
        return Failed(
            QCoreApplication::translate("RecordPlacement", "Конец окна лежит раньше его начала."));
    }
    options.window = AddressWindow{*first, *last};
    return options;
}

} // namespace chaserom
