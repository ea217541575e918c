#include "core/files/regularfile.h"
#include "tempfolder.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace chaserom;
using namespace testing_support;

namespace {

TEST(RegularFile, ReadsAWholeFile) {
    const TempFolder folder;
    const QString path = folder.write(QStringLiteral("image.bin"), countingBytes(70000));
    QByteArray content;
    EXPECT_FALSE(readRegularFile(path, 70000, FileAction::ReadImage, content));
    EXPECT_EQ(content, countingBytes(70000));
}

TEST(RegularFile, RefusesWhatIsNoRegularFileByName) {
    const TempFolder folder;
    const QString fifo = folder.path(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString tooLong = folder.write(QStringLiteral("long.bin"), QByteArray(101, 'x'));
    struct Case {
        QString path;
        const char* reason;
    };
    const Case cases[] = {
        {fifo, "не обычный файл"},
        {folder.folder(), "это папка"},
        {folder.path(QStringLiteral("missing")), "нет такого файла"},
        {tooLong, "длиннее 100 байт"},
    };
    for (const Case& refused : cases) {
        QElapsedTimer timer;
        timer.start();
        QByteArray content = "old";
        const FileFailure failure =
            readRegularFile(refused.path, 100, FileAction::ReadRecords, content);
        ASSERT_TRUE(failure) << refused.path.toStdString();
        EXPECT_LT(timer.elapsed(), 2000); // a FIFO without a writer does not hold it up
        EXPECT_EQ(failure->path, refused.path);
        EXPECT_TRUE(failure->reason.contains(QString::fromUtf8(refused.reason)))
            << failure->reason.toStdString();
        EXPECT_TRUE(content.isEmpty());
    }
}

} // namespace
