// What the step editor reads from the user: hex bytes from the clipboard, where to go, what
// to find.
#include "core/steps/bytepattern.h"
#include "core/steps/gotoaddress.h"
#include "core/steps/hexbytestext.h"
#include "core/steps/steprowtexts.h"

#include <gtest/gtest.h>

using namespace chaserom;

namespace {

TEST(HexBytesText, RoundTripsAndTakesWhatHexEditorsCopy) {
    const QByteArray bytes = QByteArray::fromHex("7FBFDF00");
    EXPECT_EQ(bytesToHexText(bytes), QStringLiteral("7F BF DF 00"));
    for (const char* text :
         {"7F BF DF 00", "7fbfdf00", "0x7F, 0xBF, 0xDF, 0x00", "7F\r\nBF\tDF 00\n"}) {
        EXPECT_EQ(hexTextToBytes(QString::fromLatin1(text)).value(), bytes) << text;
    }
    EXPECT_FALSE(hexTextToBytes(QStringLiteral("7F B")));
    const auto hello = hexTextToBytes(QStringLiteral("hello"));
    ASSERT_FALSE(hello);
    EXPECT_TRUE(hello.failure().contains(QStringLiteral("he")));
    EXPECT_FALSE(hexTextToBytes(QStringLiteral("  ")));
}

TEST(GoToAddress, ReadsAddressesStepsAndMoves) {
    // 16 channels: two bytes a step; the cursor on step 10 (address 20); 100 bytes.
    const auto go = [](const char* text) {
        return readGoToAddress(QString::fromUtf8(text), 20, 2, 100).value();
    };
    EXPECT_EQ(go("64"), 64);
    EXPECT_EQ(go(" 0x40 "), 64);
    EXPECT_EQ(go("0X3f"), 63);
    EXPECT_EQ(go("#25"), 50);
    EXPECT_EQ(go("+4"), 28);
    EXPECT_EQ(go("-4"), 12);
    EXPECT_EQ(go("−10"), 0);
    EXPECT_FALSE(go("100"));
    EXPECT_TRUE(readGoToAddress(QStringLiteral("100"), 20, 2, 100)
                    .failure()
                    .contains(QStringLiteral("от 0 до 99")));
    EXPECT_FALSE(go("-11"));
    EXPECT_FALSE(go("#50"));
    EXPECT_FALSE(go("abc"));
    EXPECT_FALSE(go("1 2"));
    EXPECT_FALSE(go("+-3"));
    EXPECT_FALSE(go(""));
}

TEST(BytePattern, FindsWithWildcardsBothWaysAndRoundTheEnd) {
    const QByteArray image = QByteArray::fromHex("7FBFDF7F00DF7FBF");
    const auto pattern = BytePattern::read(QStringLiteral("7F ?? DF"));
    ASSERT_TRUE(pattern);
    EXPECT_EQ(pattern->find(image, 0, true), 0);
    EXPECT_EQ(pattern->find(image, 1, true), 3);
    EXPECT_EQ(pattern->find(image, 4, true), 0); // round the end
    EXPECT_EQ(pattern->find(image, 2, false), 0);
    EXPECT_EQ(pattern->find(image, 99, false), 3);
    EXPECT_EQ(BytePattern::read(QStringLiteral("7fbf"))->find(image, 1, true), 6);
    EXPECT_FALSE(BytePattern::read(QStringLiteral("AA"))->find(image, 0, true));
    EXPECT_FALSE(BytePattern::read(QStringLiteral("7G")));
    EXPECT_FALSE(BytePattern::read(QStringLiteral("7")));
    EXPECT_FALSE(BytePattern::read(QString()));
}

TEST(BytePattern, ReadsWhatAPasteReads) {
    const QByteArray image = QByteArray::fromHex("007FBFDF00");
    for (const char* typed : {"7F\tBF\tDF", "0x7F, 0xBF, 0xDF", "7F;??\nDF", "0x7f??df"}) {
        const auto pattern = BytePattern::read(QString::fromLatin1(typed));
        ASSERT_TRUE(pattern) << typed << ": " << pattern.failure().toStdString();
        EXPECT_EQ(pattern->find(image, 0, true), 1) << typed;
    }
    EXPECT_FALSE(BytePattern::read(QStringLiteral("0x")));
    const auto blank = BytePattern::read(QStringLiteral(" \t,"));
    ASSERT_FALSE(blank);
    EXPECT_TRUE(blank.failure().contains(QStringLiteral("Введите байты")));
}

} // namespace

namespace {

TEST(StepRowColumns, LineUpNumbersAddressesAndBytesOverTheWholeImage) {
    // A 27C256 at 16 channels: 16384 steps, numbered up to 16383; addresses up to 7FFE.
    const StepRowColumns rom(32768, 2);
    const StepRowTexts twelfth = rom.texts(12, QByteArray::fromHex("FE7F"));
    EXPECT_EQ(twelfth.number, QStringLiteral("   12"));
    EXPECT_EQ(twelfth.address, QStringLiteral("0018"));
    EXPECT_EQ(twelfth.bytes, QStringLiteral("FE 7F"));
    EXPECT_EQ(rom.widest().number.size(), 5);
    EXPECT_EQ(rom.widest().bytes.size(), twelfth.bytes.size());

    // A 16 MiB flash at 32 channels needs six address digits; a last step cut short shows
    // the bytes it has.
    const StepRowColumns flash(16 * 1024 * 1024 + 2, 4);
    const StepRowTexts last = flash.texts(4 * 1024 * 1024, QByteArray::fromHex("0102"));
    EXPECT_EQ(last.address, QStringLiteral("1000000"));
    EXPECT_EQ(last.number, QStringLiteral("4194304"));
    EXPECT_EQ(last.bytes, QStringLiteral("01 02"));
    EXPECT_EQ(flash.widest().address.size(), 7);

    // An empty image still has a column to write "0" in.
    EXPECT_EQ(StepRowColumns(0, 1).widest().number, QStringLiteral("0"));
}

} // namespace
