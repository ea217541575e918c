#include "core/files/numbertext.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace chaserom;

namespace {

std::vector<QByteArray> numbersOf(QByteArrayView text) {
    NumberReader reader(text);
    std::vector<QByteArray> numbers;
    while (const auto number = reader.next()) {
        numbers.push_back(number->toByteArray());
    }
    return numbers;
}

TEST(PrintNumber, WritesSignDigitsBlankAndLineEnd) {
    EXPECT_EQ(printNumberLine(qint64{255}), QByteArray(" 255 \r\n"));
    EXPECT_EQ(printNumberLine(qint64{0}), QByteArray(" 0 \r\n"));
    EXPECT_EQ(printNumberLine(qint64{-67}), QByteArray("-67 \r\n"));
    EXPECT_EQ(printNumberLine(qint64{16777215}), QByteArray(" 16777215 \r\n"));
    EXPECT_EQ(printNumberLine(3960.0F), QByteArray(" 3960 \r\n"));
    EXPECT_EQ(printNumberLine(-67.0F), QByteArray("-67 \r\n"));
    EXPECT_EQ(printNumberLine(-0.0F), QByteArray(" 0 \r\n"));
    EXPECT_EQ(printNumberLine(12.5F), QByteArray(" 12.5 \r\n"));
    EXPECT_EQ(printNumberLine(0.1F), QByteArray(" 0.1 \r\n"));
    // Large and tiny values keep plain digits; an exponent would read as a different form.
    EXPECT_EQ(printNumberLine(100000.0F), QByteArray(" 100000 \r\n"));
    EXPECT_EQ(printNumberLine(-2000000.0F), QByteArray("-2000000 \r\n"));
    EXPECT_EQ(printNumberLine(0.0000001F), QByteArray(" 0.0000001 \r\n"));
}

TEST(PrintNumber, ExtremeFloatsReadBackExactly) {
    for (const float value :
         {std::numeric_limits<float>::max(), std::numeric_limits<float>::lowest(),
          std::numeric_limits<float>::denorm_min(), 1e30F, -3e-20F}) {
        const QByteArray line = printNumberLine(value);
        EXPECT_FALSE(line.contains('e')) << line.constData();
        const auto numbers = numbersOf(line);
        ASSERT_EQ(numbers.size(), 1U);
        EXPECT_EQ(parseFloat(numbers[0]), value) << line.constData();
    }
}

TEST(PrintNumber, FractionsReadBackToTheSameValue) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> positions(-20000.0F, 20000.0F);
    for (int i = 0; i < 20000; ++i) {
        const float value = positions(random);
        const QByteArray line = printNumberLine(value);
        const auto numbers = numbersOf(line);
        ASSERT_EQ(numbers.size(), 1U);
        const auto read = parseFloat(numbers[0]);
        ASSERT_TRUE(read) << line.constData();
        ASSERT_EQ(*read, value) << line.constData();
    }
}

TEST(NumberReader, SkipsBlanksCommasAndLineEnds) {
    const auto numbers = numbersOf(" 1 \r\n2,3 ,  4\n\n\r\n\t5\t,6");
    const std::vector<QByteArray> expected = {"1", "2", "3", "4", "5", "6"};
    EXPECT_EQ(numbers, expected);
    EXPECT_TRUE(numbersOf("").empty());
    EXPECT_TRUE(numbersOf(" \r\n , \n").empty());
}

TEST(NumberParsing, TakesDecimalNumbersOnly) {
    EXPECT_EQ(parseInt32("255"), 255);
    EXPECT_EQ(parseInt32("+255"), 255);
    EXPECT_EQ(parseInt32("-2147483648"), std::numeric_limits<qint32>::min());
    EXPECT_EQ(parseInt32("2.5"), 2);
    EXPECT_EQ(parseInt32("3.5"), 4);
    EXPECT_FALSE(parseInt32("2147483648"));
    EXPECT_FALSE(parseInt32("abc"));
    EXPECT_FALSE(parseInt32("12abc"));
    EXPECT_FALSE(parseInt32("+-1"));
    EXPECT_FALSE(parseInt32(""));
    EXPECT_FALSE(parseInt32("nan"));
    EXPECT_EQ(parseFloat("-67"), -67.0F);
    EXPECT_EQ(parseFloat("1e3"), 1000.0F);
    EXPECT_FALSE(parseFloat("inf"));
    EXPECT_FALSE(parseFloat("1e99"));
    EXPECT_FALSE(parseFloat("0x10"));
}

TEST(NumberParsing, TellsANumberTooLargeFromNoNumber) {
    for (const char* number :
         {"1", "-1", "+2", ".5", "1.5e3", "1e99", "-1e-999", "99999999999999999999999"}) {
        EXPECT_TRUE(isDecimalNumber(number)) << number;
    }
    for (const char* text :
         {"", "-", "+", ".", "1e", "inf", "-nan", "abc", "12abc", "0x10", "+-1", "1 2"}) {
        EXPECT_FALSE(isDecimalNumber(text)) << text;
    }
}

} // namespace
