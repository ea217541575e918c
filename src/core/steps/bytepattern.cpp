#include "core/steps/bytepattern.h"

#include "core/formats/hexrecordtext.h"

#include <QList>

namespace chaserom {

std::optional<BytePattern> BytePattern::read(QStringView text, QString& problem) {
    BytePattern pattern;
    for (const QStringView token : text.split(u' ', Qt::SkipEmptyParts)) {
        QStringView rest = token;
        while (!rest.isEmpty()) {
            const QStringView pair = rest.first(std::min<qsizetype>(2, rest.size()));
            rest = rest.sliced(pair.size());
            if (pair == u"??") {
                pattern.m_bytes.emplace_back(std::nullopt);
                continue;
            }
            const int high = pair.size() == 2 ? hexDigitValue(pair[0].toLatin1()) : -1;
            const int low = pair.size() == 2 ? hexDigitValue(pair[1].toLatin1()) : -1;
            if (high < 0 || low < 0) {
                problem = QStringLiteral("«%1» не является байтом: нужны две шестнадцатеричные "
                                         "цифры или ??")
                              .arg(pair);
                return std::nullopt;
            }
            pattern.m_bytes.emplace_back(static_cast<quint8>(high << 4 | low));
        }
    }
    if (pattern.m_bytes.empty()) {
        problem = QStringLiteral("Введите байты для поиска, например 7F ?? DF.");
        return std::nullopt;
    }
    return pattern;
}

bool BytePattern::matchesAt(QByteArrayView image, qint64 at) const {
    for (size_t i = 0; i < m_bytes.size(); ++i) {
        if (m_bytes[i] && static_cast<quint8>(image[at + static_cast<qint64>(i)]) != *m_bytes[i]) {
            return false;
        }
    }
    return true;
}

std::optional<qint64> BytePattern::find(QByteArrayView image, qint64 from, bool forward) const {
    const qint64 last = image.size() - size();
    if (last < 0) {
        return std::nullopt;
    }
    const qint64 count = last + 1;
    // Past either end the search starts again from the other.
    qint64 start = from;
    if (from < 0 || from > last) {
        start = forward ? 0 : last;
    }
    for (qint64 i = 0; i < count; ++i) {
        const qint64 at = forward ? (start + i) % count : ((start - i) % count + count) % count;
        if (matchesAt(image, at)) {
            return at;
        }
    }
    return std::nullopt;
}

} // namespace chaserom
