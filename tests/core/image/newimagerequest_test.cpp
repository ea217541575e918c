// What a new image's length and fill byte may be typed as.
#include "core/image/newimagerequest.h"

#include <gtest/gtest.h>

using namespace chaserom;

namespace {

TEST(NewImageRequest, LengthsFromOneByteToSixteenMiBDecimalOrHex) {
    const std::pair<const char*, qint64> right[] = {
        {"1", 1}, {" 32 ", 32}, {"0x10", 16}, {"0X7fff", 32767}, {"16777216", 16777216}};
    for (const auto& [text, size] : right) {
        QString problem;
        EXPECT_EQ(readNewImageSize(QString::fromLatin1(text), problem), size) << text;
    }
    for (const char* text : {"0", "16777217", "+5", "-1", "0x-1", "0x", "abc", "", "1.5"}) {
        QString problem;
        EXPECT_FALSE(readNewImageSize(QString::fromLatin1(text), problem)) << text;
        EXPECT_FALSE(problem.isEmpty()) << text;
    }
}

TEST(NewImageRequest, AFillIsOneByteOfTwoHexDigits) {
    QString problem;
    EXPECT_EQ(readFillByte(QStringLiteral("FF"), problem), '\xFF');
    EXPECT_EQ(readFillByte(QStringLiteral("0x00"), problem), '\0');
    EXPECT_EQ(readFillByte(QStringLiteral(" 7f "), problem), '\x7F');
    for (const char* text : {"G", "FFF", "", "F", "FF 00"}) {
        EXPECT_FALSE(readFillByte(QString::fromLatin1(text), problem)) << text;
    }
}

} // namespace
