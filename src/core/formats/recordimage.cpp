#include "core/formats/recordimage.h"

#include "core/formats/hexrecordtext.h"

#include <algorithm>
#include <cstring>

namespace chaserom {

RecordImage::RecordImage(const RecordReadOptions& options)
    : m_options(options)
    , m_limit(options.size.value_or(RecordImageLimit)) {}

bool RecordImage::isPlaced(qint64 address) const {
    return (m_placed[static_cast<size_t>(address / 64)] >> (address % 64)) & 1U;
}

void RecordImage::markPlaced(qint64 first, qint64 count) {
    for (qint64 address = first; address < first + count; ++address) {
        m_placed[static_cast<size_t>(address / 64)] |= quint64{1} << (address % 64);
    }
}

void RecordImage::grow(qint64 length) {
    if (length <= m_bytes.size()) {
        return;
    }
    if (length > m_bytes.capacity()) {
        // Records mostly arrive in address order: grow by halves, not record by record.
        m_bytes.reserve(std::min(m_limit, std::max(length, m_bytes.capacity() * 3 / 2)));
    }
    m_bytes.resize(length, m_options.fill);
    m_placed.resize(static_cast<size_t>((length + 63) / 64), 0);
}

Failure<> RecordImage::place(qint64 address, QByteArrayView bytes) {
    const qint64 end = address + bytes.size();
    if (end > m_limit) {
        const qint64 beyond = std::max(address, m_limit);
        if (m_options.size) {
            return QStringLiteral("данные по адресу 0x%1 лежат за концом образа длиной %2 байт")
                .arg(upperHex(beyond, 4))
                .arg(m_limit);
        }
        return QStringLiteral("адрес 0x%1 лежит за пределом образа в 16 МиБ")
            .arg(upperHex(beyond, 4));
    }
    if (bytes.isEmpty()) {
        return std::nullopt; // a record without data neither places nor lengthens anything
    }
    const qint64 before = m_bytes.size();
    // Bytes past everything placed so far cannot overlap anything.
    for (qint64 at = address; at < std::min(end, before); ++at) {
        const char byte = bytes[at - address];
        if (isPlaced(at) && m_bytes[at] != byte) {
            return QStringLiteral("байт по адресу 0x%1 уже задан другой записью: 0x%2, здесь 0x%3")
                .arg(upperHex(at, 4), upperHex(static_cast<quint8>(m_bytes[at]), 2),
                     upperHex(static_cast<quint8>(byte), 2));
        }
    }
    grow(end);
    std::memcpy(m_bytes.data() + address, bytes.data(), static_cast<size_t>(bytes.size()));
    markPlaced(address, bytes.size());
    return std::nullopt;
}

QByteArray RecordImage::take() {
    if (m_options.size) {
        grow(*m_options.size);
    }
    m_placed.clear();
    return std::move(m_bytes);
}

} // namespace chaserom
