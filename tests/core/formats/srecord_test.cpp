#include "core/formats/srecord.h"
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
    return readSRecords(text, options);
}

/// The type digits of a text's records, in order, each once.
QByteArray recordTypes(const QByteArray& text) {
    QByteArray types;
    for (const QByteArray& line : text.split('\n')) {
        if (!line.isEmpty() && !types.endsWith(line[1])) {
            types.append(line[1]);
        }
    }
    return types;
}

TEST(SRecordWriter, WritesHeaderDataCountAndTerminator) {
    const QByteArray image = QByteArray::fromHex("0123456789ABCDEF0011223344");
    EXPECT_EQ(sRecordText(image, 8, QStringLiteral("demo.bin")),
              QByteArray("S00B000064656D6F2E62696EE8\n"
                         "S10B00000123456789ABCDEF34\n"
                         "S1080008001122334445\n"
                         "S5030002FA\n"
                         "S9030000FC\n"));
    EXPECT_EQ(sRecordText({}, 16, QString()), QByteArray("S0030000FC\nS5030000FC\nS9030000FC\n"));
}

TEST(SRecordWriter, AddressWidthFollowsTheImageLengthAndIsNeverMixed) {
    EXPECT_EQ(recordTypes(sRecordText(QByteArray(0x10000, 'x'), 250, "a")), "0159");
    EXPECT_EQ(recordTypes(sRecordText(QByteArray(0x10001, 'x'), 250, "a")), "0258");
    // 67109 records: S6 counts them.
    EXPECT_EQ(recordTypes(sRecordText(QByteArray(0x1000001, 'x'), 250, "a")), "0367");
    // 65536 records need the 24-bit count.
    const QByteArray text = sRecordText(QByteArray(0x10000, 'x'), 1, "a");
    EXPECT_TRUE(text.endsWith("S604010000FA\nS9030000FC\n"));
}

TEST(SRecordReader, ReadsBackWhatItWrote) {
    for (const qsizetype length : {1, 16, 17, 0x10000, 0x10001, 0x2FFFF}) {
        for (const int recordSize : {1, 16, 250}) {
            const QByteArray image = randomBytes(length, static_cast<unsigned>(length));
            const RecordReadResult result =
                readText(sRecordText(image, recordSize, QStringLiteral("образ.bin")));
            ASSERT_FALSE(result.fault) << result.fault->text.toStdString();
            EXPECT_EQ(result.image, image) << length << " bytes, records of " << recordSize;
            EXPECT_TRUE(result.warnings.empty());
        }
    }
}

TEST(SRecordReader, TakesMixedAddressWidthsLowerCaseAndCrLf) {
    const QByteArray text = "s0030000fc\r\n\r\nS104000142B8\r\n"
                            "S30600FFFFFF41BB\r\nS205000000AA50\r\nS70500000000FA\r\n";
    const RecordReadResult result = readText(text, filled('\0'));
    ASSERT_FALSE(result.fault) << result.fault->text.toStdString();
    ASSERT_EQ(result.image.size(), 0x1000000);
    EXPECT_EQ(result.image.left(3), QByteArray::fromHex("AA4200"));
    EXPECT_EQ(result.image.back(), 'A');
}

TEST(SRecordReader, ACountRecordVouchesForAFileWithoutTerminator) {
    // srec_cat writes no S9 when it knows no start address.
    RecordReadResult result = readText("S104000041BA\nS104000142B8\nS5030002FA\n");
    ASSERT_FALSE(result.fault) << result.fault->text.toStdString();
    EXPECT_EQ(result.image, QByteArray("AB"));
    ASSERT_EQ(result.warnings.size(), 1U);
    EXPECT_EQ(result.warnings[0].line, 3);

    result = readText("S104000041BA\nS104000142B8\n");
    ASSERT_TRUE(result.fault);
    EXPECT_EQ(result.fault->line, 2);
}

struct RefusedText {
    const char* name;
    const char* text;
    int line;
    const char* reason;
};

class SRecordRefusal : public ::testing::TestWithParam<RefusedText> {};

TEST_P(SRecordRefusal, NamesTheLine) {
    const RecordReadResult result = readText(GetParam().text);
    ASSERT_TRUE(result.fault);
    EXPECT_EQ(result.fault->line, GetParam().line);
    EXPECT_TRUE(result.fault->text.contains(QString::fromUtf8(GetParam().reason)))
        << result.fault->text.toStdString();
    EXPECT_TRUE(result.image.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Refused, SRecordRefusal,
    ::testing::Values(
        RefusedText{"bad_checksum", "S104000041BA\nS104000142B9\nS9030000FC\n", 2,
                    "контрольная сумма: 0xB9, должна быть 0xB8"},
        RefusedText{"no_s", "S104000041BA\n:00000001FF\n", 2, "«S»"},
        RefusedText{"no_type", "S104000041BA\nSX\n", 2, "цифра типа"},
        RefusedText{"s4", "S4030000FC\n", 1, "S4 не определён"},
        RefusedText{"not_hex", "S10400004GBA\n", 1, "«G»"},
        RefusedText{"count_byte", "S105000041BA\n", 1, "счётчик говорит 5"},
        RefusedText{"shorter_than_address", "S3030000FC\n", 1, "короче своего адреса"},
        RefusedText{"wrong_count", "S104000041BA\nS104000142B8\nS5030003F9\nS9030000FC\n", 3,
                    "насчитывает 3 записей данных, а их 2"},
        RefusedText{"wrong_count_s6", "S104000041BA\nS604000001FA\n\nS104000142B8\n", 2,
                    "S6 насчитывает 1"},
        RefusedText{"count_with_data", "S504000000FB\n", 1, "не должна нести данных"},
        RefusedText{"overlap", "S104000041BA\nS104000042B9\nS9030000FC\n", 2,
                    "уже задан другой записью"},
        RefusedText{"past_16_mib", "S3060100000041B7\nS70500000000FA\n", 1, "за пределом"},
        RefusedText{"no_terminator_nor_count", "S0030000FC\nS104000041BA\n\n", 3,
                    "без завершающей записи"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
