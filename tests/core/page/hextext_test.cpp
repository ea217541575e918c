#include "core/page/hextext.h"

#include <gtest/gtest.h>

using namespace chaserom;

namespace {

struct HexCase {
    const char16_t* text;
    int value;
    const char* bits;
};

// Row texts as users type them: both cases, invalid digits counting 0 in their place,
// and texts of another length counting 0 as a whole.
constexpr HexCase hexCases[] = {
    {u"00", 0, "00000000"},
    {u"FF", 255, "11111111"},
    {u"ff", 255, "11111111"},
    {u"fF", 255, "11111111"},
    {u"7a", 122, "01111010"},
    {u"A0", 160, "10100000"},
    {u"A5", 165, "10100101"},
    {u"a5", 165, "10100101"},
    {u"5F", 95, "01011111"},
    {u"G1", 1, "00000001"},
    {u"1G", 16, "00010000"},
    {u"GG", 0, "00000000"},
    {u"  ", 0, "00000000"},
    {u" 5", 5, "00000101"},
    {u"F", 0, "00000000"},
    {u"", 0, "00000000"},
    {u"100", 0, "00000000"},
    {u"0A5", 0, "00000000"},
    {u"\u0661\u0662", 0, "00000000"}, // Arabic-Indic digits are not digits here
};

void PrintTo(const HexCase& c, std::ostream* out) {
    *out << '"' << QString::fromUtf16(c.text).toStdString() << '"';
}

class HexTextTest : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexTextTest, DecimalAndBinaryAgree) {
    const HexCase& c = GetParam();
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(HexToDec(text), c.value) << text.toStdString();
    EXPECT_EQ(HexToBin(text), QString::fromLatin1(c.bits)) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(RowTexts, HexTextTest, ::testing::ValuesIn(hexCases));

TEST(HexText, EveryTwoCharacterTextHasOneMeaning) {
    // The lamps must show exactly the byte a write-back stores, whatever was typed.
    const QString characters = QStringLiteral("0123456789ABCDEFabcdefGgz -+.\u00e9");
    for (const QChar high : characters) {
        for (const QChar low : characters) {
            const QString text = QString(high) + low;
            const int value = HexToDec(text);
            ASSERT_GE(value, 0);
            ASSERT_LE(value, 255);
            ASSERT_EQ(HexToBin(text), QString::number(value, 2).rightJustified(8, u'0'));
            for (int bit = 0; bit < 8; ++bit) {
                ASSERT_EQ(HexToDec(Inv(value, bit)), value ^ (1 << bit));
            }
        }
    }
}

TEST(HexText, InvertsOneBit) {
    EXPECT_EQ(Inv(255, 7), u"7F");
    EXPECT_EQ(Inv(0, 0), u"01");
    EXPECT_EQ(Inv(16, 4), u"00");
    EXPECT_EQ(Inv(0xA5, 0), u"A4");
    EXPECT_EQ(Inv(0xA5, 6), u"E5");
}

TEST(HexText, FormatsBytesAndAddresses) {
    EXPECT_EQ(byteToHex(0), u"00");
    EXPECT_EQ(byteToHex(10), u"0A");
    EXPECT_EQ(byteToHex(255), u"FF");
    EXPECT_EQ(addressToHex(0), u"0");
    EXPECT_EQ(addressToHex(15), u"F");
    EXPECT_EQ(addressToHex(4080), u"FF0");
    EXPECT_EQ(addressToHex(32766), u"7FFE");
}

} // namespace
