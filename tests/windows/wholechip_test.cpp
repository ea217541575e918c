// Outside the code view an image is the whole chip: a 27C256 image of 32768 bytes is 32768
// steps in the step editor, its status names the chip and sums every byte, its last byte
// is edited and undone like any other, an export carries it, and a save as takes it all.
#include "app/app.h"
#include "core/formats/intelhex.h"
#include "core/formats/recordfile.h"
#include "core/image/checksums.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/steps/stepeditorwindow.h"
#include "windows/steps/stepgridview.h"
#include "windowtesting.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace chaserom;
using namespace testing_support;

class WholeChipTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        m_image = randomBytes(32768, 27256);
        m_app = startApp(m_folder->write(QStringLiteral("chip.bin"), m_image));
        m_app->showStepEditor();
        QVERIFY(QTest::qWaitForWindowActive(&editor()));
    }

    void cleanup() {
        QVERIFY(waitForNoModal());
        m_app.reset();
        m_folder.reset();
    }

    void theStatusCountsAndSumsEveryByteOfTheChip() {
        QCOMPARE(control<QLabel>(&editor(), QStringLiteral("StatusLength"))->text(),
                 QString::fromUtf8("32768 байт, 32768 шагов (27C256)"));
        const ImageChecksums sums = checksumsOf(m_image);
        const QString expected =
            QStringLiteral("sum16=%1")
                .arg(QString::number(sums.sum16(), 16).toUpper().rightJustified(4, u'0'));
        QVERIFY(QTest::qWaitFor([&] {
            return control<QLabel>(&editor(), QStringLiteral("StatusChecksums"))
                ->text()
                .startsWith(expected);
        }));
    }

    void theLastByteIsEditedAndUndoneLikeAnyOther() {
        QTest::keyClick(&editor().grid(), Qt::Key_End);
        QCOMPARE(editor().grid().cursorStep(), 32767);
        QTest::keyClick(&editor().grid(), Qt::Key_Space);
        QByteArray flipped = m_image;
        flipped[32767] = static_cast<char>(flipped[32767] ^ 0x80);
        QCOMPARE(m_folder->read(QStringLiteral("chip.bin")), flipped);
        QCOMPARE(m_app->document().history().size(), 1);
        QTest::keyClick(&editor().grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_folder->read(QStringLiteral("chip.bin")), m_image);
    }

    void anExportCarriesTheLastByte() {
        answerFileDialog(m_folder->path(QStringLiteral("chip.hex")));
        control<QAction>(&editor(), QStringLiteral("ActionExportIntelHex"))->trigger();
        QVERIFY(waitForNoModal());
        const RecordReadResult read =
            readRecordFile(m_folder->read(QStringLiteral("chip.hex")), RecordReadOptions{});
        QVERIFY(!read.fault);
        QCOMPARE(read.image, m_image);
    }

    void aMegabyteChipAgreesWithSrecCatAndGzip() {
        const QByteArray chip = randomBytes(1 << 20, 27080);
        m_app->openImage(m_folder->write(QStringLiteral("mega.bin"), chip));
        QCOMPARE(control<QLabel>(&editor(), QStringLiteral("StatusLength"))->text(),
                 QString::fromUtf8("1048576 байт, 1048576 шагов (27C080)"));
        // gzip ends its file with the CRC-32 of the data, least significant byte first.
        QProcess gzip;
        gzip.start(QStringLiteral("gzip"),
                   {QStringLiteral("-c"), m_folder->path(QStringLiteral("mega.bin"))});
        QVERIFY(gzip.waitForFinished());
        const QByteArray trailer = gzip.readAllStandardOutput().right(8);
        quint32 crc = 0;
        for (int i = 3; i >= 0; --i) {
            crc = crc << 8 | static_cast<quint8>(trailer[i]);
        }
        const QString expected =
            QStringLiteral("crc32=%1")
                .arg(QString::number(crc, 16).toUpper().rightJustified(8, u'0'));
        QVERIFY(QTest::qWaitFor([&] {
            return control<QLabel>(&editor(), QStringLiteral("StatusChecksums"))
                ->text()
                .endsWith(expected);
        }));

        answerFileDialog(m_folder->path(QStringLiteral("mega.hex")));
        control<QAction>(&editor(), QStringLiteral("ActionExportIntelHex"))->trigger();
        QVERIFY(waitForNoModal());
        QProcess srecCat;
        srecCat.setWorkingDirectory(m_folder->folder());
        srecCat.start(QStringLiteral("srec_cat"),
                      {QStringLiteral("mega.hex"), QStringLiteral("-intel"), QStringLiteral("-o"),
                       QStringLiteral("back.bin"), QStringLiteral("-binary")});
        QVERIFY(srecCat.waitForFinished());
        QCOMPARE(srecCat.exitCode(), 0);
        QVERIFY(m_folder->read(QStringLiteral("back.bin")) == chip);
    }

    void saveAsWorksOnACopyFromThenOn() {
        control<QCheckBox>(&m_app->codeView(), QStringLiteral("CheckSave"))->setChecked(true);
        control<QLineEdit>(&m_app->codeView(), QStringLiteral("Text1_0"))
            ->setText(QStringLiteral("EE"));
        answerFileDialog(m_folder->path(QStringLiteral("copy.bin")));
        control<QAction>(&editor(), QStringLiteral("ActionSaveAs"))->trigger();
        QVERIFY(waitForNoModal());
        // The page went to the image first, then the whole chip to the copy, which is open now.
        QByteArray saved = m_image;
        saved[0] = '\xEE';
        QCOMPARE(m_folder->read(QStringLiteral("chip.bin")), saved);
        QCOMPARE(m_folder->read(QStringLiteral("copy.bin")), saved);
        QCOMPARE(m_folder->read(QStringLiteral("copy.bak")), saved);
        QCOMPARE(m_app->document().path(), m_folder->path(QStringLiteral("copy.bin")));

        QTest::keyClick(&editor().grid(), Qt::Key_End);
        QTest::keyClick(&editor().grid(), Qt::Key_Space);
        QCOMPARE(m_folder->read(QStringLiteral("chip.bin")), saved);
        QVERIFY(m_folder->read(QStringLiteral("copy.bin")) != saved);
    }

    void saveAsNeverReplacesTheImageOrItsBackup() {
        answerFileDialog(m_folder->path(QStringLiteral("chip.bak")));
        const auto replace = answerMessageBox(QMessageBox::Yes);
        control<QAction>(&editor(), QStringLiteral("ActionSaveAs"))->trigger();
        QVERIFY(replace->shown);
        const auto report = answerMessageBox(QMessageBox::Ok);
        QVERIFY(QTest::qWaitFor([&] { return report->shown; }));
        QVERIFY(report->text.contains(QString::fromUtf8("резервная копия")));
        QCOMPARE(m_folder->read(QStringLiteral("chip.bak")), m_image);
        QCOMPARE(m_app->document().path(), m_folder->path(QStringLiteral("chip.bin")));
    }

    void aNewImageIsABlankChipOpenedAsAnyImage_data() {
        QTest::addColumn<int>("chip");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("fill");
        QTest::addColumn<QByteArray>("expected");
        QTest::addRow("2716 of FF")
            << 0 << QString() << QStringLiteral("FF") << QByteArray(2048, '\xFF');
        QTest::addRow("27C512 of 00")
            << 5 << QString() << QStringLiteral("0x00") << QByteArray(65536, '\0');
        QTest::addRow("a length in hex")
            << 10 << QStringLiteral("0x10") << QStringLiteral("7f") << QByteArray(16, '\x7F');
    }

    void aNewImageIsABlankChipOpenedAsAnyImage() {
        QFETCH(int, chip);
        QFETCH(QString, size);
        QFETCH(QString, fill);
        QFETCH(QByteArray, expected);
        bool okWasGreyedForNoLength = false;
        whenModal("chaserom::NewImageDialog", [&](QWidget* modal) {
            control<QComboBox>(modal, QStringLiteral("NewImageChip"))->setCurrentIndex(chip);
            auto* ok = modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            control<QLineEdit>(modal, QStringLiteral("NewImageSize"))
                ->setText(QStringLiteral("-1"));
            okWasGreyedForNoLength = chip < 10 || !ok->isEnabled();
            control<QLineEdit>(modal, QStringLiteral("NewImageSize"))->setText(size);
            control<QLineEdit>(modal, QStringLiteral("NewImageFill"))->setText(fill);
            ok->click();
        });
        answerFileDialog(m_folder->path(QStringLiteral("new.bin")));
        // The app's action, in the step editor's Файл menu as in every window's menu.
        auto* newImage = m_app->findChild<QAction*>(QStringLiteral("ActionNewImage"));
        QVERIFY(newImage);
        QVERIFY(editor().menuBar()->actions().first()->menu()->actions().contains(newImage));
        newImage->trigger();
        QVERIFY(waitForNoModal());
        QVERIFY(okWasGreyedForNoLength);
        QCOMPARE(m_folder->read(QStringLiteral("new.bin")), expected);
        QCOMPARE(m_folder->read(QStringLiteral("new.bak")), expected);
        QCOMPARE(m_app->document().path(), m_folder->path(QStringLiteral("new.bin")));
        QCOMPARE(m_app->page().rowText(0), expected.left(1).toHex().toUpper());
        QCOMPARE(m_folder->read(QStringLiteral("chip.bin")), m_image);
    }

    void aRomAtE000IsImportedAtTheBaseTheImportOffers() {
        // The programmer file of an 8 KiB ROM where a 6502 board maps it.
        const QByteArray rom = randomBytes(8192, 6502);
        m_folder->write(QStringLiteral("rom6502.hex"), intelHexText(rom, 16, 0xE000));
        auto offered = std::make_shared<QString>();
        whenModal("QFileDialog", [this, offered](QWidget* open) {
            static_cast<QFileDialog*>(open)->selectFile(
                m_folder->path(QStringLiteral("rom6502.hex")));
            static_cast<QDialog*>(open)->accept();
            whenModal("chaserom::RecordPlacementDialog", [this, offered](QWidget* placement) {
                *offered = control<QLineEdit>(placement, QStringLiteral("RecordBase"))->text();
                static_cast<QDialog*>(placement)->accept();
                answerFileDialog(m_folder->path(QStringLiteral("rom.bin")));
            });
        });
        control<QAction>(&editor(), QStringLiteral("ActionImportRecords"))->trigger();
        QVERIFY(QTest::qWaitFor(
            [&] { return m_app->document().path().endsWith(QStringLiteral("rom.bin")); }));
        QCOMPARE(*offered, QStringLiteral("0xE000"));
        QCOMPARE(m_folder->read(QStringLiteral("rom.bin")), rom);
        QCOMPARE(control<QLabel>(&editor(), QStringLiteral("StatusLength"))->text(),
                 QString::fromUtf8("8192 байт, 8192 шагов (2764)"));
    }

private:
    StepEditorWindow& editor() { return m_app->stepEditor(); }

    std::unique_ptr<WorkFolder> m_folder;
    QByteArray m_image;
    std::unique_ptr<App> m_app;
};

QTEST_MAIN(WholeChipTest)
#include "wholechip_test.moc"
