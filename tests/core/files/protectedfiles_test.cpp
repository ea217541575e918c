// A write is refused when its target is a protected file under any spelling: relative,
// absolute, through a linked folder, a symbolic or a hard link; only the file of its own
// role may be replaced, and a name where no file stands is compared by its resolved path.
#include "core/files/protectedfiles.h"
#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace chaserom;
using namespace testing_support;

namespace {

class ProtectedFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_image = m_work.write(QStringLiteral("effect.bin"), "image");
        m_layout = m_work.write(QStringLiteral("board.txt"), "layout");
        QFile::link(m_image, m_work.path(QStringLiteral("link.bin")));
        QFile::link(m_work.folder(), m_work.path(QStringLiteral("here")));
        ASSERT_EQ(::link(QFile::encodeName(m_image).constData(),
                         QFile::encodeName(m_work.path(QStringLiteral("hard.bin"))).constData()),
                  0);
        m_files.set(ProtectedFiles::Role::Image, m_image);
        m_files.set(ProtectedFiles::Role::Layout, m_layout);
    }

    [[nodiscard]] bool refused(const QString& target, const QList<QString>& inputs = {},
                               std::optional<ProtectedFiles::Role> itself = std::nullopt) const {
        const auto failure =
            m_files.checkTarget(target, FileAction::WriteAnimation, inputs, itself);
        if (failure) {
            EXPECT_EQ(failure->path, target);
            EXPECT_TRUE(failure->reason.contains(QStringLiteral("ничего не записано")));
        }
        return failure.has_value();
    }

    WorkFolder m_work;
    QString m_image;
    QString m_layout;
    ProtectedFiles m_files;
};

TEST_F(ProtectedFilesTest, EverySpellingOfAProtectedFileIsRefused) {
    for (const char* spelling :
         {"effect.bin", "./effect.bin", "here/effect.bin", "link.bin", "hard.bin"}) {
        EXPECT_TRUE(refused(QString::fromLatin1(spelling))) << spelling;
    }
    EXPECT_TRUE(refused(m_image));
    EXPECT_TRUE(refused(QStringLiteral("board.txt")));
    EXPECT_FALSE(refused(QStringLiteral("effect.gif")));
    EXPECT_FALSE(refused(QStringLiteral("here/effect.gif")));
}

TEST_F(ProtectedFilesTest, AFileMayBeReplacedByItsOwnRoleAndForgottenFilesAreFree) {
    EXPECT_FALSE(refused(QStringLiteral("board.txt"), {}, ProtectedFiles::Role::Layout));
    EXPECT_TRUE(refused(QStringLiteral("effect.bin"), {}, ProtectedFiles::Role::Layout));
    m_files.set(ProtectedFiles::Role::Layout, QString());
    EXPECT_FALSE(refused(QStringLiteral("board.txt")));
}

TEST_F(ProtectedFilesTest, TheImageStaysProtectedAfterItsNameWasGivenAway) {
    // Renamed away: the file that is open is still the image under its new name, and its
    // old name is still taken, as the user knows the image by it.
    ASSERT_EQ(std::rename("effect.bin", "moved.bin"), 0);
    EXPECT_TRUE(refused(QStringLiteral("moved.bin")));
    EXPECT_TRUE(refused(QStringLiteral("effect.bin")));
}

TEST_F(ProtectedFilesTest, TheOperationsOwnInputsAreRefused) {
    const QString records = m_work.write(QStringLiteral("effect.hex"), "records");
    EXPECT_TRUE(refused(QStringLiteral("here/effect.hex"), {records}));
    EXPECT_FALSE(refused(QStringLiteral("other.hex"), {records}));
    // A name where nothing stands yet is the same name however its folder is reached.
    EXPECT_TRUE(refused(QStringLiteral("here/new.bin"), {m_work.path(QStringLiteral("new.bin"))}));
}

TEST_F(ProtectedFilesTest, AWriteThatReplacesALinkComparesTheLinkItself) {
    const auto failure = m_files.checkLinkReplacingTarget(QStringLiteral("link.bin"),
                                                          FileAction::Backup, {}, std::nullopt);
    EXPECT_FALSE(failure);
    EXPECT_TRUE(m_files.checkLinkReplacingTarget(QStringLiteral("hard.bin"), FileAction::Backup, {},
                                                 std::nullopt));
}

} // namespace
