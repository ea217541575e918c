// chaserom-tool and the board: programs chosen by --steps-per-program and --program, and the
// board file beside the image giving what the command line does not.
#include "core/board/boardfile.h"
#include "core/colours/designcolours.h"
#include "core/files/colourfile.h"
#include "core/files/layoutfile.h"
#include "tempfolder.h"
#include "toolrunner.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace chaserom;
using namespace testing_support;

namespace {

class BoardTool : public ::testing::Test {
protected:
    Finished tool(const QStringList& arguments) { return runTool(arguments, m_folder.folder()); }

    TempFolder m_folder;
};

TEST_F(BoardTool, AnEffectGoesToTheFirstStepOfItsProgramAndFillsIt) {
    m_folder.write(QStringLiteral("chip.bin"), QByteArray(32768, '\xFF'));
    const Finished made =
        tool({QStringLiteral("generate"), QStringLiteral("chase"), QStringLiteral("--channels"),
              QStringLiteral("8"), QStringLiteral("--steps-per-program"), QStringLiteral("128"),
              QStringLiteral("--program"), QStringLiteral("3"), QStringLiteral("chip.bin")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QByteArray chip = m_folder.read(QStringLiteral("chip.bin"));
    ASSERT_EQ(chip.size(), 32768);
    // Program 3 is steps 256 to 383: the chase runs there, eight steps a pass, and only there.
    EXPECT_EQ(chip.left(256), QByteArray(256, '\xFF'));
    EXPECT_EQ(static_cast<quint8>(chip[256]), 0x7F);
    EXPECT_EQ(static_cast<quint8>(chip[257]), 0xBF);
    EXPECT_EQ(static_cast<quint8>(chip[383]), 0xFE);
    EXPECT_EQ(chip.mid(384), QByteArray(32768 - 384, '\xFF'));

    const Finished both =
        tool({QStringLiteral("generate"), QStringLiteral("chase"), QStringLiteral("--channels"),
              QStringLiteral("8"), QStringLiteral("--steps-per-program"), QStringLiteral("128"),
              QStringLiteral("--program"), QStringLiteral("3"), QStringLiteral("--at"),
              QStringLiteral("5"), QStringLiteral("chip.bin")});
    EXPECT_EQ(both.exitCode, 2);
}

TEST_F(BoardTool, TheBoardFileBesideTheImageGivesChannelsAndProgramsUnlessToldOtherwise) {
    m_folder.write(QStringLiteral("chip.bin"), QByteArray(4096, '\xFF'));
    m_folder.write(QString::fromLatin1(BoardFileName),
                   R"({"chaserom-board": 1, "channels": 16, "stepsPerProgram": 64})");
    const Finished made =
        tool({QStringLiteral("generate"), QStringLiteral("blink"), QStringLiteral("--program"),
              QStringLiteral("2"), QStringLiteral("chip.bin")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QByteArray chip = m_folder.read(QStringLiteral("chip.bin"));
    // 16 channels, 64 steps a program: program 2 starts at byte 128 and blinks for 64 steps.
    EXPECT_EQ(chip.left(128), QByteArray(128, '\xFF'));
    EXPECT_EQ(chip.mid(128, 4), QByteArray::fromHex("0000FFFF"));
    EXPECT_EQ(chip.mid(256), QByteArray(4096 - 256, '\xFF'));

    const Finished without = tool({QStringLiteral("generate"), QStringLiteral("blink"),
                                   QStringLiteral("--no-board"), QStringLiteral("chip.bin")});
    EXPECT_EQ(without.exitCode, 2);
    EXPECT_TRUE(without.err.contains("--channels"));

    m_folder.write(QString::fromLatin1(BoardFileName), R"({"channels": 12})");
    const Finished broken =
        tool({QStringLiteral("generate"), QStringLiteral("blink"), QStringLiteral("--channels"),
              QStringLiteral("8"), QStringLiteral("chip.bin")});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.err.contains(BoardFileName)) << broken.err.toStdString();
}

TEST_F(BoardTool, AGifOfABoardIsTheGifOfWhatItsFileSaysOnTheCommandLine) {
    m_folder.write(QStringLiteral("chip.bin"), randomBytes(2048, 9));
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(QColor(30, 60, 90));
    ASSERT_TRUE(picture.save(m_folder.path(QStringLiteral("board.png"))));
    m_folder.write(QString::fromLatin1(BoardFileName),
                   R"({"chaserom-board": 1, "channels": 16, "stepsPerProgram": 32,
                       "intervalMs": 100, "picture": "board.png",
                       "lamps": [[1200, 3400], [1500, 3400], [1800, 3400]],
                       "colours": ["#FF0000", "#00FF00"]})");
    const Finished fromBoard =
        tool({QStringLiteral("gif"), QStringLiteral("--program"), QStringLiteral("3"),
              QStringLiteral("-o"), QStringLiteral("board.gif"), QStringLiteral("chip.bin")});
    ASSERT_EQ(fromBoard.exitCode, 0) << fromBoard.err.toStdString();

    LampLayout layout = boardLampLayout({{1200, 3400}, {1500, 3400}, {1800, 3400}});
    m_folder.write(QStringLiteral("layout.txt"), layoutFileText(layout));
    ChannelColours colours = DesignColours;
    colours[0] = 0x0000FF;
    colours[1] = 0x00FF00;
    m_folder.write(QStringLiteral("colours.txt"), colourFileText(colours));
    const Finished spelled =
        tool({QStringLiteral("gif"), QStringLiteral("--no-board"), QStringLiteral("--channels"),
              QStringLiteral("16"), QStringLiteral("--at"), QString::number(2 * 32 * 2),
              QStringLiteral("--steps"), QStringLiteral("32"), QStringLiteral("--interval"),
              QStringLiteral("100"), QStringLiteral("--layout"), QStringLiteral("layout.txt"),
              QStringLiteral("--colours"), QStringLiteral("colours.txt"),
              QStringLiteral("--background"), QStringLiteral("board.png"), QStringLiteral("-o"),
              QStringLiteral("spelled.gif"), QStringLiteral("chip.bin")});
    ASSERT_EQ(spelled.exitCode, 0) << spelled.err.toStdString();
    EXPECT_TRUE(m_folder.read(QStringLiteral("board.gif")) ==
                m_folder.read(QStringLiteral("spelled.gif")));
}

} // namespace
