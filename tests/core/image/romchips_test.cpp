// The smallest chip that holds an image, at each chip's edge.
#include "core/image/romchips.h"

#include <QString>
#include <gtest/gtest.h>

using namespace chaserom;

namespace {

struct ChipCase {
    qint64 length;
    std::string_view chip;
};

constexpr ChipCase Cases[] = {
    {0, ""},           {1, "2716"},        {2048, "2716"},      {2049, "2732"},
    {8192, "2764"},    {16384, "27128"},   {32767, "27C256"},   {32768, "27C256"},
    {32769, "27C512"}, {131072, "27C010"}, {1048576, "27C080"}, {1048577, ""},
};

TEST(RomChips, TheSmallestChipThatHoldsTheImage) {
    for (const ChipCase& test : Cases) {
        const auto chip = smallestChipHolding(test.length);
        EXPECT_EQ(chip ? chip->name : std::string_view(), test.chip) << test.length;
    }
}

TEST(RomChips, NamesInAnyCaseWithOrWithoutTheCmosLetter) {
    for (const char* name : {"27C256", "27c256", "27256"}) {
        const auto chip = chipNamed(QString::fromLatin1(name));
        ASSERT_TRUE(chip) << name;
        EXPECT_EQ(chip->size, 32768) << name;
    }
    EXPECT_EQ(chipNamed(u"2716")->size, 2048);
    EXPECT_EQ(chipNamed(u"27C010")->size, 131072);
    EXPECT_EQ(chipNamed(u"27010")->size, 131072);
    EXPECT_FALSE(chipNamed(u"2718"));
    EXPECT_FALSE(chipNamed(u"27C"));
    EXPECT_FALSE(chipNamed(u""));
}

} // namespace
