#include "core/formats/recordfile.h"
#include "tempfolder.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>

using namespace chaserom;
using namespace testing_support;

namespace {

TEST(RecordFile, FormatFollowsTheExtension) {
    for (const char* name : {"a.hex", "a.HEX", "dir.srec/a.ihx", "a.ihex"}) {
        EXPECT_EQ(recordFormatOfName(QString::fromLatin1(name)), RecordFormat::IntelHex) << name;
    }
    for (const char* name : {"a.srec", "a.s19", "a.S28", "a.s37", "a.mot"}) {
        EXPECT_EQ(recordFormatOfName(QString::fromLatin1(name)), RecordFormat::SRecord) << name;
    }
    for (const char* name : {"a.bin", "hex", "a.hex.bak", "-"}) {
        EXPECT_FALSE(recordFormatOfName(QString::fromLatin1(name))) << name;
    }
}

TEST(RecordFile, TheFirstCharacterTellsTheFormat) {
    const RecordReadOptions options;
    EXPECT_EQ(readRecordFile("\n \t:0100000041BE\n:00000001FF\n", options).image, "A");
    EXPECT_EQ(readRecordFile("\r\ns104000041ba\nS9030000FC\n", options).image, "A");

    RecordReadResult result = readRecordFile("\n\n  # comment\n", options);
    ASSERT_TRUE(result.fault);
    EXPECT_EQ(result.fault->line, 3);
    result = readRecordFile(" \n\n", options);
    ASSERT_TRUE(result.fault);
    EXPECT_TRUE(result.fault->text.contains(QString::fromUtf8("нет ни одной записи")));
}

TEST(RecordFile, CarriageReturnsAloneEndLinesInATextWithoutLineFeeds) {
    const RecordReadOptions options;
    EXPECT_EQ(readRecordFile(":0100000041BE\r:00000001FF\r", options).image, "A");
    EXPECT_EQ(readRecordFile("S104000041BA\rS9030000FC", options).image, "A");

    // Faults name the line as an editor of such files counts them.
    RecordReadResult result =
        readRecordFile(":0100000041BE\r\r:0100010042BD\r:00000001FF\r", options);
    ASSERT_TRUE(result.fault);
    EXPECT_EQ(result.fault->line, 3);
    result = readRecordFile("\r\r  # comment\r", options);
    ASSERT_TRUE(result.fault);
    EXPECT_EQ(result.fault->line, 3);
    // Where LF ends lines, a CR is a blank at a line's end: a doubled one starts no line.
    result = readRecordFile(":0100000041BE\r\r\n:0100010042BD\r\r\n:00000001FF\r\r\n", options);
    ASSERT_TRUE(result.fault);
    EXPECT_EQ(result.fault->line, 2);
}

/// Texts as the writers made them when they built them whole in memory, by their SHA-256
/// digests (the first 16 bytes): in pieces they must stay byte for byte the same.
struct KnownText {
    RecordFormat format;
    qsizetype length;
    int recordSize;
    const char* digest;
};

constexpr KnownText KnownTexts[] = {
    {RecordFormat::IntelHex, 1000, 1, "a507038cad17e37a6ca22d49e47bc9dd"},
    {RecordFormat::IntelHex, 1000, 16, "229f4af26df0f01ef1fb789cc7617dea"},
    {RecordFormat::IntelHex, 1000, 250, "8a223c82d229d150a6b334d029133c66"},
    {RecordFormat::IntelHex, 0x30001, 1, "ef06334beb90d365ea794482bc28ac48"},
    {RecordFormat::IntelHex, 0x30001, 16, "c273fd51c8f91ff52d8e98ffbbcd3513"},
    {RecordFormat::IntelHex, 0x30001, 250, "87672e161ca411f6f4b3cb0273cdbeb6"},
    {RecordFormat::SRecord, 1000, 1, "c5c9d23aef2eac3b00193fe33ba06a38"},
    {RecordFormat::SRecord, 1000, 16, "11064c768ae14372a1ff6900aeae9275"},
    {RecordFormat::SRecord, 1000, 250, "9bdcc2e0ae47ff4cb6fc77ac8f419498"},
    {RecordFormat::SRecord, 0x30001, 1, "be4a57b7ef0a793e2bd2e535c692abab"},
    {RecordFormat::SRecord, 0x30001, 16, "57adea22e3a6c39849650618e826064f"},
    {RecordFormat::SRecord, 0x30001, 250, "19e676b7739262eab1ee981909a7e5cb"},
};

QByteArray digestOf(const QByteArray& text) {
    return QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex().left(32);
}

TEST(RecordFileWriter, StreamsTheWholeTextInPiecesOfWholeLines) {
    constexpr qsizetype Piece = 1 << 16;
    for (const KnownText& known : KnownTexts) {
        SCOPED_TRACE(std::to_string(known.length) + " bytes, records of " +
                     std::to_string(known.recordSize));
        const QByteArray image = randomBytes(known.length, static_cast<unsigned>(known.recordSize));
        const QString name = QStringLiteral("образ.bin");
        std::vector<qsizetype> pieces;
        QByteArray streamed;
        writeRecordFile(known.format, image, known.recordSize, name, [&](QByteArrayView piece) {
            EXPECT_TRUE(piece.endsWith('\n'));
            pieces.push_back(piece.size());
            streamed.append(piece);
            return true;
        });
        EXPECT_EQ(digestOf(streamed), known.digest);
        EXPECT_EQ(digestOf(recordFileText(known.format, image, known.recordSize, name)),
                  known.digest);
        // Every piece but the last fills the buffer, and none holds much more than that.
        for (size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_LE(pieces[i], Piece + 600);
            EXPECT_TRUE(i + 1 == pieces.size() || pieces[i] >= Piece) << i;
        }
    }
}

TEST(RecordFileWriter, StopsAtTheFirstPieceTheSinkRefuses) {
    const QByteArray image = randomBytes(0x30001, 2);
    for (const RecordFormat format : {RecordFormat::IntelHex, RecordFormat::SRecord}) {
        int pieces = 0;
        writeRecordFile(format, image, 1, QStringLiteral("a"), [&pieces](QByteArrayView) {
            ++pieces;
            return pieces < 3;
        });
        EXPECT_EQ(pieces, 3);
    }
}

} // namespace
