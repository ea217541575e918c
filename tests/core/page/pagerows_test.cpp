#include "documentwithpage.h"
#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace chaserom;
using namespace testing_support;

namespace {

class PageRowsTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        return m_folder.write(name, bytes);
    }
    QByteArray contentOf(const QString& name) { return m_folder.read(name); }

    QStringList rows() const {
        QStringList texts;
        for (int row = 0; row < PageRowCount; ++row) {
            texts << m_model.page.rowText(row);
        }
        return texts;
    }

    TempFolder m_folder;
    DocumentWithPage m_model;
};

TEST_F(PageRowsTest, StartsWithZeroRowsAndNoImage) {
    EXPECT_FALSE(m_model.document.hasImage());
    EXPECT_FALSE(m_model.page.pageRead());
    EXPECT_FALSE(m_model.page.imageLength());
    EXPECT_EQ(rows(), QStringList(16, QStringLiteral("00")));
    for (int row = 0; row < PageRowCount; ++row) {
        EXPECT_TRUE(m_model.page.rowEditable(row));
    }
}

TEST_F(PageRowsTest, OpeningMakesTheBackupAndShowsAddressZero) {
    const QByteArray bytes = countingBytes(8192);
    const QString path = write(QStringLiteral("a.bin"), bytes);
    ASSERT_FALSE(m_model.document.open(path));
    EXPECT_EQ(contentOf(QStringLiteral("a.bak")), bytes);
    EXPECT_EQ(m_model.document.path(), path);
    EXPECT_EQ(m_model.page.imageLength(), 8192);
    EXPECT_EQ(m_model.page.pageAddress(), 0);
    EXPECT_TRUE(m_model.page.pageRead());
    EXPECT_EQ(m_model.page.rowText(0), QStringLiteral("00"));
    EXPECT_EQ(m_model.page.rowText(10), QStringLiteral("0A"));
    EXPECT_EQ(m_model.page.rowText(15), QStringLiteral("0F"));

    // A second open rewrites the backup from the file as it is now.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write("\xEE");
    file.close();
    ASSERT_FALSE(m_model.document.open(path));
    EXPECT_EQ(contentOf(QStringLiteral("a.bak"))[0], '\xEE');
}

TEST_F(PageRowsTest, CapsTheLengthOfALongImage) {
    ASSERT_FALSE(m_model.document.open(write(QStringLiteral("long.bin"), QByteArray(40000, 'x'))));
    EXPECT_EQ(m_model.page.imageLength(), 32767);
    ASSERT_FALSE(m_model.document.open(write(QStringLiteral("exact.bin"), QByteArray(32767, 'x'))));
    EXPECT_EQ(m_model.page.imageLength(), 32767);
}

TEST_F(PageRowsTest, ReadsAPage) {
    QByteArray bytes(8192, '\0');
    bytes[4080] = 10;
    bytes[4081] = static_cast<char>(255);
    ASSERT_FALSE(m_model.document.open(write(QStringLiteral("a.bin"), bytes)));
    ASSERT_FALSE(m_model.page.readPage(4080));
    EXPECT_EQ(m_model.page.pageAddress(), 4080);
    EXPECT_EQ(m_model.page.rowText(0), QStringLiteral("0A"));
    EXPECT_EQ(m_model.page.rowText(1), QStringLiteral("FF"));
    EXPECT_EQ(m_model.page.rowText(2), QStringLiteral("00"));
}

TEST_F(PageRowsTest, WritesThePageBackOnlyWhileSaving) {
    ASSERT_FALSE(m_model.document.open(write(QStringLiteral("a.bin"), countingBytes(64))));
    m_model.page.setRowText(0, QStringLiteral("AA"));
    m_model.page.invertRow(1);
    ASSERT_FALSE(m_model.page.movePage(16));
    EXPECT_EQ(contentOf(QStringLiteral("a.bin")), countingBytes(64));
    EXPECT_EQ(m_model.page.rowText(0), QStringLiteral("10"));

    m_model.page.setSaveEnabled(true);
    m_model.page.setRowText(0, QStringLiteral("AA"));
    m_model.page.invertRow(1);
    m_model.page.invertBit(2, 0);
    m_model.page.setRowText(3, QStringLiteral("zz"));
    ASSERT_FALSE(m_model.page.movePage(32));
    QByteArray expected = countingBytes(64);
    expected[16] = static_cast<char>(0xAA);
    expected[17] = static_cast<char>(0xEE);
    expected[18] = static_cast<char>(0x92);
    expected[19] = 0;
    EXPECT_EQ(contentOf(QStringLiteral("a.bin")), expected);
    EXPECT_EQ(m_model.page.pageAddress(), 32);
}

TEST_F(PageRowsTest, RowsPastTheEndAreEmptyAndNeverWritten) {
    ASSERT_FALSE(m_model.document.open(write(QStringLiteral("short.bin"), countingBytes(10))));
    m_model.page.setSaveEnabled(true);
    EXPECT_EQ(m_model.page.rowText(9), QStringLiteral("09"));
    EXPECT_TRUE(m_model.page.rowEditable(9));
    EXPECT_TRUE(m_model.page.rowText(10).isEmpty());
    EXPECT_FALSE(m_model.page.rowEditable(10));
    m_model.page.setRowText(12, QStringLiteral("FF"));
    m_model.page.invertBit(12, 0);
    m_model.page.invertRow(12);
    EXPECT_TRUE(m_model.page.rowText(12).isEmpty());
    m_model.page.setRowText(9, QStringLiteral("FF"));
    ASSERT_FALSE(m_model.page.movePage(0));
    QByteArray expected = countingBytes(10);
    expected[9] = static_cast<char>(0xFF);
    EXPECT_EQ(contentOf(QStringLiteral("short.bin")), expected);

    ASSERT_FALSE(m_model.document.open(write(QStringLiteral("empty.bin"), {})));
    EXPECT_EQ(m_model.page.imageLength(), 0);
    EXPECT_TRUE(m_model.page.rowText(0).isEmpty());
    ASSERT_FALSE(m_model.page.movePage(0));
    EXPECT_EQ(contentOf(QStringLiteral("empty.bin")), QByteArray());
}

TEST_F(PageRowsTest, WithNoImageNothingIsWrittenOrRead) {
    m_model.page.setSaveEnabled(true);
    m_model.page.setRowText(0, QStringLiteral("AB"));
    ASSERT_FALSE(m_model.page.movePage(100));
    EXPECT_EQ(m_model.page.pageAddress(), 0);
    EXPECT_EQ(m_model.page.rowText(0), QStringLiteral("AB"));
    EXPECT_FALSE(m_model.page.pageRead());
}

TEST_F(PageRowsTest, AFailedOpenLeavesTheOpenImage) {
    const QString path = write(QStringLiteral("a.bin"), countingBytes(32));
    ASSERT_FALSE(m_model.document.open(path));
    ASSERT_FALSE(m_model.page.readPage(16));

    const auto missing = m_model.document.open(m_folder.path(QStringLiteral("none.bin")));
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->action, FileAction::OpenImage);

    // A folder where the backup should go: the image is not opened.
    const QString blocked = write(QStringLiteral("b.bin"), countingBytes(32));
    ASSERT_TRUE(QDir(m_folder.folder()).mkdir(QStringLiteral("b.bak")));
    const auto backup = m_model.document.open(blocked);
    ASSERT_TRUE(backup);
    EXPECT_EQ(backup->action, FileAction::Backup);

    EXPECT_TRUE(m_model.document.hasImage());
    EXPECT_EQ(m_model.document.path(), path);
    EXPECT_EQ(m_model.page.pageAddress(), 16);
    EXPECT_EQ(m_model.page.rowText(0), QStringLiteral("10"));
}

TEST_F(PageRowsTest, EditsAreWrittenBackBeforeAnotherImageOpens) {
    ASSERT_FALSE(m_model.document.open(write(QStringLiteral("a.bin"), countingBytes(32))));
    m_model.page.setSaveEnabled(true);
    ASSERT_FALSE(m_model.page.movePage(8));
    m_model.page.setRowText(0, QStringLiteral("EE"));
    ASSERT_FALSE(m_model.document.open(write(QStringLiteral("b.bin"), countingBytes(32))));
    EXPECT_EQ(contentOf(QStringLiteral("a.bin"))[8], '\xEE');
    EXPECT_EQ(m_model.page.pageAddress(), 0);
    m_model.page.setRowText(0, QStringLiteral("DD"));
    ASSERT_FALSE(m_model.page.movePage(4));
    EXPECT_EQ(contentOf(QStringLiteral("b.bin"))[0], '\xDD');
    EXPECT_EQ(contentOf(QStringLiteral("b.bin"))[8], '\x08');
}

TEST_F(PageRowsTest, SignalsChangedRowsAndTheMove) {
    ASSERT_FALSE(m_model.document.open(write(QStringLiteral("a.bin"), QByteArray(64, '\0'))));
    std::vector<int> changed;
    int moves = 0;
    QObject::connect(&m_model.page, &PageRows::rowChanged,
                     [&](int row) { changed.push_back(row); });
    QObject::connect(&m_model.page, &PageRows::pageMoved, [&](int) { ++moves; });
    m_model.page.setRowText(3, QStringLiteral("01"));
    ASSERT_FALSE(m_model.page.movePage(16));
    EXPECT_EQ(changed, (std::vector<int>{3, 3}));
    EXPECT_EQ(moves, 1);
}

/// Every change reported by the model's door, checked against the file as it was before
/// and is after: the reported bytes and lengths are exactly what changed in the file.
class ChangeDoorTest : public PageRowsTest {
protected:
    void SetUp() override {
        m_path = write(QStringLiteral("door.bin"), countingBytes(32, 3));
        ASSERT_FALSE(m_model.document.open(m_path));
        QObject::connect(&m_model.document, &ImageDocument::imageEdited,
                         [this](const ImageChange& change) { m_changes.push_back(change); });
    }

    /// Runs `action` and checks that it made exactly `expectedChanges` reports, each of
    /// which turns the file before into the file after.
    template <typename Action> void expectReported(Action action, size_t expectedChanges) {
        const QByteArray before = contentOf(QStringLiteral("door.bin"));
        m_changes.clear();
        action();
        ASSERT_EQ(m_changes.size(), expectedChanges);
        QByteArray replayed = before;
        for (const ImageChange& change : m_changes) {
            EXPECT_EQ(change.lengthBefore, replayed.size());
            EXPECT_EQ(change.before, replayed.mid(change.address, change.after.size()));
            if (replayed.size() < change.address + change.after.size()) {
                replayed.resize(change.address + change.after.size(), '\0');
            }
            replayed.replace(change.address, change.after.size(), change.after);
            replayed.resize(change.lengthAfter, '\0');
            EXPECT_FALSE(change.changesNothing());
        }
        EXPECT_EQ(replayed, contentOf(QStringLiteral("door.bin")));
    }

    QString m_path;
    std::vector<ImageChange> m_changes;
};

TEST_F(ChangeDoorTest, RowEditsReachTheFileThroughTheDoorOnAWriteBack) {
    m_model.page.setSaveEnabled(true);
    m_model.page.setRowText(3, QStringLiteral("AA"));
    m_model.page.invertBit(5, 0);
    expectReported([this] { ASSERT_FALSE(m_model.page.movePage(16)); }, 1);
    EXPECT_EQ(m_changes[0].address, 0);
    EXPECT_EQ(m_changes[0].after.size(), 16);
    // A write-back that changes no byte is not reported.
    expectReported([this] { ASSERT_FALSE(m_model.page.movePage(0)); }, 0);
    // With saving off the edit never reaches the file.
    m_model.page.setSaveEnabled(false);
    m_model.page.invertRow(2);
    expectReported([this] { ASSERT_FALSE(m_model.page.movePage(8)); }, 0);
}

TEST_F(ChangeDoorTest, WholeImageOperationsReportWhatTheyChanged) {
    expectReported([this] { ASSERT_FALSE(m_model.page.copy({0, 3, 30}, Overflow::Lengthen)); }, 1);
    EXPECT_EQ(m_changes[0].address, 30);
    EXPECT_EQ(m_changes[0].before.size(), 2);
    EXPECT_EQ(m_changes[0].lengthAfter, 34);
    expectReported([this] { ASSERT_FALSE(m_model.page.copy({0, 3, 8}, Overflow::Cancel)); }, 1);
    expectReported([this] { ASSERT_FALSE(m_model.page.copy({0, 3, 30}, Overflow::Cancel)); }, 0);
    expectReported([this] { ASSERT_FALSE(m_model.page.invert()); }, 1);
    expectReported([this] { ASSERT_FALSE(m_model.page.reverse()); }, 1);
    // The page is read again from the changed file.
    EXPECT_EQ(m_model.page.rowText(0),
              QString(contentOf(QStringLiteral("door.bin")).left(1).toHex().toUpper()));
}

TEST_F(ChangeDoorTest, APageWrittenBackBeforeAnOperationIsReportedOnItsOwn) {
    m_model.page.setSaveEnabled(true);
    m_model.page.setRowText(0, QStringLiteral("5A"));
    expectReported([this] { ASSERT_FALSE(m_model.page.invert()); }, 2);
    EXPECT_EQ(m_changes[0].after.left(1), QByteArray("\x5A"));
    EXPECT_EQ(m_model.page.rowText(0), QStringLiteral("A5"));
}

} // namespace
