// Placing lamps by hand, the channel label, layout files and the background picture.
#include "core/files/layoutfile.h"
#include "core/page/kanalcount.h"
#include "windows/common/failurereports.h"
#include "windows/simulator/simulatorwindow.h"
#include "windowtesting.h"

#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QWindow>

using namespace chaserom;
using namespace testing_support;

class SimulatorTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        m_kanalCount = std::make_unique<KanalCount>();
        m_simulator = std::make_unique<SimulatorWindow>(*m_kanalCount, m_reports);
        m_label = control<QLabel>(m_simulator.get(), QStringLiteral("LabelKanal"));
    }

    void cleanup() {
        m_simulator.reset();
        m_kanalCount.reset();
        m_folder.reset();
    }

    void labelShowsTheChannelCountedFromOne_data() {
        QTest::addColumn<int>("kanalCount");
        QTest::addColumn<int>("lamp");
        QTest::addColumn<QString>("label");
        QTest::addRow("8: lamp 0") << 8 << 0 << "1";
        QTest::addRow("8: lamp 7") << 8 << 7 << "8";
        QTest::addRow("8: lamp 8") << 8 << 8 << "1";
        QTest::addRow("8: lamp 9") << 8 << 9 << "2";
        QTest::addRow("8: lamp 255") << 8 << 255 << "8";
        QTest::addRow("24: lamp 31") << 24 << 31 << "8";
        QTest::addRow("24: lamp 255") << 24 << 255 << "16";
        QTest::addRow("32: lamp 255") << 32 << 255 << "32";
    }

    void labelShowsTheChannelCountedFromOne() {
        QFETCH(int, kanalCount);
        QFETCH(int, lamp);
        QFETCH(QString, label);
        m_kanalCount->set(kanalCount);
        const LampPosition position = m_simulator->layout()[lamp];
        m_simulator->formMouseMove(0, position.left + 200, position.top + 127);
        QCOMPARE(m_label->text(), label);
        QCOMPARE(m_label->pos(),
                 QPoint(qRound((position.left + 400) / 15), qRound((position.top + 327) / 15)));
        QCOMPARE(m_simulator->layout()[lamp], position);
    }

    void labelFollowsTheCountAndClearsOverTheBackground() {
        const LampPosition lamp = m_simulator->layout()[40];
        m_simulator->formMouseMove(0, lamp.left + 100, lamp.top + 100);
        QCOMPARE(m_label->text(), QStringLiteral("1"));
        m_kanalCount->set(32);
        m_simulator->formMouseMove(0, lamp.left + 101, lamp.top + 100);
        QCOMPARE(m_label->text(), QStringLiteral("9"));
        const QPoint where = m_label->pos();
        m_simulator->formMouseMove(0, 11000, 2000);
        QCOMPARE(m_label->text(), QString());
        QCOMPARE(m_label->pos(), where);
        QVERIFY(m_label->isHidden()); // an empty label is no box over the board
    }

    void leftButtonAloneDragsTheLamp() {
        const LampPosition lamp = m_simulator->layout()[104];
        m_simulator->formMouseMove(3, lamp.left + 100, lamp.top + 100);
        QCOMPARE(m_simulator->layout()[104], lamp);
        m_simulator->formMouseMove(1, lamp.left + 100, lamp.top + 100);
        QCOMPARE(m_simulator->layout()[104], (LampPosition{lamp.left - 27, lamp.top - 27}));
        // Dragged to x = 60: the Left becomes -67 and is kept that way in a layout file.
        LampLayout layout = m_simulator->layout();
        layout[104] = {10, 1000};
        m_simulator->setLayout(layout);
        m_simulator->formMouseMove(1, 60, 1100);
        QCOMPARE(m_simulator->layout()[104].left, -67.0F);
        QVERIFY(layoutFileText(m_simulator->layout()).contains("-67 \r\n"));
    }

    void dragIsHandedToAHigherLampOnly() {
        LampLayout layout = m_simulator->layout();
        layout[3] = {1000, 1000};
        layout[7] = {1100, 1100};
        m_simulator->setLayout(layout);
        m_simulator->formMouseMove(1, 1150, 1150);
        QCOMPARE(m_label->text(), QStringLiteral("8"));
        QCOMPARE(m_simulator->layout()[7], (LampPosition{1023, 1023}));
        QCOMPARE(m_simulator->layout()[3], (LampPosition{1000, 1000}));
    }

    void realPointerMovesDragALamp() {
        m_simulator->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_simulator.get()));
        const LampPosition lamp = m_simulator->layout()[104]; // 3600, 1320
        QWindow* window = m_simulator->windowHandle();
        const QPoint start(qRound((lamp.left + 127) / 15), qRound((lamp.top + 127) / 15));
        QTest::mouseMove(window, start);
        QTRY_COMPARE(m_label->text(), QStringLiteral("1"));
        QTest::mousePress(window, Qt::LeftButton, {}, start);
        QTest::mouseMove(window, start + QPoint(4, 3));
        QTRY_COMPARE(m_simulator->layout()[104],
                     (LampPosition{(start.x() + 4) * 15.0F - 127, (start.y() + 3) * 15.0F - 127}));
        QTest::mouseRelease(window, Qt::LeftButton, {}, start + QPoint(4, 3));
    }

    void layoutRoundTripsThroughItsFile() {
        LampLayout layout = m_simulator->layout();
        layout[0] = {-67, 12.5F};
        layout[255] = {0.1F, 99999};
        m_simulator->setLayout(layout);
        const QString path = m_folder->path(QStringLiteral("board.txt"));
        answerFileDialog(path);
        control<QPushButton>(m_simulator.get(), QStringLiteral("CommandSave"))->click();
        const QByteArray written = m_folder->read(QStringLiteral("board.txt"));
        QCOMPARE(written, layoutFileText(layout));
        QCOMPARE(written.count("\r\n"), 512);

        m_simulator->setLayout(LampStartPositions);
        answerFileDialog(path);
        control<QPushButton>(m_simulator.get(), QStringLiteral("CommandLoad"))->click();
        QCOMPARE(m_simulator->layout(), layout);
    }

    void malformedLayoutIsReportedAndMovesNoLamp_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addRow("short") << QByteArray(" 1 \r\n 2 \r\n");
        QTest::addRow("not a number")
            << layoutFileText(LampStartPositions).replace(" 6120 ", " x ");
    }

    void malformedLayoutIsReportedAndMovesNoLamp() {
        QFETCH(QByteArray, content);
        const QString path = m_folder->write(QStringLiteral("bad.txt"), content);
        answerFileDialog(path);
        const auto seen = answerMessageBox(QMessageBox::Ok);
        control<QPushButton>(m_simulator.get(), QStringLiteral("CommandLoad"))->click();
        QVERIFY(QTest::qWaitFor([&] { return seen->shown; }));
        QVERIFY(seen->text.contains(path));
        QCOMPARE(m_simulator->layout(), LampStartPositions);
        QVERIFY(waitForNoModal());
    }

    void cancelledDialogsChangeNothing() {
        answerFileDialog(QString());
        control<QPushButton>(m_simulator.get(), QStringLiteral("CommandSave"))->click();
        answerFileDialog(QString());
        control<QPushButton>(m_simulator.get(), QStringLiteral("CommandLoad"))->click();
        answerFileDialog(QString());
        control<QToolButton>(m_simulator.get(), QStringLiteral("CommandFon"))->click();
        QCOMPARE(m_simulator->layout(), LampStartPositions);
        QVERIFY(m_simulator->background().isNull());
        control<QToolButton>(m_simulator.get(), QStringLiteral("CommandNew"))->click();
        QCOMPARE(m_simulator->layout(), LampStartPositions);
        QVERIFY(waitForNoModal());
    }

    void backgroundIsDrawnAtNaturalSizeFromTheCorner() {
        QImage picture(100, 80, QImage::Format_RGB32);
        picture.fill(QColor(0x20, 0x80, 0x40));
        const QString path = m_folder->path(QStringLiteral("board.png"));
        QVERIFY(picture.save(path));
        answerFileDialog(path);
        control<QToolButton>(m_simulator.get(), QStringLiteral("CommandFon"))->click();
        QVERIFY(!m_simulator->background().isNull());
        QCOMPARE(pixelAtTwips(m_simulator.get(), 1200, 1050), QColor(0x20, 0x80, 0x40));
        QCOMPARE(pixelAtTwips(m_simulator.get(), 1515, 1050),
                 m_simulator->palette().color(QPalette::Window));
        // The tool strip covers the picture's top.
        QCOMPARE(pixelAtTwips(m_simulator.get(), 2100, 300),
                 m_simulator->palette().color(QPalette::Window));
    }

    void pictureThatIsNotAPictureIsReported() {
        const QString path = m_folder->write(QStringLiteral("notes.png"), "not a picture");
        answerFileDialog(path);
        const auto seen = answerMessageBox(QMessageBox::Ok);
        control<QToolButton>(m_simulator.get(), QStringLiteral("CommandFon"))->click();
        QVERIFY(QTest::qWaitFor([&] { return seen->shown; }));
        QVERIFY(seen->text.contains(path));
        QVERIFY(m_simulator->background().isNull());
        QVERIFY(waitForNoModal());
    }

private:
    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<KanalCount> m_kanalCount;
    FailureReports m_reports;
    std::unique_ptr<SimulatorWindow> m_simulator;
    QLabel* m_label = nullptr;
};

QTEST_MAIN(SimulatorTest)
#include "simulator_test.moc"
