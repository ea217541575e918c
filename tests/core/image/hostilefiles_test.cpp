// Files that are not what they seem: FIFOs and devices where an image or a text file is
// expected, symbolic links at the backup's name, an image cut short by another program,
// an image another copy holds open, names that are not UTF-8. Calls that could block run
// in a child process with a time limit, so that a freeze fails the test instead of hanging.
#include "childprocess.h"
#include "core/files/colourfile.h"
#include "core/files/dialogstart.h"
#include "core/files/fileio.h"
#include "core/files/layoutfile.h"
#include "core/geometry/lampstartpositions.h"
#include "core/image/imagefile.h"
#include "documentwithpage.h"
#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace chaserom;
using namespace testing_support;

namespace {

class HostileFilesTest : public ::testing::Test {
protected:
    QString fifo(const QString& name) {
        const QString path = m_folder.path(name);
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        return path;
    }
    QString link(const QString& name, const QString& target) {
        const QString path = m_folder.path(name);
        EXPECT_EQ(
            ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()),
            0);
        return path;
    }
    bool isFifo(const QString& name) {
        struct stat status {};
        return ::lstat(QFile::encodeName(m_folder.path(name)).constData(), &status) == 0 &&
               S_ISFIFO(status.st_mode);
    }

    TempFolder m_folder;
};

TEST_F(HostileFilesTest, AFifoAsTheImageIsRefusedAtOnceWithNoBackup) {
    const QString path = fifo(QStringLiteral("pipe.bin"));
    EXPECT_EQ(runInChild(
                  [&] {
                      DocumentWithPage model;
                      const auto failure = model.document.open(path);
                      return failure && failure->action == FileAction::OpenImage &&
                                     failure->reason.contains(QStringLiteral("канал")) &&
                                     !model.document.hasImage()
                                 ? 0
                                 : 1;
                  },
                  5),
              0);
    EXPECT_FALSE(QFileInfo::exists(m_folder.path(QStringLiteral("pipe.bak"))));
}

TEST_F(HostileFilesTest, ADeviceAsTheImageIsRefusedByNameWithNoBackup) {
    const QString backup = QStringLiteral("/dev/zero.bak");
    const bool backupExisted = QFileInfo::exists(backup);
    DocumentWithPage model;
    const auto failure = model.document.open(QStringLiteral("/dev/zero"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, QStringLiteral("/dev/zero"));
    EXPECT_EQ(failure->reason, QStringLiteral("это устройство, а не обычный файл"));
    EXPECT_FALSE(model.document.hasImage());
    if (!backupExisted) {
        EXPECT_FALSE(QFileInfo::exists(backup));
        QFile::remove(backup);
    }
}

TEST_F(HostileFilesTest, AFailedOpenLeavesTheEarlierImageAndItsRowsAsTheyWere) {
    const QString path = m_folder.write(QStringLiteral("a.bin"), countingBytes(64));
    DocumentWithPage model;
    ASSERT_FALSE(model.document.open(path));
    ASSERT_FALSE(model.page.readPage(16));
    model.page.setRowText(2, QStringLiteral("G7"));
    EXPECT_TRUE(model.document.open(QStringLiteral("/dev/zero")));
    EXPECT_TRUE(model.document.open(fifo(QStringLiteral("p.bin"))));
    EXPECT_EQ(model.document.path(), path);
    EXPECT_EQ(model.page.pageAddress(), 16);
    EXPECT_EQ(model.page.rowText(0), QStringLiteral("10"));
    EXPECT_EQ(model.page.rowText(2), QStringLiteral("G7"));
    EXPECT_TRUE(model.page.rowEditable(15));
}

TEST_F(HostileFilesTest, TextFilesThatAreFifosAreRefusedAtOnce) {
    const QString colours = fifo(QStringLiteral("ColorKanal.txt"));
    const QString layout = fifo(QStringLiteral("layout.txt"));
    EXPECT_EQ(runInChild(
                  [&] {
                      ChannelColours read{};
                      LampLayout lamps = LampStartPositions;
                      const auto colourFailure = loadColourFile(colours, read);
                      const auto layoutFailure = loadLayoutFile(layout, lamps);
                      const auto saved = saveLayoutFile(layout, lamps);
                      return colourFailure && layoutFailure && saved &&
                                     saved->reason.contains(QStringLiteral("канал"))
                                 ? 0
                                 : 1;
                  },
                  5),
              0);
    EXPECT_TRUE(isFifo(QStringLiteral("layout.txt")));
}

TEST_F(HostileFilesTest, TheBackupReplacesALinkAtItsNameAndNeverItsTarget) {
    const QByteArray image = countingBytes(32);
    const QString ownImage = m_folder.write(QStringLiteral("x.bin"), image);
    link(QStringLiteral("x.bak"), ownImage);
    const QString notes = m_folder.write(QStringLiteral("notes.txt"), "my notes\n");
    const QString other = m_folder.write(QStringLiteral("y.bin"), countingBytes(16, 5));
    link(QStringLiteral("y.bak"), notes);

    DocumentWithPage model;
    ASSERT_FALSE(model.document.open(ownImage));
    EXPECT_EQ(m_folder.read(QStringLiteral("x.bin")), image);
    EXPECT_FALSE(QFileInfo(m_folder.path(QStringLiteral("x.bak"))).isSymLink());
    EXPECT_EQ(m_folder.read(QStringLiteral("x.bak")), image);
    EXPECT_EQ(model.page.rowText(1), QStringLiteral("01"));

    ASSERT_FALSE(model.document.open(other));
    EXPECT_EQ(m_folder.read(QStringLiteral("notes.txt")), QByteArray("my notes\n"));
    EXPECT_FALSE(QFileInfo(m_folder.path(QStringLiteral("y.bak"))).isSymLink());
    EXPECT_EQ(m_folder.read(QStringLiteral("y.bak")), countingBytes(16, 5));
}

TEST_F(HostileFilesTest, AWriteBackNeverLengthensAnImageCutShortByAnotherProgram) {
    const QString path = m_folder.write(QStringLiteral("cut.bin"), countingBytes(256));
    DocumentWithPage model;
    ASSERT_FALSE(model.document.open(path));
    model.page.setSaveEnabled(true);
    ASSERT_FALSE(model.page.movePage(100));
    model.page.setRowText(0, QStringLiteral("EE"));
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), 0), 0);

    const auto failure = model.page.movePage(0);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->severity, Severity::Warning);
    EXPECT_TRUE(failureText(*failure).startsWith(QStringLiteral("Не вся страница записана")));
    EXPECT_EQ(failure->path, path);
    EXPECT_EQ(QFileInfo(path).size(), 0);
    // The page moved on; the rows past the end are gone, so nothing asks again at the close.
    EXPECT_EQ(model.page.pageAddress(), 0);
    EXPECT_FALSE(model.document.close());
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST_F(HostileFilesTest, AWriteBackWritesTheRowsThatStillFit) {
    const QString path = m_folder.write(QStringLiteral("cut.bin"), countingBytes(256));
    DocumentWithPage model;
    ASSERT_FALSE(model.document.open(path));
    model.page.setSaveEnabled(true);
    ASSERT_FALSE(model.page.movePage(100));
    model.page.setRowText(0, QStringLiteral("EE"));
    model.page.setRowText(10, QStringLiteral("DD"));
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), 105), 0);
    const auto failure = model.page.invert();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->severity, Severity::Warning);
    EXPECT_TRUE(failureText(*failure).startsWith(QStringLiteral("Не вся страница записана")));
    EXPECT_TRUE(failure->reason.contains(QStringLiteral("105")));
    const QByteArray after = m_folder.read(QStringLiteral("cut.bin"));
    ASSERT_EQ(after.size(), 105);
    // The write-back put EE at 100, then the whole image was inverted.
    EXPECT_EQ(after[100], '\x11');
    EXPECT_EQ(after[0], '\xFF');
}

TEST_F(HostileFilesTest, AnImageAnotherCopyHoldsIsRefusedUnlessOpenedAnyway) {
    const QString path = m_folder.write(QStringLiteral("shared.bin"), countingBytes(32));
    const int other = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);

    DocumentWithPage model;
    const auto failure = model.document.open(path);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->action, FileAction::OpenLockedImage);
    EXPECT_FALSE(model.document.hasImage());
    EXPECT_FALSE(model.document.open(path, ImageFile::WhenLocked::OpenAnyway));
    EXPECT_TRUE(model.document.hasImage());
    ::close(other);

    // The program's own lock never stands in its way: the same image opens again, and
    // holds the lock afterwards.
    const QString mine = m_folder.write(QStringLiteral("mine.bin"), countingBytes(32));
    ASSERT_FALSE(model.document.open(mine));
    ASSERT_FALSE(model.document.open(mine));
    const int probe = ::open(QFile::encodeName(mine).constData(), O_RDWR | O_CLOEXEC);
    EXPECT_NE(::flock(probe, LOCK_EX | LOCK_NB), 0);
    ::close(probe);
    ASSERT_FALSE(model.document.close());
    const int after = ::open(QFile::encodeName(mine).constData(), O_RDWR | O_CLOEXEC);
    EXPECT_EQ(::flock(after, LOCK_EX | LOCK_NB), 0);
    ::close(after);
}

TEST_F(HostileFilesTest, ANameThatIsNotUtf8IsCalledThat) {
    const QByteArray raw = QFile::encodeName(m_folder.folder()) + "/\xFF\xFE.bin";
    const int handle = ::open(raw.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(handle, 0);
    ::close(handle);
    DocumentWithPage model;
    const auto failure = model.document.open(QFile::decodeName(raw));
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->reason.contains(QStringLiteral("UTF-8"))) << failure->reason.toStdString();
}

TEST(DialogStart, StaysOutOfSystemFolders) {
    const QString home = QDir::homePath();
    EXPECT_EQ(safeDialogStart(QStringLiteral("/home/me/effects"), QStringLiteral("/tmp")),
              QStringLiteral("/home/me/effects"));
    EXPECT_EQ(safeDialogStart(QStringLiteral("/proc"), QStringLiteral("/tmp/images")),
              QStringLiteral("/tmp/images"));
    EXPECT_EQ(safeDialogStart(QStringLiteral("/proc/1/fd"), QStringLiteral("/tmp")),
              QStringLiteral("/tmp"));
    EXPECT_EQ(safeDialogStart(QStringLiteral("/sys/class"), QStringLiteral("/dev")), home);
    EXPECT_EQ(safeDialogStart(QStringLiteral("/dev/shm/x.bin"), QString()), home);
    EXPECT_EQ(safeDialogStart(QStringLiteral("/device/x"), QStringLiteral("/tmp")),
              QStringLiteral("/device/x"));
}

} // namespace
