// The colour file the user wrote is never destroyed: a file that could not be read whole
// is kept unless the user chose a colour, and then its content is kept beside it first.
#include "childprocess.h"
#include "core/colours/channelcolourmodel.h"
#include "core/colours/designcolours.h"
#include "core/files/colourfile.h"
#include "tempfolder.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace chaserom;
using namespace testing_support;

namespace {

class ChannelColourModelTest : public ::testing::Test {
protected:
    QString colourPath() const { return m_folder.path(QStringLiteral("ColorKanal.txt")); }
    QByteArray kept() const { return m_folder.read(QStringLiteral("ColorKanal.bak")); }

    /// A colour file whose fourth number is not a colour.
    static QByteArray badOnLine4() {
        ChannelColours colours = DesignColours;
        colours[0] = 0x010203;
        QByteArray text = colourFileText(colours);
        return text.replace(" 8388608 \r\n", " 4294967296 \r\n"); // channel 3 is 0x800000
    }

    TempFolder m_folder;
    ChannelColourModel m_model;
};

TEST_F(ChannelColourModelTest, AMissingFileIsWrittenAtTheClose) {
    EXPECT_FALSE(m_model.load(colourPath()));
    EXPECT_FALSE(m_model.save(colourPath()));
    EXPECT_EQ(m_folder.read(QStringLiteral("ColorKanal.txt")), colourFileText(DesignColours));
}

TEST_F(ChannelColourModelTest, AFileWithABadValueIsKeptUnlessAColourIsChosen) {
    const QByteArray original = badOnLine4();
    ASSERT_TRUE(original.contains("4294967296"));
    m_folder.write(QStringLiteral("ColorKanal.txt"), original);
    const auto failure = m_model.load(colourPath());
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->path.endsWith(QStringLiteral("ColorKanal.txt")));
    EXPECT_EQ(m_model.colour(0), Bgr{0x010203});
    EXPECT_FALSE(m_model.save(colourPath()));
    EXPECT_EQ(m_folder.read(QStringLiteral("ColorKanal.txt")), original);
    EXPECT_FALSE(QFileInfo::exists(m_folder.path(QStringLiteral("ColorKanal.bak"))));

    m_model.setColour(5, 0x00ABCDEF);
    EXPECT_FALSE(m_model.save(colourPath()));
    EXPECT_EQ(kept(), original);
    ChannelColours expected = DesignColours;
    expected[0] = 0x010203;
    expected[1] = DesignColours[1];
    expected[5] = 0x00ABCDEF;
    EXPECT_EQ(m_folder.read(QStringLiteral("ColorKanal.txt")), colourFileText(expected));
}

TEST_F(ChannelColourModelTest, ALinkToAnotherFileNeverGetsColoursWrittenThrough) {
    const QByteArray image = countingBytes(512, 7);
    const QString imagePath = m_folder.write(QStringLiteral("effect.bin"), image);
    ASSERT_EQ(::symlink(QFile::encodeName(imagePath).constData(),
                        QFile::encodeName(colourPath()).constData()),
              0);
    const auto failure = m_model.load(colourPath());
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, colourPath());
    EXPECT_FALSE(m_model.save(colourPath()));
    EXPECT_EQ(m_folder.read(QStringLiteral("effect.bin")), image);

    m_model.setColour(0, 0x00112233);
    EXPECT_FALSE(m_model.save(colourPath()));
    EXPECT_EQ(m_folder.read(QStringLiteral("effect.bin")), image);
    EXPECT_EQ(kept(), image);
    EXPECT_FALSE(QFileInfo(colourPath()).isSymLink());
    EXPECT_TRUE(m_folder.read(QStringLiteral("ColorKanal.txt")).startsWith(" 1122867 \r\n"));
}

TEST_F(ChannelColourModelTest, AFifoIsReportedAtOnceAndNeverReplaced) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(colourPath()).constData(), 0644), 0);
    EXPECT_EQ(runInChild(
                  [this] {
                      ChannelColourModel model;
                      if (!model.load(colourPath())) {
                          return 1;
                      }
                      if (model.save(colourPath())) {
                          return 2;
                      }
                      model.setColour(1, 0x000102);
                      const auto refused = model.save(colourPath());
                      return refused && refused->reason.contains(QStringLiteral("канал")) ? 0 : 3;
                  },
                  5),
              0);
    struct stat status {};
    ASSERT_EQ(::lstat(QFile::encodeName(colourPath()).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

} // namespace
