#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace chaserom {

/// The checksums EPROM programmers show for an image, taken over its bytes in order.
/// Bytes may come in pieces: the result is the same as for all of them at once.
class ImageChecksums {
public:
    void add(QByteArrayView bytes);

    /// The sum of all bytes modulo 2^32.
    [[nodiscard]] quint32 sum32() const { return m_sum; }
    /// The low 16 bits of sum32.
    [[nodiscard]] quint16 sum16() const { return static_cast<quint16>(m_sum); }
    /// zlib's CRC-32 (reflected polynomial 0xEDB88320, all ones in and out).
    [[nodiscard]] quint32 crc32() const { return ~m_crc; }
    [[nodiscard]] qint64 size() const { return m_size; }

private:
    quint32 m_sum = 0;
    quint32 m_crc = 0xFFFFFFFF;
    qint64 m_size = 0;
};

/// zlib's CRC-32 of `bytes`, continued from `crc` (the CRC of the bytes before them).
[[nodiscard]] quint32 crc32(QByteArrayView bytes, quint32 crc = 0);

/// The checksums of a whole image.
[[nodiscard]] ImageChecksums checksumsOf(QByteArrayView image);

} // namespace chaserom
