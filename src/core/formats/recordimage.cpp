#include "core/formats/recordimage.h"

#include "core/formats/hexrecordtext.h"

#include <QCoreApplication>
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

void RecordImage::noteExtent(qint64 address, qint64 count) {
    const qint64 last = address + count - 1;
    if (!m_extent) {
        m_extent = DataExtent{address, last};
        return;
    }
    m_extent->lowest = std::min(m_extent->lowest, address);
    m_extent->highest = std::max(m_extent->highest, last);
}

Failure<> RecordImage::place(qint64 address, QByteArrayView bytes, int digits, int line) {
    if (bytes.isEmpty()) {
        return std::nullopt; // a record without data neither places nor lengthens anything
    }
    noteExtent(address, bytes.size());
    if (const auto& window = m_options.window) {
        const qint64 first = std::max(address, window->first);
        const qint64 end = std::min(address + bytes.size(), window->last + 1);
        const qint64 kept = std::max<qint64>(0, end - first);
        m_leftOut += bytes.size() - kept;
        if (kept == 0) {
            return std::nullopt;
        }
        bytes = bytes.sliced(first - address, kept);
        address = first;
    }
    if (m_options.base) {
        if (address < *m_options.base) {
            return QCoreApplication::translate("RecordImage",
                                               "данные по адресу 0x%1 лежат ниже базы 0x%2")
                .arg(upperHex(address, digits), upperHex(*m_options.base, digits));
        }
        address -= *m_options.base;
    }
    const qint64 end = address + bytes.size();
    if (end > m_limit) {
        const qint64 beyond = std::max(address, m_limit);
        if (m_options.size) {
            return QCoreApplication::translate(
                       "RecordImage", "данные по адресу 0x%1 лежат за концом образа длиной %2 байт")
                .arg(upperHex(beyond, digits))
                .arg(m_limit);
        }
        if (m_options.base) {
            return QCoreApplication::translate(
                       "RecordImage", "данные по адресу 0x%1 лежат дальше 16 МиБ от базы 0x%2")
                .arg(upperHex(beyond + *m_options.base, digits), upperHex(*m_options.base, digits));
        }
        if (!m_beyondLine) {
            m_beyondLine = line;
        }
        return std::nullopt;
    }
    if (m_beyondLine) {
        return std::nullopt; // the file is refused at the end: nothing more is placed
    }
    const qint64 before = m_bytes.size();
    // Bytes past everything placed so far cannot overlap anything.
    for (qint64 at = address; at < std::min(end, before); ++at) {
        const char byte = bytes[at - address];
        if (isPlaced(at) && m_bytes[at] != byte) {
            return QCoreApplication::translate(
                       "RecordImage",
                       "байт по адресу 0x%1 уже задан другой записью: 0x%2, здесь 0x%3")
                .arg(upperHex(at, digits), upperHex(static_cast<quint8>(m_bytes[at]), 2),
                     upperHex(static_cast<quint8>(byte), 2));
        }
    }
    grow(end);
    std::memcpy(m_bytes.data() + address, bytes.data(), static_cast<size_t>(bytes.size()));
    markPlaced(address, bytes.size());
    return std::nullopt;
}

std::optional<LineNote> RecordImage::beyondLimit() const {
    if (!m_beyondLine || !m_extent) {
        return std::nullopt;
    }
    const int digits = m_extent->highest > 0xFFFFFF ? 8 : 6;
    return LineNote{
        *m_beyondLine,
        QCoreApplication::translate("RecordImage",
                                    "данные лежат за пределом образа в 16 МиБ: наименьший адрес "
                                    "данных в файле 0x%1; укажите базу, например --base 0x%2")
            .arg(upperHex(m_extent->lowest, digits), upperHex(suggestedBase(*m_extent), digits))};
}

std::optional<DataExtent> RecordImage::extent() const {
    return m_extent;
}

std::optional<QString> RecordImage::leftOutWarning() const {
    if (m_leftOut == 0 || !m_options.window) {
        return std::nullopt;
    }
    return QCoreApplication::translate("RecordImage", "%1 байт вне окна 0x%2–0x%3 пропущено")
        .arg(m_leftOut)
        .arg(upperHex(m_options.window->first, 4), upperHex(m_options.window->last, 4));
}

QByteArray RecordImage::take() {
    if (m_options.size) {
        grow(*m_options.size);
    }
    m_placed.clear();
    return std::move(m_bytes);
}

void finishRecordRead(RecordReadResult& result, RecordImage& image, int lastLine) {
    result.extent = image.extent();
    if (auto beyond = image.beyondLimit()) {
        result.fault = std::move(beyond);
        return;
    }
    if (auto leftOut = image.leftOutWarning()) {
        result.warnings.push_back({lastLine, *leftOut});
    }
    if (!result.extent) {
        result.warnings.push_back(
            {lastLine, QCoreApplication::translate("RecordImage", "в файле нет данных")});
    }
    result.image = image.take();
}

} // namespace chaserom
