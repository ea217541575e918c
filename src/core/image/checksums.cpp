#include "core/image/checksums.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace chaserom {

namespace {

using CrcTables = std::array<std::array<quint32, 256>, 8>;

/// Table k gives the CRC of a byte followed by k zero bytes, so that eight bytes are
/// folded in with eight look-ups and no dependency between them ("slicing by 8").
constexpr CrcTables makeCrcTables() {
    CrcTables tables{};
    for (quint32 byte = 0; byte < 256; ++byte) {
        quint32 crc = byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ ((crc & 1U) != 0 ? 0xEDB88320U : 0U);
        }
        tables[0][byte] = crc;
    }
    for (quint32 byte = 0; byte < 256; ++byte) {
        for (size_t k = 1; k < tables.size(); ++k) {
            const quint32 previous = tables[k - 1][byte];
            tables[k][byte] = (previous >> 8) ^ tables[0][previous & 0xFF];
        }
    }
    return tables;
}

constexpr CrcTables Tables = makeCrcTables();

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the CRC tables fold little-endian words");

/// Continues a CRC register (not yet inverted) over `bytes`.
quint32 updateCrc(quint32 crc, const unsigned char* bytes, qsizetype count) {
    while (count >= 8) {
        quint32 low = 0;
        quint32 high = 0;
        std::memcpy(&low, bytes, 4);
        std::memcpy(&high, bytes + 4, 4);
        low ^= crc;
        crc = Tables[7][low & 0xFF] ^ Tables[6][(low >> 8) & 0xFF] ^ Tables[5][(low >> 16) & 0xFF] ^
              Tables[4][low >> 24] ^ Tables[3][high & 0xFF] ^ Tables[2][(high >> 8) & 0xFF] ^
              Tables[1][(high >> 16) & 0xFF] ^ Tables[0][high >> 24];
        bytes += 8;
        count -= 8;
    }
    while (count-- > 0) {
        crc = (crc >> 8) ^ Tables[0][(crc ^ *bytes++) & 0xFF];
    }
    return crc;
}

quint32 byteSum(const unsigned char* bytes, qsizetype count) {
    // Eight lanes vectorise well; a lane that wraps is still right modulo 2^32.
    std::array<quint32, 8> lanes{};
    qsizetype i = 0;
    for (; i + 8 <= count; i += 8) {
        for (size_t lane = 0; lane < lanes.size(); ++lane) {
            lanes[lane] += bytes[i + static_cast<qsizetype>(lane)];
        }
    }
    quint32 sum = 0;
    for (; i < count; ++i) {
        sum += bytes[i];
    }
    for (const quint32 lane : lanes) {
        sum += lane;
    }
    return sum;
}

} // namespace

void ImageChecksums::add(QByteArrayView bytes) {
    // Both passes over a piece that stays in the cache between them.
    constexpr qsizetype Piece = 64 * 1024;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype done = 0; done < bytes.size(); done += Piece) {
        const qsizetype count = std::min(Piece, bytes.size() - done);
        m_sum += byteSum(data + done, count);
        m_crc = updateCrc(m_crc, data + done, count);
    }
    m_size += bytes.size();
}

quint32 crc32(QByteArrayView bytes, quint32 crc) {
    return ~updateCrc(~crc, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

ImageChecksums checksumsOf(QByteArrayView image) {
    ImageChecksums checksums;
    checksums.add(image);
    return checksums;
}

} // namespace chaserom
