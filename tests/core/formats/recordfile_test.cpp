#include "core/formats/recordfile.h"

#include <gtest/gtest.h>

using namespace chaserom;

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

} // namespace
