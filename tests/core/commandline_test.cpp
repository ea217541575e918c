#include "core/commandline.h"

#include <gtest/gtest.h>

using namespace chaserom;

TEST(CommandLine, TakesOneImageOrOneRequest) {
    EXPECT_EQ(parseCommandLine({}).action, CommandLine::Action::Run);
    EXPECT_TRUE(parseCommandLine({}).image.isEmpty());

    const CommandLine withImage = parseCommandLine({QStringLiteral("effect.bin")});
    EXPECT_EQ(withImage.action, CommandLine::Action::Run);
    EXPECT_EQ(withImage.image, QStringLiteral("effect.bin"));

    EXPECT_EQ(parseCommandLine({QStringLiteral("--help")}).action, CommandLine::Action::Help);
    EXPECT_EQ(parseCommandLine({QStringLiteral("-h")}).action, CommandLine::Action::Help);
    EXPECT_EQ(parseCommandLine({QStringLiteral("--version")}).action, CommandLine::Action::Version);
    EXPECT_EQ(parseCommandLine({QStringLiteral("--"), QStringLiteral("-odd.bin")}).image,
              QStringLiteral("-odd.bin"));
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
    EXPECT_EQ(parseCommandLine({QStringLiteral("--colour")}).action, CommandLine::Action::Error);
    EXPECT_EQ(parseCommandLine({QStringLiteral("a.bin"), QStringLiteral("b.bin")}).action,
              CommandLine::Action::Error);
}
