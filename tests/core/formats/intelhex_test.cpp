#include "core/formats/intelhex.h"
#include "tempfolder.h"

#include <QList>
#include <gtest/gtest.h>

using namespace chaserom;
using namespace testing_support;

namespace {

/// Reading options with a fill byte and, if given, an exact size.
RecordReadOptions filled(char fill, std::optional<qint64> size = std::nullopt) {
    RecordReadOptions options;
    options.fill = fill;
    options.size = size;
    return options;
}

RecordReadResult readText(const QByteArray& text, RecordReadOptions options = {}) {
    return readIntelHex(text, options);
}

TEST(IntelHexWriter, WritesDataRecordsAndTheEndRecord) {
    const QByteArray image = QByteArray::fromHex("0123456789ABCDEF0011223344");
    EXPECT_EQ(intelHexText(image, 8), QByteArray(":080000000123456789ABCDEF38\n"
                                                 ":05000800001122334449\n"
                                                 ":00000001FF\n"));
    EXPECT_EQ(intelHexText({}, 16), QByteArray(":00000001FF\n"));
}

TEST(IntelHexWriter, StartsEachSegmentOfALargeImageWithItsLinearAddress) {
    const QByteArray image = randomBytes(0x10000 + 40, 7);
    const QList<QByteArray> lines = intelHexText(image, 250).split('\n');
    EXPECT_EQ(lines.first(), ":020000040000FA");
    // 65536 = 262 × 250 + 36: the segment's last record is cut at its end.
    EXPECT_TRUE(lines[263].startsWith(":24FFDC00")) << lines[263].constData();
    EXPECT_EQ(lines[264], ":020000040001F9");
    EXPECT_TRUE(lines[265].startsWith(":28000000")) << lines[265].constData();
    for (const QByteArray& line : lines) {
        EXPECT_FALSE(line.mid(7, 2) == "02" || line.mid(7, 2) == "03" || line.mid(7, 2) == "05");
    }
    EXPECT_EQ(readText(intelHexText(image, 250)).image, image);
}

TEST(IntelHexWriter, ImagesOf64KiBNeedNoAddressRecord) {
    const QByteArray text = intelHexText(QByteArray(0x10000, '\x5A'), 16);
    EXPECT_FALSE(text.contains(":02000004"));
    EXPECT_EQ(text.count('\n'), 4097);
}

TEST(IntelHexReader, ReadsBackWhatItWrote) {
    for (const qsizetype length : {1, 15, 16, 17, 255, 4096, 0x10000, 0x10001, 0x2FFFF}) {
        for (const int recordSize : {1, 16, 32, 250}) {
            const QByteArray image = randomBytes(length, static_cast<unsigned>(length));
            const RecordReadResult result = readText(intelHexText(image, recordSize));
            ASSERT_FALSE(result.fault) << result.fault->text.toStdString();
            EXPECT_EQ(result.image, image) << length << " bytes, records of " << recordSize;
            EXPECT_TRUE(result.warnings.empty());
        }
    }
}

TEST(IntelHexReader, TakesLowerCaseCrLfBlankLinesAndGapsFilled) {
    const QByteArray text = "\r\n  :020004001122c7 \r\n\r\n:02000800aabb91\r\n:00000001ff\r\n";
    RecordReadResult result = readText(text);
    ASSERT_FALSE(result.fault) << result.fault->text.toStdString();
    EXPECT_EQ(result.image, QByteArray::fromHex("FFFFFFFF1122FFFFAABB"));
    result = readText(text, filled('\0', 12));
    EXPECT_EQ(result.image, QByteArray::fromHex("0000000011220000AABB0000"));
}

TEST(IntelHexReader, HonoursSegmentAndLinearAddresses) {
    // Segment 0x1000 puts offset 0 at 0x10000; a record crossing its offset 0xFFFF wraps
    // to the segment's start, as the 8086 addressed memory. Linear 0x0001 puts it at 0x10000
    // too, without the wrap. Start addresses (03, 05) change nothing.
    const QByteArray text = ":020000021000EC\n"
                            ":02FFFF00AABB9B\n"
                            ":0400000300001234B3\n"
                            ":0400000500001234B1\n"
                            ":020000040001F9\n"
                            ":01000100CC32\n"
                            ":00000001FF\n";
    const RecordReadResult result = readText(text);
    ASSERT_FALSE(result.fault) << result.fault->text.toStdString();
    ASSERT_EQ(result.image.size(), 0x20000);
    EXPECT_EQ(result.image.mid(0x10000, 2), QByteArray::fromHex("BBCC"));
    EXPECT_EQ(result.image.at(0x1FFFF), '\xAA');
}

TEST(IntelHexReader, ARecordWithoutDataDoesNotLengthenTheImage) {
    const RecordReadResult result = readText(":0100000041BE\n:00001000F0\n:00000001FF\n");
    ASSERT_FALSE(result.fault);
    EXPECT_EQ(result.image, QByteArray("A"));
}

TEST(IntelHexReader, OverlapsWithTheSameBytesAreFine) {
    const QByteArray text = ":0400000001020304F2\n:020001000203F8\n:00000001FF\n";
    const RecordReadResult result = readText(text);
    ASSERT_FALSE(result.fault) << result.fault->text.toStdString();
    EXPECT_EQ(result.image, QByteArray::fromHex("01020304"));
}

struct RefusedText {
    const char* name;
    const char* text;
    int line;
    const char* reason;
};

class IntelHexRefusal : public ::testing::TestWithParam<RefusedText> {};

TEST_P(IntelHexRefusal, NamesTheLine) {
    const RecordReadResult result = readText(GetParam().text);
    ASSERT_TRUE(result.fault);
    EXPECT_EQ(result.fault->line, GetParam().line);
    EXPECT_TRUE(result.fault->text.contains(QString::fromUtf8(GetParam().reason)))
        << result.fault->text.toStdString();
    EXPECT_TRUE(result.image.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Refused, IntelHexRefusal,
    ::testing::Values(RefusedText{"bad_checksum", ":0100000041BE\n:0100010042BD\n:00000001FF\n", 2,
                                  "контрольная сумма: 0xBD, должна быть 0xBC"},
                      RefusedText{"no_colon", ":0100000041BE\n0100010042BC\n", 2, "«:»"},
                      RefusedText{"not_hex", ":01000000G1BE\n", 1, "«G»"},
                      RefusedText{"odd_digits", ":0100000041BE0\n", 1, "нечётное"},
                      RefusedText{"short", ":0000\n", 1, "короче"},
                      RefusedText{"count", ":0200000041BD\n", 1, "счётчик говорит 2"},
                      RefusedText{"type", ":00000006FA\n", 1, "тип записи 0x06"},
                      RefusedText{"segment_length", ":0100000210ED\n", 1, "должно быть 2"},
                      RefusedText{"overlap", ":0100000041BE\n\n:0100000042BD\n:00000001FF\n", 3,
                                  "уже задан другой записью: 0x41, здесь 0x42"},
                      RefusedText{"past_16_mib", ":020000040100F9\n:0100000041BE\n:00000001FF\n", 2,
                                  "наименьший адрес данных в файле 0x01000000"},
                      RefusedText{"no_end", ":0100000041BE\n\n", 2, "без записи конца"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IntelHexReader, ChecksumFaultSaysWhatTheChecksumShouldBe) {
    const RecordReadResult result = readText(":0100000041BF\n:00000001FF\n");
    ASSERT_TRUE(result.fault);
    EXPECT_EQ(result.fault->text,
              QString::fromUtf8("неверная контрольная сумма: 0xBF, должна быть 0xBE"));
}

TEST(IntelHexReader, DataPastTheAskedSizeIsRefused) {
    const QByteArray text = ":0100000041BE\n:0100100042AD\n:00000001FF\n";
    RecordReadResult result = readText(text, filled('\xFF', 16));
    ASSERT_TRUE(result.fault);
    EXPECT_EQ(result.fault->line, 2);
    EXPECT_TRUE(result.fault->text.contains(QString::fromUtf8("длиной 16 байт")));
    result = readText(text, filled('\xFF', 17));
    EXPECT_FALSE(result.fault);
    EXPECT_EQ(result.image.size(), 17);
}

TEST(IntelHexReader, LinesAfterTheEndRecordAreIgnoredWithAWarning) {
    const RecordReadResult result = readText(":0100000041BE\n:00000001FF\n:0100010042BC\n");
    ASSERT_FALSE(result.fault);
    EXPECT_EQ(result.image, QByteArray("A"));
    ASSERT_EQ(result.warnings.size(), 1U);
    EXPECT_EQ(result.warnings[0].line, 3);
}

} // namespace
