#include "core/steps/hexbytestext.h"

#include "core/formats/hexrecordtext.h"

namespace chaserom {

namespace {

bool isSeparator(QChar c) {
    return c.isSpace() || c == u',' || c == u';';
}

} // namespace

QString bytesToHexText(QByteArrayView bytes) {
    return QString::fromLatin1(bytes.toByteArray().toHex(' ').toUpper());
}

std::optional<QByteArray> hexTextToBytes(QStringView text, QString& problem) {
    QByteArray bytes;
    qsizetype i = 0;
    while (i < text.size()) {
        if (isSeparator(text[i])) {
            ++i;
            continue;
        }
        if (text[i] == u'0' && i + 1 < text.size() &&
            (text[i + 1] == u'x' || text[i + 1] == u'X')) {
            i += 2;
        }
        const int high = i < text.size() ? hexDigitValue(text[i].toLatin1()) : -1;
        const int low = i + 1 < text.size() ? hexDigitValue(text[i + 1].toLatin1()) : -1;
        if (high < 0 || low < 0) {
            problem = QStringLiteral("«%1» не является байтом из двух шестнадцатеричных цифр")
                          .arg(text.sliced(i, std::min<qsizetype>(4, text.size() - i)));
            return std::nullopt;
        }
        bytes.append(static_cast<char>(high << 4 | low));
        i += 2;
    }
    if (bytes.isEmpty()) {
        problem = QStringLiteral("нет ни одного байта");
        return std::nullopt;
    }
    return bytes;
}

} // namespace chaserom
