// The step editor's files as a user works with them: a comparison with another image, the
// exports of what the grid shows, and the checksums the status bar gives.
#include "stepeditorfixture.h"

using namespace chaserom;
using namespace testing_support;

class StepEditorFilesTest : public StepEditorFixture {
    Q_OBJECT

private slots:
    void init() { setUpFolder(); }
    void cleanup() { tearDown(); }

    void comparingMarksWholeStepsAndSaysWhatElseDiffers_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<QList<int>>("changed");
        QTest::addColumn<int>("otherLength");
        QTest::addColumn<QStringList>("listed");
        const auto row = [](const char* name, int channels, const QList<int>& changed,
                            int otherLength, const QList<const char*>& listed) {
            QStringList texts;
            for (const char* text : listed) {
                texts << QString::fromUtf8(text);
            }
            QTest::newRow(name) << channels << changed << otherLength << texts;
        };
        // At 16 channels step n is bytes 2n and 2n + 1; at 32, bytes 4n to 4n + 3.
        row("a run over a step boundary", 16, {3, 4}, 16, {"шаги 1–2 (2)"});
        row("bytes in steps that touch", 16, {1, 2, 9}, 16, {"шаги 0–1 (2)", "шаг 4"});
        row("two bytes of one step", 32, {4, 7}, 16, {"шаг 1"});
        row("a longer image", 8, {}, 20, {"длина: 16 байт, у «other.bin» 20"});
        row("a shorter image that differs", 16, {0}, 10,
            {"шаг 0", "длина: 16 байт, у «other.bin» 10"});
        row("the same image", 8, {}, 16, {"совпадает с «other.bin»"});
    }

    void comparingMarksWholeStepsAndSaysWhatElseDiffers() {
        QFETCH(int, channels);
        QFETCH(QList<int>, changed);
        QFETCH(int, otherLength);
        QFETCH(QStringList, listed);
        QVERIFY(start(countingBytes(16), channels));
        QByteArray other = countingBytes(otherLength);
        for (const int at : changed) {
            other[at] = 'x';
        }
        answerFileDialog(m_folder->write(QStringLiteral("other.bin"), other));
        action(QStringLiteral("ActionCompare"))->trigger();
        QVERIFY(waitForNoModal());
        auto* panel = control<QDockWidget>(&editor(), QStringLiteral("DifferencesPanel"));
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->windowTitle(), QString::fromUtf8("Различия с «other.bin»"));
        auto* list = control<QListWidget>(&editor(), QStringLiteral("DifferencesList"));
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) {
            texts << list->item(i)->text();
        }
        QCOMPARE(texts, listed);
        // The cursor starts on the first differing step.
        const int firstStep = changed.isEmpty() ? 0 : changed.first() / (channels / 8);
        QCOMPARE(editor().grid().cursorStep(), firstStep);
    }

    void exportsWriteTheBytesTheGridShows_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("opening");
        QTest::newRow("Intel HEX") << QStringLiteral("ActionExportIntelHex")
                                   << QStringLiteral("out.hex") << QByteArray(":");
        QTest::newRow("S-records") << QStringLiteral("ActionExportSRecords")
                                   << QStringLiteral("out.s19") << QByteArray("S0");
    }

    void exportsWriteTheBytesTheGridShows() {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QFETCH(QByteArray, opening);
        QVERIFY(start(countingBytes(40)));
        // A row typed in the code view and not saved is exported, and the image stays as it is.
        row(1)->setText(QStringLiteral("AA"));
        QByteArray shownBytes = countingBytes(40);
        shownBytes[1] = '\xAA';
        const QString path = m_folder->path(name);
        answerFileDialog(path);
        action(command)->trigger();
        QVERIFY(waitForNoModal());
        const QByteArray records = m_folder->read(name);
        QVERIFY2(records.startsWith(opening), records.left(40).constData());
        const RecordReadResult read = readRecordFile(records, RecordReadOptions{});
        QVERIFY(!read.fault);
        QCOMPARE(read.image, shownBytes);
        QCOMPARE(file(), countingBytes(40));
        QCOMPARE(editor().statusBar()->currentMessage(),
                 QString::fromUtf8("Записано: %1").arg(path));
    }

    void aGifTakesTheSelectedWholeSteps() {
        // 16 channels: steps 0 and 1 are whole, step 2 is cut short.
        QVERIFY(start(hex("7FBFDFEF00"), 16));
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, address(2));
        const auto refused = answerMessageBox(QMessageBox::Ok);
        acceptModal("chaserom::GifExportDialog");
        action(QStringLiteral("ActionExportGif"))->trigger();
        QVERIFY(QTest::qWaitFor([&] { return refused->shown; }));
        QVERIFY2(refused->text.contains(QString::fromUtf8("нет ни одного целого шага")),
                 qPrintable(refused->text));
        QVERIFY(waitForNoModal());
        QVERIFY(!QFile::exists(m_folder->path(QStringLiteral("out.gif"))));

        QTest::mouseClick(viewport(), Qt::LeftButton, {}, address(0));
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ShiftModifier, address(1));
        const QString path = m_folder->path(QStringLiteral("out.gif"));
        answerFileDialog(path);
        acceptModal("chaserom::GifExportDialog");
        action(QStringLiteral("ActionExportGif"))->trigger();
        QVERIFY(waitForNoModal());
        QVERIFY(m_folder->read(QStringLiteral("out.gif")).startsWith("GIF8"));
        QCOMPARE(editor().statusBar()->currentMessage(),
                 QString::fromUtf8("Записано: %1").arg(path));
    }

    void theStatusBarSumsWhatTheGridShows() {
        // The figures zlib and the programmers give for 256 bytes of FF, then with one 00.
        QVERIFY(start(QByteArray(256, '\xFF')));
        auto* sums = control<QLabel>(&editor(), QStringLiteral("StatusChecksums"));
        QCOMPARE(sums->text(), QStringLiteral("sum16=FF00 sum32=0000FF00 crc32=FEA8A821"));
        row(0)->setText(QStringLiteral("00"));
        QVERIFY(QTest::qWaitFor([&] {
            return sums->text() == QStringLiteral("sum16=FE01 sum32=0000FE01 crc32=8ACAB4B5");
        }));
    }

    void anotherImageClearsTheComparison() {
        QVERIFY(start(Chase16));
        const QString other = m_folder->write(QStringLiteral("other.bin"), QByteArray(16, '\0'));
        answerFileDialog(other);
        action(QStringLiteral("ActionCompare"))->trigger();
        auto* differences = control<QListWidget>(&editor(), QStringLiteral("DifferencesList"));
        QVERIFY(differences->count() > 0);
        m_app->openImage(m_folder->write(QStringLiteral("next.bin"), Chase16));
        QCOMPARE(differences->count(), 0);
        QVERIFY(!control<QWidget>(&editor(), QStringLiteral("DifferencesPanel"))->isVisible());
    }
};

QTEST_MAIN(StepEditorFilesTest)
#include "stepeditorfiles_test.moc"
