// What a new image's length and fill byte may be typed as.
#include "core/image/newimagerequest.h"

#include <gtest/gtest.h>

using namespace chaserom;

namespace {

TEST(NewImageRequest, LengthsFromOneByteToSixteenMiBDecimalOrHex) {
    const std::pair<const char*, qint64> right[] = {
        {"1", 1}, {" 32 ", 32}, {"0x10", 16}, {"0X7fff", 32767}, {"16777216", 16777216}};
    for (const auto& [text, size] : right) {
        EXPECT_EQ(readNewImageSize(QString::fromLatin1(text)).value(), size) << text;
    }
    for (const char* text : {"0", "16777217", "+5", "-1", "0x-1", "0x", "abc", "", "1.5"}) {
        const auto size = readNewImageSize(QString::fromLatin1(text));
        ASSERT_FALSE(size) << text;
        EXPECT_FALSE(size.failure().isEmpty()) << text;
    }
}

TEST(NewImageRequest, AFillIsOneByteOfTwoHexDigits) {
    EXPECT_EQ(readFillByte(QStringLiteral("FF")).value(), '\xFF');
    EXPECT_EQ(readFillByte(QStringLiteral("0x00")).value(), '\0');
    EXPECT_EQ(readFillByte(QStringLiteral(" 7f ")).value(), '\x7F');
    for (const char* text : {"G", "FFF", "", "F", "FF 00"}) {
        EXPECT_FALSE(readFillByte(QString::fromLatin1(text))) << text;
    }
}

} // namespace
