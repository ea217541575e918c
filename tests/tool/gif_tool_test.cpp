// The animations of chaserom-tool as ImageMagick, a GIF reader we did not write, sees them.
#include "core/colours/designcolours.h"
#include "core/files/layoutfile.h"
#include "core/geometry/lampstartpositions.h"
#include "tempfolder.h"
#include "toolrunner.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

using namespace chaserom;
using namespace testing_support;

namespace {

// /usr/local/bin may hold another program of the name: ImageMagick is called by its path.
const QString Identify = QStringLiteral("/usr/bin/identify");
const QString Convert = QStringLiteral("/usr/bin/convert");

QColor designColour(int channel) {
    const Bgr colour = DesignColours[channel];
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

/// The pixel at a lamp's centre.
QPoint lampCentre(const LampLayout& layout, int lamp) {
    return {qRound((layout[lamp].left + 127) / 15), qRound((layout[lamp].top + 127) / 15)};
}

class GifTool : public ::testing::Test {
protected:
    Finished tool(const QStringList& arguments) { return runTool(arguments, m_folder.folder()); }

    /// Each frame's delay (hundredths of a second) and geometry as identify gives them.
    QStringList frames(const QString& gif) {
        const Finished run =
            runProgram(Identify, {QStringLiteral("-format"), QStringLiteral("%T %W %H\\n"), gif},
                       m_folder.folder());
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
    }

    /// The frames as a reader composes them, in order.
    std::vector<QImage> composed(const QString& gif) {
        QDir(m_folder.folder()).mkdir(QStringLiteral("frames"));
        const Finished run = runProgram(
            Convert, {gif, QStringLiteral("-coalesce"), QStringLiteral("frames/%03d.png")},
            m_folder.folder());
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        std::vector<QImage> images;
        for (int i = 0;; ++i) {
            QImage image(
                m_folder.path(QStringLiteral("frames/%1.png").arg(i, 3, 10, QLatin1Char('0'))));
            if (image.isNull()) {
                break;
            }
            images.push_back(image.convertToFormat(QImage::Format_RGB32));
        }
        return images;
    }

    TempFolder m_folder;
};

TEST_F(GifTool, FramesDelaysLoopAndLampColours) {
    // Eight channels: channel 0 alone, channels 1 and 7, a repeated step, all dark, all lit.
    m_folder.write(QStringLiteral("effect.bin"), QByteArray::fromHex("7FBEBEFF00"));
    const Finished run =
        tool({QStringLiteral("gif"), QStringLiteral("--interval"), QStringLiteral("250"),
              QStringLiteral("-o"), QStringLiteral("effect.gif"), QStringLiteral("effect.bin")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

    // The repeated step lengthens its frame: the total time stays 5 × 25.
    EXPECT_EQ(frames(QStringLiteral("effect.gif")),
              (QStringList{QStringLiteral("25 833 597"), QStringLiteral("50 833 597"),
                           QStringLiteral("25 833 597"), QStringLiteral("25 833 597")}));
    const Finished verbose = runProgram(
        Identify, {QStringLiteral("-verbose"), QStringLiteral("effect.gif[0]")}, m_folder.folder());
    EXPECT_TRUE(verbose.out.contains("Iterations: 0")) << "loops forever";

    const std::vector<QImage> images = composed(QStringLiteral("effect.gif"));
    ASSERT_EQ(images.size(), 4U);
    const QColor black(Qt::black);
    const auto at = [&](int frame, int lamp) {
        return images[static_cast<size_t>(frame)].pixelColor(lampCentre(LampStartPositions, lamp));
    };
    for (const int lamp : {0, 8, 248}) {
        EXPECT_EQ(at(0, lamp), designColour(0)); // 7F: channel 0 lit
        EXPECT_EQ(at(0, lamp + 1), black);
        EXPECT_EQ(at(1, lamp), black); // BE: channels 1 and 7 lit
        EXPECT_EQ(at(1, lamp + 1), designColour(1));
        EXPECT_EQ(at(1, lamp + 7), designColour(7));
        EXPECT_EQ(at(2, lamp + 7), black);           // FF: all dark
        EXPECT_EQ(at(3, lamp + 3), designColour(3)); // 00: all lit
    }
    // The window's background, the rule Line1 and the tool strip's band are there.
    EXPECT_EQ(images[0].pixelColor(800, 300), QColor(0xEF, 0xEF, 0xEF));
    EXPECT_EQ(images[0].pixelColor(300, 440), black);
}

TEST_F(GifTool, TheExampleBoardWithItsPictureAndColoursFile) {
    const QString examples = QStringLiteral(CHASEROM_EXAMPLES);
    // A colours file in the working folder is taken, as the colour panel takes it.
    QByteArray colours;
    for (int channel = 0; channel < 32; ++channel) {
        colours += " " + QByteArray::number(0x010203 * (channel + 1)) + " \r\n";
    }
    m_folder.write(QStringLiteral("ColorKanal.txt"), colours);
    const Finished run =
        tool({QStringLiteral("gif"), QStringLiteral("--channels"), QStringLiteral("32"),
              QStringLiteral("--layout"), examples + QStringLiteral("/board-layout.txt"),
              QStringLiteral("--background"), examples + QStringLiteral("/board.png"),
              QStringLiteral("--at"), QStringLiteral("128"), QStringLiteral("--steps"),
              QStringLiteral("4"), QStringLiteral("--interval"), QStringLiteral("105"),
              QStringLiteral("-o"), QStringLiteral("board.gif"),
              examples + QStringLiteral("/demo32.bin")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("110 мс")) << "rounded with a warning";
    EXPECT_EQ(frames(QStringLiteral("board.gif")).first(), QStringLiteral("11 833 597"));

    LampLayout layout{};
    ASSERT_FALSE(loadLayoutFile(examples + QStringLiteral("/board-layout.txt"), layout));
    QFile image(examples + QStringLiteral("/demo32.bin"));
    ASSERT_TRUE(image.open(QIODevice::ReadOnly));
    const QByteArray steps = image.readAll().mid(128, 16);
    const std::vector<QImage> images = composed(QStringLiteral("board.gif"));
    ASSERT_EQ(images.size(), 4U);
    for (int frame = 0; frame < 4; ++frame) {
        for (int lamp = 0; lamp < LampCount; lamp += 5) {
            const int channel = lamp % 32;
            const bool lit = (steps[frame * 4 + channel / 8] & (0x80 >> (channel % 8))) == 0;
            const int value = 0x010203 * (channel + 1);
            const QColor expected =
                lit ? QColor(value & 0xFF, (value >> 8) & 0xFF, value >> 16) : QColor(Qt::black);
            const QPoint centre = lampCentre(layout, lamp);
            if (centre.y() < 57) {
                continue; // under the tool strip
            }
            EXPECT_EQ(images[static_cast<size_t>(frame)].pixelColor(centre), expected)
                << "frame " << frame << ", lamp " << lamp;
        }
    }
}

TEST_F(GifTool, ScaledAndCroppedToTheLampsWithExactColours) {
    m_folder.write(QStringLiteral("effect.bin"), QByteArray::fromHex("7FBE"));
    const Finished run =
        tool({QStringLiteral("gif"), QStringLiteral("--scale"), QStringLiteral("50"),
              QStringLiteral("--crop-to-lamps"), QStringLiteral("-o"), QStringLiteral("small.gif"),
              QStringLiteral("effect.bin")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    // The lamps' bounding box at their start places, 8 pixels round it, at half size.
    QRect lamps;
    for (const LampPosition& lamp : LampStartPositions) {
        lamps |= QRect(lamp.left / 15, lamp.top / 15, 17, 17);
    }
    const QRect area = lamps.adjusted(-8, -8, 8, 8).intersected(QRect(0, 0, 833, 597));
    const QStringList shown = frames(QStringLiteral("small.gif"));
    ASSERT_EQ(shown.size(), 2);
    const QStringList geometry = shown[0].split(u' ');
    EXPECT_NEAR(geometry[1].toInt(), area.width() / 2, 1) << shown[0].toStdString();
    EXPECT_NEAR(geometry[2].toInt(), area.height() / 2, 1) << shown[0].toStdString();

    // Scaled without smoothing: a lamp's centre keeps its channel's colour exactly.
    const std::vector<QImage> images = composed(QStringLiteral("small.gif"));
    ASSERT_EQ(images.size(), 2U);
    const auto at = [&](int frame, int lamp) {
        const QPoint centre = lampCentre(LampStartPositions, lamp) - area.topLeft();
        return images[static_cast<size_t>(frame)].pixelColor(centre / 2);
    };
    for (const int lamp : {0, 8, 248}) {
        EXPECT_EQ(at(0, lamp), designColour(0));
        EXPECT_EQ(at(0, lamp + 1), QColor(Qt::black));
        EXPECT_EQ(at(1, lamp + 7), designColour(7));
    }

    const Finished tooLarge =
        tool({QStringLiteral("gif"), QStringLiteral("--scale"), QStringLiteral("300"),
              QStringLiteral("-o"), QStringLiteral("big.gif"), QStringLiteral("effect.bin")});
    EXPECT_NE(tooLarge.exitCode, 0);
    EXPECT_TRUE(tooLarge.err.contains("--scale")) << tooLarge.err.toStdString();
    EXPECT_FALSE(QFile::exists(m_folder.path(QStringLiteral("big.gif"))));
}

TEST_F(GifTool, RefusesWhatItCannotShow) {
    m_folder.write(QStringLiteral("short.bin"), "ABC");
    struct Case {
        QStringList arguments;
        const char* says;
    };
    const Case cases[] = {
        {{QStringLiteral("--channels"), QStringLiteral("32")}, "нет ни одного целого шага"},
        {{QStringLiteral("--steps"), QStringLiteral("4")}, "только 3 целых шагов"},
        {{QStringLiteral("--layout"), QStringLiteral("short.bin")}, "short.bin"},
        {{QStringLiteral("--background"), QStringLiteral("short.bin")}, "изображением"},
        {{QStringLiteral("--colours"), QStringLiteral("none.txt")}, "none.txt"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.says);
        const Finished run = tool(QStringList{QStringLiteral("gif")} + test.arguments +
                                  QStringList{QStringLiteral("-o"), QStringLiteral("x.gif"),
                                              QStringLiteral("short.bin")});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(test.says)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(m_folder.path(QStringLiteral("x.gif"))));
    }
}

} // namespace
