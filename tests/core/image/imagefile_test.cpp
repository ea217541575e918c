#include "core/image/imagefile.h"
#include "tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace chaserom;
using namespace testing_support;

namespace {

class ImageFileTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        return m_folder.write(name, bytes);
    }
    QByteArray contentOf(const QString& path) { return m_folder.read(path); }

    TempFolder m_folder;
};

TEST_F(ImageFileTest, ReadsAndWritesAtAnyAddress) {
    const QString path =
        write(QStringLiteral("a.bin"), QByteArray::fromHex("00112233445566778899"));
    ImageFile image;
    ASSERT_FALSE(image.open(path));
    EXPECT_EQ(image.read(2, 3).value(), QByteArray::fromHex("223344"));
    EXPECT_EQ(image.read(8, 16).value(), QByteArray::fromHex("8899"));
    EXPECT_EQ(image.read(20, 4).value(), QByteArray());

    ASSERT_FALSE(image.write(1, QByteArray::fromHex("AABB")));
    // Written straight through: another reader sees it at once.
    EXPECT_EQ(contentOf(path), QByteArray::fromHex("00AABB33445566778899"));
    ASSERT_FALSE(image.write(12, QByteArray::fromHex("CC")));
    EXPECT_EQ(contentOf(path), QByteArray::fromHex("00AABB334455667788990000CC"));
    EXPECT_EQ(image.size(), 13);
}

TEST_F(ImageFileTest, ReportsAFileThatCannotBeOpened) {
    ImageFile image;
    const auto missing = image.open(m_folder.path(QStringLiteral("none.bin")));
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->action, FileAction::OpenImage);
    EXPECT_EQ(missing->reason, QStringLiteral("нет такого файла или папки"));
    EXPECT_FALSE(image.isOpen());
    EXPECT_FALSE(QFile::exists(m_folder.path(QStringLiteral("none.bin"))));

    const auto folder = image.open(m_folder.folder());
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->reason, QStringLiteral("это папка, а не файл"));
}

TEST_F(ImageFileTest, WritesCopiesCutOrPadded) {
    const QString path = write(QStringLiteral("a.bin"), QByteArray::fromHex("0102030405"));
    ImageFile image;
    ASSERT_FALSE(image.open(path));
    const QString copy = m_folder.path(QStringLiteral("copy.bin"));
    ASSERT_FALSE(image.writeCopy(copy, 5, 0, FileAction::Backup));
    EXPECT_EQ(contentOf(copy), QByteArray::fromHex("0102030405"));
    ASSERT_FALSE(image.writeCopy(copy, 3, '\xFF', FileAction::WriteResizedCopy));
    EXPECT_EQ(contentOf(copy), QByteArray::fromHex("010203"));
    ASSERT_FALSE(image.writeCopy(copy, 7, '\xFF', FileAction::WriteResizedCopy));
    EXPECT_EQ(contentOf(copy), QByteArray::fromHex("0102030405FFFF"));

    const QByteArray large(200000, 'x');
    const QString largePath = write(QStringLiteral("large.bin"), large);
    ASSERT_FALSE(image.open(largePath));
    ASSERT_FALSE(image.writeCopy(copy, large.size(), 0, FileAction::Backup));
    EXPECT_EQ(contentOf(copy), large);

    const auto failure =
        image.writeCopy(m_folder.path(QStringLiteral("no/such/x")), 5, 0, FileAction::Backup);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->action, FileAction::Backup);
}

} // namespace
