#include "core/steps/hexbytestext.h"

#include "core/formats/hexrecordtext.h"

#include <QCoreApplication>

namespace chaserom {

namespace {

bool isSeparator(QChar c) {
    return c.isSpace() || c == u',' || c == u';';
}

} // namespace

QString bytesToHexText(QByteArrayView bytes) {
    return QString::fromLatin1(bytes.toByteArray().toHex(' ').toUpper());
}

Result<std::vector<PatternByte>> hexTextToPattern(QStringView text) {
    std::vector<PatternByte> bytes;
    qsizetype i = 0;
    while (i < text.size()) {
        if (isSeparator(text[i])) {
            ++i;
            continue;
        }
        if (text.sliced(i).startsWith(u"??")) {
            bytes.emplace_back(std::nullopt);
            i += 2;
            continue;
        }
        const qsizetype start = i;
        if (text[i] == u'0' && i + 1 < text.size() &&
            (text[i + 1] == u'x' || text[i + 1] == u'X')) {
            i += 2;
        }
        const int high = i < text.size() ? hexDigitValue(text[i].toLatin1()) : -1;
        const int low = i + 1 < text.size() ? hexDigitValue(text[i + 1].toLatin1()) : -1;
        if (high < 0 || low < 0) {
            return Failed(
                QCoreApplication::translate(
                    "HexBytesText", "«%1» не является байтом из двух шестнадцатеричных цифр")
                    .arg(text.sliced(start, std::min<qsizetype>(4, text.size() - start))));
        }
        bytes.emplace_back(static_cast<quint8>(high << 4 | low));
        i += 2;
    }
    return bytes;
}

Result<QByteArray> hexTextToBytes(QStringView text) {
    const auto pattern = hexTextToPattern(text);
    if (!pattern) {
        return Failed(pattern.failure());
    }
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(pattern->size()));
    for (const PatternByte& byte : *pattern) {
        if (!byte) {
            return Failed(QCoreApplication::translate(
                "HexBytesText", "«??» не является байтом из двух шестнадцатеричных цифр"));
        }
        bytes.append(static_cast<char>(*byte));
    }
    if (bytes.isEmpty()) {
        return Failed(QCoreApplication::translate("HexBytesText", "нет ни одного байта"));
    }
    return bytes;
}

} // namespace chaserom
