#include "core/patterns/pattern.h"
#include "core/patterns/splitmix64.h"

#include <QString>
#include <gtest/gtest.h>
#include <set>

using namespace chaserom;

namespace {

QByteArray generated(const char* name, int channels, qint64 steps = 0) {
    const Pattern pattern = *patternNamed(QString::fromLatin1(name));
    return generatePattern(
        {pattern, channels, steps != 0 ? steps : patternLength(pattern, channels), 1, 1});
}

struct Golden {
    const char* name;
    const char* hex;
};

class PatternGolden : public ::testing::TestWithParam<Golden> {};

TEST_P(PatternGolden, EightChannels) {
    EXPECT_EQ(generated(GetParam().name, 8).toHex(' ').toUpper(), GetParam().hex);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, PatternGolden,
    ::testing::Values(Golden{"chase", "7F BF DF EF F7 FB FD FE"},
                      Golden{"chase-back", "FE FD FB F7 EF DF BF 7F"},
                      Golden{"bounce", "7F BF DF EF F7 FB FD FE FD FB F7 EF DF BF"},
                      Golden{"fill", "7F 3F 1F 0F 07 03 01 00"},
                      Golden{"empty", "00 01 03 07 0F 1F 3F 7F"}, Golden{"blink", "00 FF"}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

TEST(Patterns, WiderBoardsSpreadAStepOverItsBytes) {
    const QByteArray chase = generated("chase", 16);
    ASSERT_EQ(chase.size(), 32);
    EXPECT_EQ(chase.left(6).toHex(' ').toUpper(), "7F FF BF FF DF FF");
    EXPECT_EQ(chase.mid(14, 4).toHex(' ').toUpper(), "FE FF FF 7F");
    EXPECT_EQ(chase.right(2).toHex(' ').toUpper(), "FF FE");
    EXPECT_EQ(generated("bounce", 32).size(), 62 * 4);
    EXPECT_EQ(generated("blink", 24).toHex(' ').toUpper(), "00 00 00 FF FF FF");
    EXPECT_EQ(generated("fill", 32).right(4).toHex().toUpper(), "00000000");
}

TEST(Patterns, CounterShowsTheStepInBinaryLowestBitLast) {
    const QByteArray eight = generated("counter", 8);
    ASSERT_EQ(eight.size(), 256);
    EXPECT_EQ(eight.left(4).toHex(' ').toUpper(), "FF FE FD FC");
    EXPECT_EQ(eight.back(), '\x00');
    const QByteArray sixteen = generated("counter", 16);
    ASSERT_EQ(sixteen.size(), 65536 * 2);
    EXPECT_EQ(sixteen.mid(2 * 0x1234, 2).toHex().toUpper(), "EDCB");
    // 24 and 32 channels stop at 65536 steps: the upper channels stay dark.
    const QByteArray wide = generated("counter", 32);
    ASSERT_EQ(wide.size(), 65536 * 4);
    EXPECT_EQ(wide.mid(4 * 0x1234, 4).toHex().toUpper(), "FFFFEDCB");
    EXPECT_EQ(wide.right(4).toHex().toUpper(), "FFFF0000");
    EXPECT_EQ(generated("counter", 24).size(), 65536 * 3);
}

TEST(Patterns, LongerRunsRepeatThePattern) {
    EXPECT_EQ(generated("chase-back", 8, 19).toHex().toUpper(),
              "FEFDFBF7EFDFBF7FFEFDFBF7EFDFBF7FFEFDFB");
    EXPECT_EQ(generated("blink", 8, 1).toHex().toUpper(), "00");
}

TEST(Patterns, RandomLightsExactlyKChannelsAndDependsOnTheSeedAlone) {
    for (const int channels : {8, 16, 24, 32}) {
        for (const int lit : {0, 1, 3, channels}) {
            const QByteArray bytes = generatePattern({Pattern::Random, channels, 500, lit, 42});
            ASSERT_EQ(bytes.size(), 500 * channels / 8);
            std::set<QByteArray> distinct;
            for (qsizetype step = 0; step < 500; ++step) {
                const QByteArray stepBytes = bytes.mid(step * channels / 8, channels / 8);
                int dark = 0;
                for (const char byte : stepBytes) {
                    dark += __builtin_popcount(static_cast<quint8>(byte));
                }
                EXPECT_EQ(channels - dark, lit);
                distinct.insert(stepBytes);
            }
            if (lit > 0 && lit < channels) {
                EXPECT_GT(distinct.size(), 1U); // draws on rather than repeating
            }
        }
    }
    EXPECT_EQ(generatePattern({Pattern::Random, 16, 100, 2, 7}),
              generatePattern({Pattern::Random, 16, 100, 2, 7}));
    EXPECT_NE(generatePattern({Pattern::Random, 16, 100, 2, 7}),
              generatePattern({Pattern::Random, 16, 100, 2, 8}));
}

TEST(Patterns, RandomBytesArePinned) {
    // The documented generator, pinned: a change here changes every user's effects.
    SplitMix64 generator(1234567);
    EXPECT_EQ(generator.next(), 0x599ED017FB08FC85ULL);
    EXPECT_EQ(generatePattern({Pattern::Random, 8, 8, 1, 1}).toHex().toUpper(), "BFFEFDEFBF7FFBFB");
}

TEST(Patterns, NamesAndLengths) {
    EXPECT_FALSE(patternNamed(u"Chase"));
    EXPECT_EQ(patternNamed(u"chase-back"), Pattern::ChaseBack);
    EXPECT_EQ(patternLength(Pattern::Bounce, 8), 14);
    EXPECT_EQ(patternLength(Pattern::Random, 24), 24);
    EXPECT_EQ(patternLength(Pattern::Counter, 16), 65536);
}

} // namespace
