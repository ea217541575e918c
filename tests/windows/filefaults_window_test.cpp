// What the user sees of file faults: one report that names the file and the reason, and a
// program that goes on.
#include "app/app.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/colours/colourpanel.h"
#include "windowtesting.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace chaserom;
using namespace testing_support;

class FileFaultsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<WorkFolder>(); }
    void cleanup() {
        QVERIFY(waitForNoModal());
        m_folder.reset();
    }

    void imageDeletedDuringPlaybackStopsItWithOneReport() {
        const QString path = m_folder->write(QStringLiteral("a.bin"), countingBytes(4096));
        auto app = startApp(path);
        QWidget* view = &app->codeView();
        control<QCheckBox>(view, QStringLiteral("CheckSave"))->setChecked(true);
        control<QScrollBar>(view, QStringLiteral("VScroll2"))->setValue(1);
        auto* playback = control<QCheckBox>(view, QStringLiteral("Check1"));
        playback->setChecked(true);
        QTest::qWait(30);
        QVERIFY(QFile::remove(path));
        int boxes = 0;
        QString text;
        whenModal("QMessageBox", [&](QWidget* modal) {
            ++boxes;
            text = static_cast<QMessageBox*>(modal)->text();
            QTest::qWait(50); // further ticks while the box is up add no box
            static_cast<QMessageBox*>(modal)->accept();
        });
        QVERIFY(QTest::qWaitFor([&] { return boxes == 1 && !QApplication::activeModalWidget(); }));
        QVERIFY(!playback->isChecked());
        QVERIFY(text.contains(path));
        QVERIFY(text.contains(QString::fromUtf8("удалён")));
        QTest::qWait(20);
        QCOMPARE(boxes, 1);

        // The program goes on: another image opens.
        app->openImage(m_folder->write(QStringLiteral("b.bin"), countingBytes(32)));
        QCOMPARE(control<QLineEdit>(view, QStringLiteral("Text3"))->text(),
                 m_folder->path(QStringLiteral("b.bin")));
    }

    void failedWriteBackKeepsTheImageWhenOpeningAnother() {
        const QString path = m_folder->write(QStringLiteral("a.bin"), countingBytes(64));
        auto app = startApp(path);
        control<QCheckBox>(&app->codeView(), QStringLiteral("CheckSave"))->setChecked(true);
        // A folder named like the backup stops the next open after its write-back.
        QVERIFY(QDir(m_folder->path(QString())).mkdir(QStringLiteral("b.bak")));
        const auto seen = answerMessageBox(QMessageBox::Ok);
        app->openImage(m_folder->write(QStringLiteral("b.bin"), countingBytes(8)));
        QVERIFY(QTest::qWaitFor([&] { return seen->shown; }));
        QVERIFY(seen->text.contains(m_folder->path(QStringLiteral("b.bak"))));
        QCOMPARE(app->document().path(), path);
        QVERIFY(app->document().hasImage());
    }

    void colourFileThatIsAFolderIsReportedAndKept() {
        QVERIFY(QDir(m_folder->path(QString())).mkdir(QStringLiteral("ColorKanal.txt")));
        const auto seen = answerMessageBox(QMessageBox::Ok);
        auto app = startApp(m_folder->write(QStringLiteral("e.bin"), QByteArray(16, 0)));
        QVERIFY(QTest::qWaitFor([&] { return seen->shown; }));
        QVERIFY(seen->text.contains(QStringLiteral("ColorKanal.txt")));
        QVERIFY(seen->text.contains(QString::fromUtf8("это папка")));
        QVERIFY(waitForNoModal());

        // Closed with no colour chosen: the folder is left alone, and nothing is reported.
        bool reportedAtClose = false;
        QTimer::singleShot(300, [&reportedAtClose] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                reportedAtClose = true;
                box->accept();
            }
        });
        app->colourPanel().close();
        QTest::qWait(400);
        QVERIFY(!reportedAtClose);
        QVERIFY(QFileInfo(m_folder->path(QStringLiteral("ColorKanal.txt"))).isDir());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // With a colour chosen, the new colours cannot replace a folder: that is reported.
        const auto again = answerMessageBox(QMessageBox::Ok);
        ColourPanel& panel = app->colourPanel();
        QVERIFY(QTest::qWaitFor([&] { return again->shown; }));
        QVERIFY(waitForNoModal());
        app->channelColours().setColour(2, 0x00123456);
        const auto atClose = answerMessageBox(QMessageBox::Ok);
        panel.close();
        QVERIFY(atClose->shown);
        QVERIFY(atClose->text.contains(QString::fromUtf8("Не удалось сохранить файл цветов")));
        QVERIFY(QFileInfo(m_folder->path(QStringLiteral("ColorKanal.txt"))).isDir());
    }

private:
    std::unique_ptr<WorkFolder> m_folder;
};

QTEST_MAIN(FileFaultsWindowTest)
#include "filefaults_window_test.moc"
