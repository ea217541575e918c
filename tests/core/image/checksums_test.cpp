#include "core/image/checksums.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <random>

using namespace chaserom;

namespace {

/// The CRC as zlib defines it, one bit at a time.
quint32 bitwiseCrc32(QByteArrayView bytes) {
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1U) != 0 ? (crc >> 1) ^ 0xEDB88320U : crc >> 1;
        }
    }
    return ~crc;
}

TEST(Checksums, KnownValues) {
    EXPECT_EQ(crc32("123456789"), 0xCBF43926U);
    EXPECT_EQ(crc32(""), 0U);
    EXPECT_EQ(crc32("The quick brown fox jumps over the lazy dog"), 0x414FA339U);

    const ImageChecksums eprom = checksumsOf(QByteArray(32768, '\xFF'));
    EXPECT_EQ(eprom.sum16(), 0x8000);
    EXPECT_EQ(eprom.sum32(), 0x007F8000U);
    EXPECT_EQ(eprom.size(), 32768);
    // A sum past 2^32 wraps.
    constexpr qsizetype Length = (1 << 24) + (1 << 17);
    EXPECT_EQ(checksumsOf(QByteArray(Length, '\xFF')).sum32(),
              static_cast<quint32>(quint64{Length} * 255));
}

TEST(Checksums, FastPathsAgreeWithABitwiseReferenceAtEveryLengthAndAlignment) {
    std::mt19937 random(5);
    QByteArray bytes(4096, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    for (int start = 0; start < 9; ++start) {
        for (int length : {0, 1, 7, 8, 9, 63, 64, 65, 1000, 4000}) {
            const QByteArrayView piece = QByteArrayView(bytes).sliced(start, length);
            quint32 sum = 0;
            for (const char byte : piece) {
                sum += static_cast<quint8>(byte);
            }
            const ImageChecksums checksums = checksumsOf(piece);
            EXPECT_EQ(checksums.crc32(), bitwiseCrc32(piece)) << start << "+" << length;
            EXPECT_EQ(checksums.sum32(), sum) << start << "+" << length;
        }
    }
}

TEST(Checksums, PiecesGiveTheSameAsTheWhole) {
    QByteArray bytes(200000, '\0');
    std::mt19937 random(9);
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    ImageChecksums pieces;
    for (qsizetype at = 0; at < bytes.size(); at += 12345) {
        pieces.add(QByteArrayView(bytes).sliced(at, std::min<qsizetype>(12345, bytes.size() - at)));
    }
    const ImageChecksums whole = checksumsOf(bytes);
    EXPECT_EQ(pieces.crc32(), whole.crc32());
    EXPECT_EQ(pieces.sum32(), whole.sum32());
    EXPECT_EQ(pieces.size(), whole.size());
    EXPECT_EQ(crc32(QByteArrayView(bytes).sliced(777), crc32(QByteArrayView(bytes).first(777))),
              whole.crc32());
}

} // namespace
