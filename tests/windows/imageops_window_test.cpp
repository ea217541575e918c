// Whole-image operations and the resized copy, driven through the code view's buttons.
#include "app/app.h"
#include "windows/codeview/codeviewwindow.h"
#include "windowtesting.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using namespace chaserom;
using namespace testing_support;

class ImageOpsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        m_path = m_folder->write(QStringLiteral("effect.bin"), countingBytes(16));
        m_app = startApp(m_path);
        m_view = &m_app->codeView();
    }

    void cleanup() {
        QVERIFY(waitForNoModal());
        m_app.reset();
        m_folder.reset();
    }

    void overflowPromptAsksThreeWays_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QByteArray>("expected");
        QByteArray yes = countingBytes(13);
        yes.append(QByteArray::fromHex("00010203"));
        QByteArray no = countingBytes(13);
        no.append(QByteArray::fromHex("000102"));
        QTest::addRow("yes") << int(QMessageBox::Yes) << yes;
        QTest::addRow("no") << int(QMessageBox::No) << no;
        QTest::addRow("cancel") << int(QMessageBox::Cancel) << countingBytes(16);
    }

    void overflowPromptAsksThreeWays() {
        QFETCH(int, button);
        QFETCH(QByteArray, expected);
        setRange("0", "3", "13");
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QMessageBox::StandardButton> buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        whenModal("QMessageBox", [&](QWidget* modal) {
            auto* box = static_cast<QMessageBox*>(modal);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            for (QAbstractButton* b : box->buttons()) {
                buttons << box->standardButton(b);
            }
            defaultButton = box->standardButton(box->defaultButton());
            box->button(static_cast<QMessageBox::StandardButton>(button))->click();
        });
        row(0)->setText(QStringLiteral("EE")); // dropped: saving is off
        click("CommandCopy");
        QCOMPARE(title, QString::fromUtf8("Внимание"));
        QCOMPARE(text, QString::fromUtf8("Вставляемый фрагмент выходит за пределы файла.\r"
                                         "Увеличит размер файла (Да)\r"
                                         "Вставить до конца файла (Нет)\r"
                                         "Отмена операции (Отмена)"));
        QCOMPARE(icon, QMessageBox::Critical);
        std::sort(buttons.begin(), buttons.end());
        QCOMPARE(buttons, (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No,
                                                              QMessageBox::Cancel}));
        QCOMPARE(defaultButton, QMessageBox::Yes);
        QCOMPARE(m_folder->read(QStringLiteral("effect.bin")), expected);
        QCOMPARE(text4(), QStringLiteral("16"));
        QCOMPARE(control<QScrollBar>(m_view, QStringLiteral("VScroll1"))->maximum(), 16);
        QCOMPARE(row(0)->text(), QStringLiteral("00"));
        QCOMPARE(row(13)->text(), QString(expected.mid(13, 1).toHex().toUpper()));
    }

    void copyThatFitsAsksNothing() {
        setRange("0", " 3 ", "8");
        click("CommandCopy");
        QByteArray expected = countingBytes(16);
        expected.replace(8, 4, QByteArray::fromHex("00010203"));
        QCOMPARE(m_folder->read(QStringLiteral("effect.bin")), expected);
        QCOMPARE(row(8)->text(), QStringLiteral("00"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void badNumbersTouchNothing_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("destination");
        QTest::addRow("empty") << ""
                               << "3"
                               << "8";
        QTest::addRow("negative") << "0"
                                  << "-3"
                                  << "8";
        QTest::addRow("fraction") << "0"
                                  << "3"
                                  << "8.5";
        QTest::addRow("past the image") << "0"
                                        << "16"
                                        << "8";
        QTest::addRow("words") << "ноль"
                               << "3"
                               << "8";
    }

    void badNumbersTouchNothing() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, destination);
        control<QLineEdit>(m_view, QStringLiteral("Text8"))->setText(start);
        control<QLineEdit>(m_view, QStringLiteral("Text9"))->setText(end);
        control<QLineEdit>(m_view, QStringLiteral("Text10"))->setText(destination);
        const auto seen = answerMessageBox(QMessageBox::Ok);
        click("CommandCopy");
        QVERIFY(QTest::qWaitFor([&] { return seen->shown; }));
        QCOMPARE(seen->title, QString::fromUtf8("Ошибка"));
        QCOMPARE(m_folder->read(QStringLiteral("effect.bin")), countingBytes(16));
    }

    void invertAndReverseWriteThePageFirstWhileSaving() {
        control<QCheckBox>(m_view, QStringLiteral("CheckSave"))->setChecked(true);
        row(0)->setText(QStringLiteral("F0"));
        click("CommandInv");
        QByteArray expected = countingBytes(16);
        expected[0] = static_cast<char>(0xF0);
        for (char& byte : expected) {
            byte = static_cast<char>(~byte);
        }
        QCOMPARE(m_folder->read(QStringLiteral("effect.bin")), expected);
        QCOMPARE(row(0)->text(), QStringLiteral("0F"));
        click("CommandMirror");
        std::reverse(expected.begin(), expected.end());
        QCOMPARE(m_folder->read(QStringLiteral("effect.bin")), expected);
        QCOMPARE(row(15)->text(), QStringLiteral("0F"));
    }

    void withNoImageEachOperationSaysSo() {
        m_app.reset();
        answerFileDialog(QString());
        m_app = startApp(QString());
        m_view = &m_app->codeView();
        for (const char* button : {"CommandCopy", "CommandInv", "CommandMirror", "CommandSize"}) {
            const auto seen = answerMessageBox(QMessageBox::Ok);
            click(button);
            QVERIFY(QTest::qWaitFor([&] { return seen->shown; }));
            QVERIFY(seen->text.contains(QString::fromUtf8("не открыт")));
            QVERIFY(waitForNoModal());
        }
    }

    void resizedCopyIsCutOrPadded_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addRow("cut") << "8"
                             << "effect.8.bin" << countingBytes(8);
        QTest::addRow("equal") << "16"
                               << "effect.16.bin" << countingBytes(16);
        QTest::addRow("one more") << "17"
                                  << "effect.17.bin" << countingBytes(16) + QByteArray(1, '\xFF');
        QTest::addRow("padded") << "256"
                                << "effect.256.bin" << countingBytes(16) + QByteArray(240, '\xFF');
        QTest::addRow("blank before")
            << " 32"
            << "effect. 32.bin" << countingBytes(16) + QByteArray(16, '\xFF');
    }

    void resizedCopyIsCutOrPadded() {
        QFETCH(QString, size);
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        control<QLineEdit>(m_view, QStringLiteral("TextSize"))->setText(size);
        click("CommandSize");
        QCOMPARE(m_folder->read(name), content);
        QCOMPARE(m_folder->read(QStringLiteral("effect.bin")), countingBytes(16));
        // The image stays open.
        QVERIFY(m_app->document().hasImage());
        control<QScrollBar>(m_view, QStringLiteral("VScroll1"))->setValue(0);
        click("CommandInv");
        QCOMPARE(m_folder->read(QStringLiteral("effect.bin"))[0], '\xFF');
    }

    void resizedCopyReplacesALongerFile() {
        m_folder->write(QStringLiteral("effect.256.bin"), QByteArray(1000, 'x'));
        control<QAbstractButton>(m_view, QStringLiteral("OptionSize_0"))->click();
        QCOMPARE(control<QLineEdit>(m_view, QStringLiteral("TextSize"))->text(),
                 QStringLiteral("256"));
        click("CommandSize");
        QCOMPARE(m_folder->read(QStringLiteral("effect.256.bin")),
                 countingBytes(16) + QByteArray(240, '\xFF'));
    }

    void resizedCopyTakesTheWholeFile() {
        QByteArray bytes(40000, '\0');
        for (int i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<char>(i * 7);
        }
        m_app->openImage(m_folder->write(QStringLiteral("big.bin"), bytes));
        control<QLineEdit>(m_view, QStringLiteral("TextSize"))->setText(QStringLiteral("40002"));
        click("CommandSize");
        QCOMPARE(m_folder->read(QStringLiteral("big.40002.bin")), bytes + "\xFF\xFF");
    }

    void badSizeWritesNothing() {
        control<QLineEdit>(m_view, QStringLiteral("TextSize"))->setText(QStringLiteral("0"));
        const auto seen = answerMessageBox(QMessageBox::Ok);
        click("CommandSize");
        QVERIFY(QTest::qWaitFor([&] { return seen->shown; }));
        QVERIFY(!QFile::exists(m_folder->path(QStringLiteral("effect.0.bin"))));
    }

    void clickingTheSizeBoxClearsThePresets() {
        auto* preset = control<QRadioButton>(m_view, QStringLiteral("OptionSize_3"));
        preset->click();
        QVERIFY(preset->isChecked());
        auto* sizeBox = control<QLineEdit>(m_view, QStringLiteral("TextSize"));
        QTest::mouseClick(sizeBox, Qt::LeftButton);
        for (int i = 0; i < 5; ++i) {
            QVERIFY(!control<QRadioButton>(m_view, QStringLiteral("OptionSize_%1").arg(i))
                         ->isChecked());
        }
        QCOMPARE(sizeBox->text(), QStringLiteral("2048"));
    }

private:
    void click(const char* name) { control<QPushButton>(m_view, QLatin1String(name))->click(); }
    void setRange(const char* start, const char* end, const char* destination) {
        control<QLineEdit>(m_view, QStringLiteral("Text8"))->setText(QLatin1String(start));
        control<QLineEdit>(m_view, QStringLiteral("Text9"))->setText(QLatin1String(end));
        control<QLineEdit>(m_view, QStringLiteral("Text10"))->setText(QLatin1String(destination));
    }
    QLineEdit* row(int index) const {
        return control<QLineEdit>(m_view, QStringLiteral("Text1_%1").arg(index));
    }
    QString text4() const { return control<QLineEdit>(m_view, QStringLiteral("Text4"))->text(); }

    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<App> m_app;
    QString m_path;
    QWidget* m_view = nullptr;
};

QTEST_MAIN(ImageOpsWindowTest)
#include "imageops_window_test.moc"
