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

std::optional<std::vector<PatternByte>> hexTextToPattern(QStringView text, QString& problem) {
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
            problem = QStringLiteral("«%1» не является байтом из двух шестнадцатеричных цифр")
                          .arg(text.sliced(start, std::min<qsizetype>(4, text.size() - start)));
            return std::nullopt;
        }
        bytes.emplace_back(static_cast<quint8>(high << 4 | low));
        i += 2;
    }
    return bytes;
}

std::optional<QByteArray> hexTextToBytes(QStringView text, QString& problem) {
    const auto pattern = hexTextToPattern(text, problem);
    if (!pattern) {
        return std::nullopt;
    }
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(pattern->size()));
    for (const PatternByte& byte : *pattern) {
        if (!byte) {
            problem = QStringLiteral("«??» не является байтом из двух шестнадцатеричных цифр");
            return std::nullopt;
        }
        bytes.append(static_cast<char>(*byte));
    }
    if (bytes.isEmpty()) {
        problem = QStringLiteral("нет ни одного байта");
        return std::nullopt;
    }
    return bytes;
}

} // namespace chaserom
