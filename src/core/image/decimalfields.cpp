#include "core/image/decimalfields.h"

#include <QCoreApplication>

namespace chaserom {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

std::optional<qint64> readDecimalField(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first])) {
        ++first;
    }
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    const QStringView number = QStringView(text).sliced(first, last - first);
    qsizetype digitsFrom = 0;
    if (!number.isEmpty() && (number[0] == u'+' || number[0] == u'-')) {
        digitsFrom = 1;
    }
    constexpr qsizetype MostDigits = 12;
    const qsizetype digits = number.size() - digitsFrom;
    if (digits == 0 || digits > MostDigits) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (qsizetype i = digitsFrom; i < number.size(); ++i) {
        const char16_t c = number[i].unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - u'0');
    }
    return number[0] == u'-' ? -value : value;
}

Result<CopyRange> readCopyRange(const QString& start, const QString& end,
                                const QString& destination, int length) {
    const auto s = readDecimalField(start);
    const auto e = readDecimalField(end);
    const auto d = readDecimalField(destination);
    const QString insideImage =
        length > 0 ? QCoreApplication::translate("DecimalFields", "от 0 до %1").arg(length - 1)
                   : QCoreApplication::translate("DecimalFields", "в образе, а образ пуст");
    if (!s || *s < 0 || *s >= length) {
        return Failed(QCoreApplication::translate("DecimalFields",
                                                  "Начало диапазона должно быть целым числом %1.")
                          .arg(insideImage));
    }
    if (!e || *e < 0 || *e >= length) {
        return Failed(QCoreApplication::translate("DecimalFields",
                                                  "Конец диапазона должен быть целым числом %1.")
                          .arg(insideImage));
    }
    if (!d || *d < 0 || *d > HighestAddress) {
        return Failed(QCoreApplication::translate(
                          "DecimalFields", "Адрес, с которого копировать, должен быть целым числом "
                                           "от 0 до %1.")
                          .arg(HighestAddress));
    }
    return CopyRange{static_cast<int>(*s), static_cast<int>(*e), static_cast<int>(*d)};
}

Result<qint64> readTargetSize(const QString& text) {
    const auto size = readDecimalField(text);
    if (!size || *size < 1 || *size > LargestResizedCopy) {
        return Failed(QCoreApplication::translate(
                          "DecimalFields", "Размер должен быть целым числом байтов от 1 до %1.")
                          .arg(LargestResizedCopy));
    }
    return *size;
}

} // namespace chaserom
