// No write of the program lands on the open image, its backup or a file it reads, however
// the user names the target: by a relative path, a second spelling or a symbolic link. The
// write is refused by name before anything is touched, and an unsaved page edit stays.
#include "app/app.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/simulator/simulatorwindow.h"
#include "windows/steps/stepeditorwindow.h"
#include "windowtesting.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <cstdio>

using namespace chaserom;
using namespace testing_support;

namespace {

/// Four bytes 01 02 03 04 at address 0, as Intel HEX.
const QByteArray Records(":0400000001020304F2\n:00000001FF\n");

} // namespace

class ProtectedFilesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        m_image = countingBytes(64);
        m_folder->write(QStringLiteral("effect.bin"), m_image);
        m_folder->write(QStringLiteral("effect.hex"), Records);
        QFile::link(QStringLiteral("effect.bin"), m_folder->path(QStringLiteral("link.bin")));
        QFile::link(m_folder->folder(), m_folder->path(QStringLiteral("here")));
    }

    void cleanup() {
        QVERIFY(waitForNoModal());
        m_app.reset();
        m_folder.reset();
    }

    void aWriteOverTheImageOrItsBackupIsRefused_data() {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");
        const auto rows = {
            std::pair{"ActionImportRecords", "import"},
            std::pair{"ActionExportIntelHex", "HEX export"},
            std::pair{"ActionExportGif", "GIF export"},
        };
        for (const auto& [action, name] : rows) {
            QTest::addRow("%s onto the image opened by a relative path", name)
                << QStringLiteral("effect.bin") << QString::fromLatin1(action)
                << QStringLiteral("effect.bin");
            QTest::addRow("%s onto a link to the image", name)
                << QStringLiteral("effect.bin") << QString::fromLatin1(action)
                << QStringLiteral("link.bin");
            QTest::addRow("%s onto the image opened through a linked folder", name)
                << QStringLiteral("here/effect.bin") << QString::fromLatin1(action)
                << QStringLiteral("effect.bin");
            QTest::addRow("%s onto the backup", name)
                << QStringLiteral("effect.bin") << QString::fromLatin1(action)
                << QStringLiteral("effect.bak");
        }
    }

    void aWriteOverTheImageOrItsBackupIsRefused() {
        QFETCH(QString, opened);
        QFETCH(QString, command);
        QFETCH(QString, target);
        startEditing(opened);
        const QString targetPath = m_folder->path(target);
        // The import asks for the records first, then for the image to write.
        const QString records = m_folder->path(QStringLiteral("effect.hex"));
        const auto replace = command == QStringLiteral("ActionImportRecords")
                                 ? answerSaveDialogReplacing(targetPath, records)
                                 : answerSaveDialogReplacing(targetPath);
        if (command == QStringLiteral("ActionExportGif")) {
            acceptModal("chaserom::GifExportDialog");
        }
        control<QAction>(&m_app->stepEditor(), command)->trigger();
        QVERIFY(replace->shown);
        const auto report = answerMessageBox(QMessageBox::Ok);
        QVERIFY(QTest::qWaitFor([&] { return report->shown; }));
        QVERIFY2(report->text.contains(targetPath), qPrintable(report->text));
        QVERIFY2(report->text.contains(QString::fromUtf8("ничего не записано")),
                 qPrintable(report->text));

        QCOMPARE(m_folder->read(QStringLiteral("effect.bin")), m_image);
        QCOMPARE(m_folder->read(QStringLiteral("effect.bak")), m_image);
        QCOMPARE(m_app->page().rowText(0), QStringLiteral("EE"));
        m_app->shutDown();
        QCOMPARE(m_folder->read(QStringLiteral("effect.bin")).at(0), '\xEE');
    }

    void aLayoutIsNotSavedOverTheImageButMayReplaceItself() {
        startEditing(QStringLiteral("effect.bin"));
        SimulatorWindow& simulator = m_app->simulator();
        answerFileDialog(m_folder->path(QStringLiteral("layout.txt")));
        simulator.saveLayout();
        const QByteArray saved = m_folder->read(QStringLiteral("layout.txt"));
        QVERIFY(saved.size() > 500);

        const auto replace = answerSaveDialogReplacing(m_folder->path(QStringLiteral("link.bin")));
        simulator.saveLayout();
        const auto report = answerMessageBox(QMessageBox::Ok);
        QVERIFY(QTest::qWaitFor([&] { return report->shown; }));
        QVERIFY(report->text.contains(QString::fromUtf8("открытый образ")));
        QCOMPARE(m_folder->read(QStringLiteral("effect.bin")), m_image);

        // The layout that was saved may be saved again, and a GIF may not replace it.
        const auto again = answerSaveDialogReplacing(m_folder->path(QStringLiteral("layout.txt")));
        simulator.saveLayout();
        QVERIFY(waitForNoModal());
        QCOMPARE(m_folder->read(QStringLiteral("layout.txt")), saved);
        const auto gif = answerSaveDialogReplacing(m_folder->path(QStringLiteral("layout.txt")));
        acceptModal("chaserom::GifExportDialog");
        control<QAction>(&m_app->stepEditor(), QStringLiteral("ActionExportGif"))->trigger();
        const auto refused = answerMessageBox(QMessageBox::Ok);
        QVERIFY(QTest::qWaitFor([&] { return refused->shown; }));
        QVERIFY(refused->text.contains(QString::fromUtf8("расстановки ламп")));
        QCOMPARE(m_folder->read(QStringLiteral("layout.txt")), saved);
    }

    void exportsOfAnImageReplacedOnDiskAreRefused() {
        startEditing(QStringLiteral("effect.bin"));
        m_folder->write(QStringLiteral("other.bin"), QByteArray(64, 'z'));
        QVERIFY(std::rename("other.bin", "effect.bin") == 0);
        answerFileDialog(m_folder->path(QStringLiteral("out.hex")));
        control<QAction>(&m_app->stepEditor(), QStringLiteral("ActionExportIntelHex"))->trigger();
        const auto report = answerMessageBox(QMessageBox::Ok);
        QVERIFY(QTest::qWaitFor([&] { return report->shown; }));
        QVERIFY(report->text.contains(QString::fromUtf8("заменён")));
        QVERIFY(!QFile::exists(m_folder->path(QStringLiteral("out.hex"))));
    }

private:
    /// Starts the program on `image` with saving on and an edit in row 0 that only the page
    /// holds, and shows the step editor.
    void startEditing(const QString& image) {
        m_app = startApp(image);
        control<QCheckBox>(&m_app->codeView(), QStringLiteral("CheckSave"))->setChecked(true);
        control<QLineEdit>(&m_app->codeView(), QStringLiteral("Text1_0"))
            ->setText(QStringLiteral("EE"));
        m_app->showStepEditor();
    }

    /// Answers the next save dialog with `path` and, when the file exists, the dialog's own
    /// question whether to replace it with yes; an open dialog before it with `opened`.
    std::shared_ptr<MessageSeen> answerSaveDialogReplacing(const QString& path,
                                                           const QString& opened = {}) {
        if (opened.isEmpty()) {
            answerFileDialog(path);
        } else {
            whenModal("QFileDialog", [opened, path](QWidget* modal) {
                answerFileDialog(path);
                auto* dialog = static_cast<QFileDialog*>(modal);
                dialog->selectFile(opened);
                static_cast<QDialog*>(dialog)->accept();
            });
        }
        if (!QFile::exists(path)) {
            auto seen = std::make_shared<MessageSeen>();
            seen->shown = true;
            return seen;
        }
        return answerMessageBox(QMessageBox::Yes);
    }

    std::unique_ptr<WorkFolder> m_folder;
    QByteArray m_image;
    std::unique_ptr<App> m_app;
};

QTEST_MAIN(ProtectedFilesWindowTest)
#include "protectedfiles_window_test.moc"
