// A termination signal closes the program as its close box does, whatever is open: a page
// edit waiting for its write-back reaches the image, the colour file is written, and the
// program exits with status 0. Closing the code view while the GIF is being made cancels
// the GIF and closes the program the same way.
#include "tempfolder.h"

#include <QProcess>
#include <QTest>
#include <csignal>

using namespace testing_support;

namespace {

/// The program in a child process, started on `image` with `what` open.
class Child {
public:
    Child(const TempFolder& folder, const QString& image, const QString& what) {
        m_process.setWorkingDirectory(folder.folder());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(TERMINATION_CHILD), {image, what});
    }

    bool waitUntilReady() {
        return m_process.waitForStarted() && QTest::qWaitFor(
                                                 [&] {
                                                     m_process.waitForReadyRead(100);
                                                     return m_process.peek(64).contains("ready");
                                                 },
                                                 30000);
    }

    bool send(int signalNumber) {
        return ::kill(static_cast<pid_t>(m_process.processId()), signalNumber) == 0;
    }

    /// Whether the program ended by itself with status 0.
    bool endedCleanly() {
        return m_process.waitForFinished(60000) && m_process.exitStatus() == QProcess::NormalExit &&
               m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
};

} // namespace

class TerminationTest : public QObject {
    Q_OBJECT

private slots:
    void signalClosesTheProgramLikeItsCloseBox_data() {
        QTest::addColumn<QString>("open");
        QTest::addColumn<int>("signalNumber");
        QTest::addRow("SIGTERM") << QStringLiteral("page") << int(SIGTERM);
        QTest::addRow("SIGHUP") << QStringLiteral("page") << int(SIGHUP);
        QTest::addRow("SIGINT") << QStringLiteral("page") << int(SIGINT);
        for (const char* open : {"find", "goto", "pattern", "fill", "export", "gif", "layout",
                                 "colour", "error", "menu"}) {
            QTest::addRow("SIGTERM with %s open", open)
                << QString::fromLatin1(open) << int(SIGTERM);
        }
        QTest::addRow("SIGHUP with find open") << QStringLiteral("find") << int(SIGHUP);
        QTest::addRow("SIGINT with the colour dialog open")
            << QStringLiteral("colour") << int(SIGINT);
    }

    void signalClosesTheProgramLikeItsCloseBox() {
        QFETCH(QString, open);
        QFETCH(int, signalNumber);
        TempFolder folder;
        const QString image = folder.write(QStringLiteral("effect.bin"), countingBytes(32768));
        Child child(folder, image, open);
        QVERIFY(child.waitUntilReady());
        QVERIFY(child.send(signalNumber));
        QVERIFY(child.endedCleanly());
        QCOMPARE(folder.read(QStringLiteral("effect.bin")).at(0), '\xEE');
        QVERIFY(folder.read(QStringLiteral("ColorKanal.txt")).startsWith(" 255 \r\n"));
        // A cancelled export writes nothing.
        QVERIFY(!QFile::exists(folder.path(QStringLiteral("effect.gif"))));
        QVERIFY(!QFile::exists(folder.path(QStringLiteral("effect.hex"))));
    }

    void closingTheCodeViewDuringTheGifCancelsItAndClosesTheProgram() {
        TempFolder folder;
        const QString image = folder.write(QStringLiteral("effect.bin"), countingBytes(32768));
        folder.write(QStringLiteral("effect.gif"), QByteArray("an earlier GIF"));
        Child child(folder, image, QStringLiteral("close-during-gif"));
        QVERIFY(child.endedCleanly());
        QCOMPARE(folder.read(QStringLiteral("effect.gif")), QByteArray("an earlier GIF"));
        QCOMPARE(folder.read(QStringLiteral("effect.bin")).at(0), '\xEE');
        QVERIFY(folder.read(QStringLiteral("ColorKanal.txt")).startsWith(" 255 \r\n"));
    }
};

QTEST_GUILESS_MAIN(TerminationTest)
#include "termination_test.moc"
