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
    EXPECT_EQ(readRegularFile(path, 70000, FileAction::ReadImage).value(), countingBytes(70000));
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
        const auto read = readRegularFile(refused.path, 100, FileAction::ReadRecords);
        ASSERT_FALSE(read) << refused.path.toStdString();
        EXPECT_LT(timer.elapsed(), 2000); // a FIFO without a writer does not hold it up
        const FileError& failure = read.failure();
        EXPECT_EQ(failure.path, refused.path);
        EXPECT_TRUE(failure.reason.contains(QString::fromUtf8(refused.reason)))
            << failure.reason.toStdString();
    }
}

} // namespace
