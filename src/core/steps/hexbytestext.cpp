#include "core/steps/hexbytestext.h"

namespace chaserom {

namespace {

int nibble(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    return -1;
}

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
        const int high = i < text.size() ? nibble(text[i]) : -1;
        const int low = i + 1 < text.size() ? nibble(text[i + 1]) : -1;
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
