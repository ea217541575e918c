#include "core/steps/bytepattern.h"

#include "core/steps/hexbytestext.h"

#include <QCoreApplication>

namespace chaserom {

Result<BytePattern> BytePattern::read(QStringView text) {
    // The same text as a paste takes (blanks, tabs, commas, "0x"), with "??" for any byte.
    auto bytes = hexTextToPattern(text);
    if (!bytes) {
        return Failed(bytes.failure() + QCoreApplication::translate("BytePattern", " или ??"));
    }
    if (bytes->empty()) {
        return Failed(QCoreApplication::translate("BytePattern",
                                                  "Введите байты для поиска, например 7F ?? DF."));
    }
    BytePattern pattern;
    pattern.m_bytes = std::move(*bytes);
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
