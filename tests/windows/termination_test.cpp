// A termination signal closes the program as its close box does: a page edit waiting for
// its write-back reaches the image, and the colour file is written.
#include "tempfolder.h"

#include <QProcess>
#include <QTest>
#include <csignal>

using namespace testing_support;

class TerminationTest : public QObject {
    Q_OBJECT

private slots:
    void signalClosesTheProgramLikeItsCloseBox_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::addRow("SIGTERM") << int(SIGTERM);
        QTest::addRow("SIGHUP") << int(SIGHUP);
        QTest::addRow("SIGINT") << int(SIGINT);
    }

    void signalClosesTheProgramLikeItsCloseBox() {
        QFETCH(int, signalNumber);
        TempFolder folder;
        const QString image = folder.write(QStringLiteral("effect.bin"), countingBytes(64));
        QProcess child;
        child.setWorkingDirectory(folder.folder());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(TERMINATION_CHILD), {image});
        QVERIFY(child.waitForStarted());
        QVERIFY(QTest::qWaitFor(
            [&] {
                child.waitForReadyRead(100);
                return child.peek(64).contains("ready");
            },
            20000));
        QCOMPARE(::kill(static_cast<pid_t>(child.processId()), signalNumber), 0);
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(folder.read(QStringLiteral("effect.bin")).at(0), '\xEE');
        QVERIFY(folder.read(QStringLiteral("ColorKanal.txt")).startsWith(" 255 \r\n"));
    }
};

QTEST_GUILESS_MAIN(TerminationTest)
#include "termination_test.moc"
