#include "core/board/programchoice.h"
#include "core/steps/gotoaddress.h"

#include <gtest/gtest.h>

using namespace chaserom;

namespace {

TEST(ProgramChoice, A2716Holds64ProgramsOf32StepsAndA27C256256Of128) {
    ProgramChoice programs;
    programs.setImageSteps(2048);
    EXPECT_EQ(programs.programCount(), 1); // the whole image, as described
    EXPECT_FALSE(programs.loop(1));
    programs.setStepsPerProgram(32);
    EXPECT_EQ(programs.programCount(), 64);
    programs.setImageSteps(32768);
    programs.setStepsPerProgram(128);
    EXPECT_EQ(programs.programCount(), 256);
    programs.setProgram(3);
    EXPECT_EQ(programs.programSteps(3), (StepSpan{256, 128}));
    // 16 channels: two bytes a step.
    EXPECT_EQ(programs.loop(2), (PlaybackLoop{512, 768}));
    EXPECT_EQ(programs.programStartingAt(384), 4);
    EXPECT_FALSE(programs.programStartingAt(385));

    EXPECT_EQ(stepsPerProgramChoices(8), (std::vector<int>{2, 4, 8}));
    EXPECT_TRUE(stepsPerProgramChoices(1).empty());
}

TEST(ProgramChoice, TheProgramStaysAmongThoseTheImageHoldsAndASelectionPlaysFirst) {
    ProgramChoice programs;
    int changed = 0;
    QObject::connect(&programs, &ProgramChoice::changed, [&changed] { ++changed; });
    programs.setImageSteps(1024);
    programs.setStepsPerProgram(64);
    programs.setProgram(16);
    programs.setProgram(99);
    EXPECT_EQ(programs.program(), 16);
    programs.setStepsPerProgram(512);
    EXPECT_EQ(programs.program(), 2);
    programs.setImageSteps(100);
    EXPECT_EQ(programs.programCount(), 1);
    EXPECT_EQ(programs.program(), 1);

    programs.setPlayedSelection(StepSpan{10, 5});
    EXPECT_EQ(programs.loop(1), (PlaybackLoop{10, 15}));
    programs.setPlayedSelection(std::nullopt);
    EXPECT_EQ(programs.loop(1), (PlaybackLoop{0, 512}));
    EXPECT_EQ(changed, 7);
}

TEST(PlaybackLoop, StepsWrapInsideTheLoopAndAPositionOutsideGoesToItsStart) {
    const PlaybackLoop program3{256, 384};
    EXPECT_EQ(nextLoopPosition(program3, 0, 1, 32767), 256);
    EXPECT_EQ(nextLoopPosition(program3, 300, 1, 32767), 301);
    EXPECT_EQ(nextLoopPosition(program3, 383, 1, 32767), 256);
    EXPECT_EQ(nextLoopPosition(program3, 384, 1, 32767), 256);
    // Steps of 3 bytes: the last whole step wraps.
    EXPECT_EQ(nextLoopPosition({0, 9}, 6, 3, 32767), 0);
    // A loop past what the page reaches plays as far as it reaches.
    EXPECT_EQ(nextLoopPosition({32640, 32768}, 32766, 1, 32767), 32767);
    EXPECT_EQ(nextLoopPosition({32640, 32768}, 32767, 1, 32767), 32640);
}

TEST(GoToAddress, AProgramGoesToItsFirstStepOnceTheBoardHasPrograms) {
    // 16 channels, 64 steps a program, 32768 bytes.
    EXPECT_EQ(readGoToAddress(QStringLiteral("P3"), 0, 2, 32768, 64).value(), 256);
    EXPECT_EQ(readGoToAddress(QStringLiteral(" p1 "), 50, 2, 32768, 64).value(), 0);
    EXPECT_FALSE(readGoToAddress(QStringLiteral("P0"), 0, 2, 32768, 64));
    EXPECT_FALSE(readGoToAddress(QStringLiteral("P257"), 0, 2, 32768, 64));
    const auto none = readGoToAddress(QStringLiteral("P3"), 0, 2, 32768, 0);
    ASSERT_FALSE(none);
    EXPECT_TRUE(none.failure().contains(QStringLiteral("Программ нет")));
}

} // namespace
