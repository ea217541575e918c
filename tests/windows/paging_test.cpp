// Paging through an image: page moves with the write-back switch on and off, thumb drags,
// double-clicks, bit clicks and the step timer.
#include "app/app.h"
#include "windows/codeview/codeviewwindow.h"
#include "windowtesting.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

using namespace chaserom;
using namespace testing_support;

class PagingTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        m_path = m_folder->write(QStringLiteral("a.bin"), countingBytes(256));
        m_app = startApp(m_path);
        m_view = &m_app->codeView();
        m_scroll = control<QScrollBar>(m_view, QStringLiteral("VScroll1"));
    }

    void cleanup() {
        m_app.reset();
        m_folder.reset();
    }

    void pageMoveWritesBackOnlyWhenTicked_data() {
        QTest::addColumn<bool>("save");
        QTest::addRow("unticked") << false;
        QTest::addRow("ticked") << true;
    }

    void pageMoveWritesBackOnlyWhenTicked() {
        QFETCH(bool, save);
        control<QCheckBox>(m_view, QStringLiteral("CheckSave"))->setChecked(save);
        row(1)->setText(QStringLiteral("EE"));
        QCOMPARE(text(QStringLiteral("Text2_1")), QStringLiteral("11101110"));
        m_scroll->setValue(20);
        QCOMPARE(text(QStringLiteral("Text6")), QStringLiteral("20"));
        QCOMPARE(row(0)->text(), QStringLiteral("14"));
        QCOMPARE(text(QStringLiteral("Text5_0")), QStringLiteral("14"));
        QCOMPARE(text(QStringLiteral("Text7_15")), QStringLiteral("35"));
        QByteArray expected = countingBytes(256);
        if (save) {
            expected[1] = static_cast<char>(0xEE);
        }
        QCOMPARE(m_folder->read(QStringLiteral("a.bin")), expected);
    }

    void dragFollowsTheThumbAndReleaseAligns() {
        m_app->codeView().chooseChannelOption(3);
        m_scroll->setSliderDown(true);
        m_scroll->setSliderPosition(7);
        QCOMPARE(text(QStringLiteral("Text6")), QStringLiteral("7"));
        m_scroll->setSliderPosition(9);
        QCOMPARE(text(QStringLiteral("Text6")), QStringLiteral("9"));
        m_scroll->setSliderDown(false);
        QCOMPARE(text(QStringLiteral("Text6")), QStringLiteral("8"));
        QCOMPARE(row(0)->text(), QStringLiteral("08"));
    }

    void doubleClickInvertsARowWithoutWriting() {
        control<QCheckBox>(m_view, QStringLiteral("CheckSave"))->setChecked(true);
        row(5)->setText(QStringLiteral("F0"));
        QTest::mouseDClick(row(5), Qt::LeftButton);
        QCOMPARE(row(5)->text(), QStringLiteral("0F"));
        row(6)->setText(QStringLiteral("zz"));
        QTest::mouseDClick(row(6), Qt::LeftButton);
        QCOMPARE(row(6)->text(), QStringLiteral("FF"));
        QCOMPARE(m_folder->read(QStringLiteral("a.bin")), countingBytes(256));
    }

    void clickOnAnLedInvertsItsBit_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addRow("row 2 column 0") << 3300 << 800 << 2 << "00"
                                        << "80";
        QTest::addRow("row 0 bit 0") << 4990 << 300 << 0 << "A5"
                                     << "A4";
        QTest::addRow("row 0 bit 6") << 3500 << 300 << 0 << "A5"
                                     << "E5";
        QTest::addRow("one character") << 3300 << 300 << 0 << "5"
                                       << "80";
        QTest::addRow("cell edge") << 3480 << 300 << 0 << "A5"
                                   << "A5";
        QTest::addRow("row edge") << 3300 << 480 << 0 << "A5"
                                  << "A5";
        QTest::addRow("right of grid") << 5160 << 300 << 0 << "A5"
                                       << "A5";
    }

    void clickOnAnLedInvertsItsBit() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, row);
        QFETCH(QString, before);
        QFETCH(QString, after);
        this->row(row)->setText(before);
        m_app->codeView().formMouseMove(0, x, y);
        m_app->codeView().formClick();
        QCOMPARE(this->row(row)->text(), after);
    }

    void clickBeforeAnyMoveChangesNothing() {
        QCOMPARE(m_app->codeView().lastMousePosition(), QPoint(0, 0));
        m_app->codeView().formClick();
        for (int r = 0; r < 16; ++r) {
            QCOMPARE(row(r)->text(), QString::number(r, 16).toUpper().rightJustified(2, u'0'));
        }
    }

    void realClicksInvertOnceForADoubleClick() {
        row(2)->setText(QStringLiteral("00"));
        QWindow* window = m_view->windowHandle();
        const QPoint led(3300 / 15, 800 / 15);
        QTest::mouseMove(window, led);
        QTRY_COMPARE(m_app->codeView().lastMousePosition(), QPoint(3300, 795));
        QTest::mouseClick(window, Qt::LeftButton, {}, led);
        QCOMPARE(row(2)->text(), QStringLiteral("80"));
        QTest::mouseDClick(window, Qt::LeftButton, {}, led);
        QCOMPARE(row(2)->text(), QStringLiteral("00"));
        // A click over a text box is the text box's own.
        const QPoint textBox(1800 / 15, 800 / 15);
        QTest::mouseMove(window, textBox);
        QTest::mouseClick(window, Qt::LeftButton, {}, textBox);
        QCOMPARE(m_app->codeView().lastMousePosition(), QPoint(3300, 795));
        QCOMPARE(row(2)->text(), QStringLiteral("00"));
    }

    void timerStepsAndWraps_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("positions");
        QTest::addRow("8 channels") << 0 << 253 << QList<int>{254, 255, 0, 1};
        QTest::addRow("16 channels") << 1 << 0 << QList<int>{2, 4, 6};
        QTest::addRow("24 channels pass the end") << 2 << 252 << QList<int>{255, 0, 3};
    }

    void timerStepsAndWraps() {
        QFETCH(int, option);
        QFETCH(int, start);
        QFETCH(QList<int>, positions);
        m_app->codeView().chooseChannelOption(option);
        m_scroll->setValue(start);
        m_app->codeView().playOneStep();
        QCOMPARE(m_scroll->value(), start); // playback is off
        control<QCheckBox>(m_view, QStringLiteral("Check1"))->setChecked(true);
        for (const int position : positions) {
            m_app->codeView().playOneStep();
            QCOMPARE(m_scroll->value(), position);
        }
    }

    void wrapShowsAddressZero() {
        m_scroll->setValue(255);
        control<QCheckBox>(m_view, QStringLiteral("Check1"))->setChecked(true);
        m_app->codeView().playOneStep();
        QCOMPARE(m_scroll->value(), 0);
        QCOMPARE(text(QStringLiteral("Text6")), QStringLiteral("0"));
        QCOMPARE(row(0)->text(), QStringLiteral("00"));
    }

    void secondImageStartsAtZero() {
        control<QCheckBox>(m_view, QStringLiteral("CheckSave"))->setChecked(true);
        m_scroll->setValue(100);
        const QString other = m_folder->write(QStringLiteral("b.bin"), QByteArray(50, '\x11'));
        m_app->openImage(other);
        QCOMPARE(text(QStringLiteral("Text6")), QStringLiteral("0"));
        QCOMPARE(m_scroll->maximum(), 50);
        row(0)->setText(QStringLiteral("22"));
        m_scroll->setValue(3);
        QCOMPARE(m_folder->read(QStringLiteral("b.bin")).left(2), QByteArray("\x22\x11"));
        QCOMPARE(m_folder->read(QStringLiteral("a.bin")), countingBytes(256));
    }

    void rowsPastTheEndCannotBeEdited() {
        m_app->openImage(m_folder->write(QStringLiteral("s.bin"), countingBytes(4)));
        QCOMPARE(row(3)->text(), QStringLiteral("03"));
        QVERIFY(!row(3)->isReadOnly());
        QCOMPARE(row(4)->text(), QString());
        QVERIFY(row(4)->isReadOnly());
        QCOMPARE(text(QStringLiteral("Text2_4")), QStringLiteral("00000000"));
        row(4)->setText(QStringLiteral("AA"));
        QCOMPARE(row(4)->text(), QString());
    }

private:
    QLineEdit* row(int index) const {
        return control<QLineEdit>(m_view, QStringLiteral("Text1_%1").arg(index));
    }
    QString text(const QString& name) const { return control<QLineEdit>(m_view, name)->text(); }

    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<App> m_app;
    QString m_path;
    QWidget* m_view = nullptr;
    QScrollBar* m_scroll = nullptr;
};

QTEST_MAIN(PagingTest)
#include "paging_test.moc"
