// Real file faults on real files: permissions, a file-size limit that makes writes fail
// part-way, folders where files should be, an image deleted or replaced while open.
// Privileges and limits are changed in a child process, never in the test program itself.
#include "childprocess.h"
#include "core/colours/designcolours.h"
#include "core/files/colourfile.h"
#include "core/files/layoutfile.h"
#include "core/image/imageoperations.h"
#include "documentwithpage.h"
#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace chaserom;
using namespace testing_support;

namespace {

const QString TooLarge = QStringLiteral("файл превысил допустимый размер");
const QString NoAccess = QStringLiteral("нет прав доступа");

/// In a child: files larger than `bytes` cannot be written.
void limitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &limit);
}

/// In a child: gives up the superuser's right to ignore permissions.
bool dropPrivileges() {
    if (geteuid() != 0) {
        return true;
    }
    return setgid(65534) == 0 && setuid(65534) == 0;
}

/// 0 when an unprivileged child fails to open `path` at `action` for lack of access and
/// is left with no image.
int openRefusedUnprivileged(const QString& path, FileAction action) {
    return runInChild([&] {
        if (!dropPrivileges()) {
            return 2;
        }
        DocumentWithPage model;
        const auto failure = model.document.open(path);
        return failure && failure->action == action && failure->reason == NoAccess &&
                       !model.document.hasImage()
                   ? 0
                   : 1;
    });
}

class FileFaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::setPermissions(m_folder.folder(), QFileDevice::Permissions(0x7777));
    }

    QString write(const QString& name, const QByteArray& bytes) {
        return m_folder.write(name, bytes);
    }
    QByteArray contentOf(const QString& name) { return m_folder.read(name); }
    static QByteArray counting(int length) { return countingBytes(length, 3); }

    TempFolder m_folder;
};

TEST_F(FileFaultsTest, AReadOnlyImageIsNotOpened) {
    const QString path = write(QStringLiteral("ro.bin"), counting(64));
    QFile::setPermissions(path,
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    EXPECT_EQ(openRefusedUnprivileged(path, FileAction::OpenImage), 0);
    EXPECT_FALSE(QFile::exists(m_folder.path(QStringLiteral("ro.bak"))));
}

TEST_F(FileFaultsTest, AFolderThatRefusesTheBackupKeepsTheImageClosed) {
    const QString folder = m_folder.path(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/image.bin");
    QFile image(path);
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.write(counting(64));
    image.close();
    QFile::setPermissions(path, QFileDevice::Permissions(0x6666));
    QFile::setPermissions(folder, QFileDevice::Permissions(0x5555));
    EXPECT_EQ(openRefusedUnprivileged(path, FileAction::Backup), 0);
    QFile::setPermissions(folder, QFileDevice::Permissions(0x7777));
    QFile check(path);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), counting(64));
}

TEST_F(FileFaultsTest, AFailedWriteBackKeepsThePageAndItsEdits) {
    const QString path = write(QStringLiteral("image.bin"), counting(2000));
    EXPECT_EQ(runInChild([&] {
                  DocumentWithPage model;
                  if (model.document.open(path) || model.page.readPage(1500)) {
                      return 2;
                  }
                  limitFileSize(1000);
                  model.page.setSaveEnabled(true);
                  model.page.setRowText(0, QStringLiteral("AA"));
                  const auto failure = model.page.movePage(100);
                  return failure && failure->action == FileAction::WriteImage &&
                                 failure->reason == TooLarge && model.page.pageAddress() == 1500 &&
                                 model.page.rowText(0) == QStringLiteral("AA")
                             ? 0
                             : 1;
              }),
              0);
    EXPECT_EQ(contentOf(QStringLiteral("image.bin")), counting(2000));
}

TEST_F(FileFaultsTest, AChangeThatFailsPartWayPutsTheOldBytesAndLengthBack) {
    const QString path = write(QStringLiteral("image.bin"), counting(2000));
    EXPECT_EQ(runInChild([&] {
                  DocumentWithPage model;
                  if (model.document.open(path)) {
                      return 2;
                  }
                  limitFileSize(2000);
                  const auto failure = model.page.copy({0, 99, 1990}, Overflow::Lengthen);
                  return failure && failure->reason.startsWith(TooLarge) &&
                                 failure->reason.contains(QStringLiteral("восстановлены")) &&
                                 !model.document.canUndo()
                             ? 0
                             : 1;
              }),
              0);
    EXPECT_EQ(contentOf(QStringLiteral("image.bin")), counting(2000));
}

TEST_F(FileFaultsTest, AWholeImageChangeCutShortByALimitLeavesNothingHalfDone) {
    // Writes past 12288 bytes fail, as on a full disk: an invert stops a third of the way.
    const std::function<FileFailure(DocumentWithPage&)> changes[] = {
        [](DocumentWithPage& model) { return model.page.invert(); },
        [](DocumentWithPage& model) {
            return model.transformImage(QStringLiteral("inversion"),
                                        [](QByteArray& bytes) { invertBytes(bytes); });
        },
    };
    for (const auto& change : changes) {
        const QString path = write(QStringLiteral("image.bin"), counting(32767));
        EXPECT_EQ(runInChild([&] {
                      DocumentWithPage model;
                      if (model.document.open(path)) {
                          return 2;
                      }
                      limitFileSize(12288);
                      const auto failure = change(model);
                      return failure && !model.document.canUndo() &&
                                     model.page.rowText(1) == QStringLiteral("03")
                                 ? 0
                                 : 1;
                  }),
                  0);
        EXPECT_EQ(contentOf(QStringLiteral("image.bin")), counting(32767));
    }
}

TEST_F(FileFaultsTest, ARedoThatFailsLeavesTheHistoryTruthful) {
    const QString path = write(QStringLiteral("image.bin"), counting(16));
    EXPECT_EQ(runInChild([&] {
                  DocumentWithPage model;
                  if (model.document.open(path) || model.page.invert() ||
                      model.page.copy({0, 15, 16000}, Overflow::Lengthen) ||
                      model.document.undo()) {
                      return 2;
                  }
                  limitFileSize(1000);
                  const auto redone = model.document.redo();
                  if (!redone || model.document.length() != 16 || !model.document.canRedo()) {
                      return 1;
                  }
                  // The earlier step is undone as recorded: nothing blames another program.
                  return !model.document.undo() && !model.document.canUndo() ? 0 : 1;
              }),
              0);
    EXPECT_EQ(contentOf(QStringLiteral("image.bin")), counting(16));
}

TEST_F(FileFaultsTest, AnImageMadeReadOnlyAfterOpeningIsNoLongerWritten) {
    const QString path = write(QStringLiteral("image.bin"), counting(64));
    DocumentWithPage model;
    ASSERT_FALSE(model.document.open(path));
    model.page.setSaveEnabled(true);
    ASSERT_FALSE(model.page.invert());
    model.page.setRowText(0, QStringLiteral("EE"));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                QFileDevice::ReadOther));
    const QByteArray inverted = contentOf(QStringLiteral("image.bin"));

    // Checked by the permissions, so that even the superuser's program leaves it alone.
    const auto moved = model.page.movePage(16);
    ASSERT_TRUE(moved);
    EXPECT_TRUE(moved->reason.contains(QStringLiteral("только для чтения")));
    EXPECT_EQ(model.page.pageAddress(), 0);
    EXPECT_EQ(model.page.rowText(0), QStringLiteral("EE"));
    EXPECT_FALSE(model.document.undo()) << "the page edit is undone in the page alone";
    EXPECT_TRUE(model.document.undo()) << "the inversion would have to be written";
    EXPECT_EQ(contentOf(QStringLiteral("image.bin")), inverted);
    EXPECT_TRUE(model.document.canUndo());
}

TEST_F(FileFaultsTest, AtomicWritesLeaveTheOldFileWhole) {
    const QString image = write(QStringLiteral("image.bin"), counting(64));
    const QByteArray oldCopy = QByteArray(100, 'c');
    const QString copy = write(QStringLiteral("image.4096.bin"), oldCopy);
    const QString colours = write(QStringLiteral("ColorKanal.txt"), "old colours");
    const QString layout = write(QStringLiteral("board.txt"), "old layout");
    EXPECT_EQ(runInChild([&] {
                  ImageFile file;
                  if (file.open(image)) {
                      return 2;
                  }
                  limitFileSize(60);
                  const auto resized =
                      file.writeCopy(copy, 4096, '\xFF', FileAction::WriteResizedCopy);
                  const auto colourFile = saveColourFile(colours, DesignColours);
                  const auto layoutFile = saveLayoutFile(layout, LampStartPositions);
                  const bool reported = resized && resized->reason == TooLarge && colourFile &&
                                        colourFile->reason == TooLarge && layoutFile &&
                                        layoutFile->reason == TooLarge;
                  return reported ? 0 : 1;
              }),
              0);
    EXPECT_EQ(contentOf(QStringLiteral("image.4096.bin")), oldCopy);
    EXPECT_EQ(contentOf(QStringLiteral("ColorKanal.txt")), QByteArray("old colours"));
    EXPECT_EQ(contentOf(QStringLiteral("board.txt")), QByteArray("old layout"));
    EXPECT_EQ(QDir(m_folder.folder()).entryList(QDir::Files).size(), 4)
        << "no temporary file is left";
}

TEST_F(FileFaultsTest, FoldersWhereFilesShouldBeAreReported) {
    const QString folder = m_folder.path(QStringLiteral("ColorKanal.txt"));
    ASSERT_TRUE(QDir().mkdir(folder));
    ChannelColours colours = DesignColours;
    const auto read = loadColourFile(folder, colours);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->reason, QStringLiteral("это папка, а не файл"));
    EXPECT_EQ(colours, DesignColours);
    const auto written = saveColourFile(folder, colours);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->path, folder);

    LampLayout layout = LampStartPositions;
    const auto loaded = loadLayoutFile(m_folder.folder(), layout);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->reason, QStringLiteral("это папка, а не файл"));
    EXPECT_TRUE(saveLayoutFile(m_folder.folder(), layout));
}

TEST_F(FileFaultsTest, AnImageDeletedWhileOpenIsNeverWrittenBlindly) {
    const QString path = write(QStringLiteral("image.bin"), counting(64));
    DocumentWithPage model;
    ASSERT_FALSE(model.document.open(path));
    model.page.setSaveEnabled(true);
    model.page.setRowText(0, QStringLiteral("EE"));
    ASSERT_TRUE(QFile::remove(path));
    const auto failure = model.page.movePage(16);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, path);
    EXPECT_TRUE(failure->reason.contains(QStringLiteral("удалён")));
    EXPECT_EQ(model.page.pageAddress(), 0);
    EXPECT_EQ(model.page.rowText(0), QStringLiteral("EE"));

    // Put back under the same name by another program: still not the file that was opened.
    write(QStringLiteral("image.bin"), QByteArray(64, 'n'));
    EXPECT_TRUE(model.page.movePage(16));
    EXPECT_TRUE(model.page.readPage(0));
    EXPECT_TRUE(model.page.invert());
    EXPECT_EQ(contentOf(QStringLiteral("image.bin")), QByteArray(64, 'n'));

    // Opening it again works on the new file.
    ASSERT_FALSE(model.document.open(path));
    EXPECT_EQ(model.page.rowText(0), QStringLiteral("6E"));
}

TEST_F(FileFaultsTest, AnImageReplacedByRenameIsNotTouched) {
    const QString path = write(QStringLiteral("image.bin"), counting(64));
    DocumentWithPage model;
    ASSERT_FALSE(model.document.open(path));
    model.page.setSaveEnabled(true);
    const QString other = write(QStringLiteral("new.bin"), QByteArray(64, 'z'));
    ASSERT_EQ(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()),
              0);
    EXPECT_TRUE(model.page.movePage(8));
    EXPECT_EQ(contentOf(QStringLiteral("image.bin")), QByteArray(64, 'z'));
}

} // namespace
