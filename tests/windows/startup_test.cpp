// Start-up and shut-down of the program, with the open dialog answered and cancelled.
#include "app/app.h"
#include "windows/codeview/codeviewwindow.h"
#include "windowtesting.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using namespace chaserom;
using namespace testing_support;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<WorkFolder>(); }
    void cleanup() { m_folder.reset(); }

    void cancelledDialogLeavesTheStartState() {
        answerFileDialog(QString());
        auto app = startApp(QString());
        QWidget* view = &app->codeView();
        QVERIFY(view->isVisible());
        QVERIFY(app->existingSimulator() && app->existingSimulator()->isVisible());
        QVERIFY(app->existingColourPanel() && app->existingColourPanel()->isVisible());
        QVERIFY(!app->document().hasImage());
        for (const char* name : {"Text3", "Text4", "Text6"}) {
            QCOMPARE(control<QLineEdit>(view, QLatin1String(name))->text(), QString());
        }
        for (int row = 0; row < 16; ++row) {
            QCOMPARE(control<QLineEdit>(view, QStringLiteral("Text1_%1").arg(row))->text(),
                     QStringLiteral("00"));
            QCOMPARE(control<QLineEdit>(view, QStringLiteral("Text2_%1").arg(row))->text(),
                     QStringLiteral("00000000"));
            QCOMPARE(control<QLineEdit>(view, QStringLiteral("Text5_%1").arg(row))->text(),
                     QString::number(row, 16).toUpper());
            QCOMPARE(control<QLineEdit>(view, QStringLiteral("Text7_%1").arg(row))->text(),
                     QString::number(row));
        }
        QCOMPARE(app->kanalCount().value(), 8);
        QVERIFY(control<QRadioButton>(view, QStringLiteral("OptionKanal_0"))->isChecked());
        QCOMPARE(control<QPushButton>(view, QStringLiteral("CommandMirror"))->toolTip(),
                 QString::fromUtf8("Ячейки со старшими адресами поместить в начало и наоборот.\r"
                                   "Аналогична применению реверсивного счетчика"));
        QCOMPARE(control<QLabel>(view, QStringLiteral("LabelIntervalSim"))->text(),
                 QStringLiteral("300ms"));
        QCOMPARE(control<QScrollBar>(view, QStringLiteral("VScroll1"))->maximum(), 32767);
    }

    void openingFromTheDialog() {
        const QString path = m_folder->write(QStringLiteral("a.bin"), countingBytes(8192));
        answerFileDialog(path);
        auto app = startApp(QString());
        QWidget* view = &app->codeView();
        QCOMPARE(control<QLineEdit>(view, QStringLiteral("Text3"))->text(), path);
        QCOMPARE(control<QLineEdit>(view, QStringLiteral("Text4"))->text(), QStringLiteral("8192"));
        QCOMPARE(control<QLineEdit>(view, QStringLiteral("Text6"))->text(), QStringLiteral("0"));
        QCOMPARE(control<QScrollBar>(view, QStringLiteral("VScroll1"))->maximum(), 8192);
        QCOMPARE(control<QLineEdit>(view, QStringLiteral("Text1_15"))->text(),
                 QStringLiteral("0F"));
        QCOMPARE(m_folder->read(QStringLiteral("a.bak")), countingBytes(8192));
        // Read-only boxes: nobody types over the path or the length.
        QVERIFY(control<QLineEdit>(view, QStringLiteral("Text3"))->isReadOnly());
        QVERIFY(control<QLineEdit>(view, QStringLiteral("Text4"))->isReadOnly());
        QVERIFY(control<QLineEdit>(view, QStringLiteral("Text6"))->isReadOnly());
    }

    void openingFromTheCommandLine_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("shownLength");
        QTest::addColumn<QString>("lastRow");
        QTest::addRow("long image") << 40000 << QStringLiteral("32767") << QStringLiteral("0F");
        QTest::addRow("empty image") << 0 << QStringLiteral("0") << QString();
        QTest::addRow("short image") << 5 << QStringLiteral("5") << QString();
    }

    void openingFromTheCommandLine() {
        QFETCH(int, length);
        QFETCH(QString, shownLength);
        QFETCH(QString, lastRow);
        const QString path = m_folder->write(QStringLiteral("image.rom"), countingBytes(length));
        auto app = startApp(path);
        QWidget* view = &app->codeView();
        QCOMPARE(control<QLineEdit>(view, QStringLiteral("Text4"))->text(), shownLength);
        QCOMPARE(control<QScrollBar>(view, QStringLiteral("VScroll1"))->maximum(),
                 shownLength.toInt());
        QCOMPARE(control<QLineEdit>(view, QStringLiteral("Text1_15"))->text(), lastRow);
        QVERIFY(QFile::exists(m_folder->path(QStringLiteral("image.bak"))));
    }

    void anImageThatCannotBeOpenedIsReported() {
        const auto seen = answerMessageBox(0x00000400); // Ok
        auto app = startApp(m_folder->path(QStringLiteral("missing.bin")));
        QVERIFY(QTest::qWaitFor([&] { return seen->shown; }));
        QCOMPARE(seen->title, QString::fromUtf8("Ошибка"));
        QVERIFY(seen->text.contains(m_folder->path(QStringLiteral("missing.bin"))));
        QVERIFY(seen->text.contains(QString::fromUtf8("нет такого файла или папки")));
        QVERIFY(!app->document().hasImage());
        QVERIFY(waitForNoModal());
    }

    void closingEndsTheProgramAndKeepsTickedEdits() {
        const QString path = m_folder->write(QStringLiteral("a.bin"), countingBytes(32));
        auto app = startApp(path);
        QWidget* view = &app->codeView();
        control<QCheckBox>(view, QStringLiteral("CheckSave"))->setChecked(true);
        control<QLineEdit>(view, QStringLiteral("Text1_2"))->setText(QStringLiteral("AB"));
        bool finished = false;
        connect(app.get(), &App::finished, this, [&] { finished = true; });
        view->close();
        QVERIFY(finished);
        QVERIFY(!app->document().hasImage());
        QCOMPARE(m_folder->read(QStringLiteral("a.bin"))[2], '\xAB');
        QVERIFY(QFile::exists(m_folder->path(QStringLiteral("ColorKanal.txt"))));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!app->existingSimulator());
        QVERIFY(!app->existingColourPanel());
    }

    void closingWithoutSavingDropsEdits() {
        const QString path = m_folder->write(QStringLiteral("a.bin"), countingBytes(32));
        auto app = startApp(path);
        control<QLineEdit>(&app->codeView(), QStringLiteral("Text1_2"))
            ->setText(QStringLiteral("AB"));
        app->codeView().close();
        QCOMPARE(m_folder->read(QStringLiteral("a.bin")), countingBytes(32));
    }

private:
    std::unique_ptr<WorkFolder> m_folder;
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
