// «Плата»: lamps that stay in the hand however fast they are dragged, arranged in a row, a
// lamp count that hides lamps and brings them back where they were, channel colours chosen
// here, and this window's own undo.
#include "app/app.h"
#include "core/board/boardfile.h"
#include "windows/board/boardview.h"
#include "windows/board/boardwindow.h"
#include "windows/board/lampitem.h"
#include "windows/simulator/simulatorwindow.h"
#include "windowtesting.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTest>

using namespace chaserom;
using namespace testing_support;

class BoardLayoutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        m_app = startApp(m_folder->write(QStringLiteral("chip.bin"), countingBytes(2048)));
        m_app->showBoardWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&board()));
        // Eight lamps of an 8-channel board, 20 px apart in a row, the rest out of the way.
        LampLayout layout = m_app->boardLamps().positions();
        for (int lamp = 0; lamp < 8; ++lamp) {
            layout[lamp] = {static_cast<float>((100 + 20 * lamp) * 15), 1500};
        }
        m_app->boardLamps().setPositions(layout);
        m_app->boardLamps().setCount(8);
        board().markSaved();
        m_start = m_app->boardLamps().positions();
    }

    void cleanup() {
        board().setAskOnClose(false);
        QVERIFY(waitForNoModal());
        m_app.reset();
        m_folder.reset();
    }

    void aDraggedLampStaysInTheHandAcrossOthersAtAnySpeed() {
        // Lamp 0 pressed, then carried 300 px an event across lamps 1 to 3 and beyond.
        drag(0, {100 + 8, 100 + 8}, {{400, 108}, {700, 108}, {760, 300}});
        const LampLayout& now = m_app->boardLamps().positions();
        QCOMPARE(now[0].left, float((760 - 8) * 15));
        QCOMPARE(now[0].top, float((300 - 8) * 15));
        for (int lamp = 1; lamp < 8; ++lamp) {
            QCOMPARE(now[lamp], m_start[lamp]);
        }
        // The simulator follows at once; the move is one step of this window's history.
        QCOMPARE(m_app->simulator().layout()[0], now[0]);
        QCOMPARE(board().history().count(), 1);
        QCOMPARE(m_app->document().history().size(), 0);
    }

    void eightDragsAndOneRowPlaceEightLampsAndUndoRestoresEveryPosition() {
        // The photo's lamps lie on a slanted line; each is dragged to its place roughly.
        const QPoint places[8] = {{200, 400}, {243, 381}, {290, 359}, {331, 343},
                                  {377, 322}, {418, 301}, {466, 281}, {510, 260}};
        for (int lamp = 0; lamp < 8; ++lamp) {
            const QPoint from(100 + 20 * lamp + 8, 108);
            drag(lamp, from, {places[lamp]});
        }
        QCOMPARE(board().history().count(), 8);
        for (int lamp = 0; lamp < 8; ++lamp) {
            board().view().lampItem(lamp)->setSelected(true);
        }
        control<QAction>(&board(), QStringLiteral("ActionInRow"))->trigger();
        const LampLayout& row = m_app->boardLamps().positions();
        const float dx = (row[7].left - row[0].left) / 7;
        const float dy = (row[7].top - row[0].top) / 7;
        for (int lamp = 1; lamp < 7; ++lamp) {
            QVERIFY(std::abs(row[lamp].left - (row[0].left + dx * lamp)) < 0.01F);
            QVERIFY(std::abs(row[lamp].top - (row[0].top + dy * lamp)) < 0.01F);
        }
        QCOMPARE(board().history().count(), 9);
        while (board().history().canUndo()) {
            QTest::keyClick(&board().view(), Qt::Key_Z, Qt::ControlModifier);
        }
        QCOMPARE(m_app->boardLamps().positions(), m_start);
        QTest::keyClick(&board().view(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_app->boardLamps().positions()[0].left, float((200 - 8) * 15));
    }

    void arrowsMoveTheSelectionAPixelOrTen() {
        board().view().lampItem(2)->setSelected(true);
        board().view().setFocus();
        QTest::keyClick(&board().view(), Qt::Key_Right);
        QTest::keyClick(&board().view(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(m_app->boardLamps().positions()[2].left, m_start[2].left + 15);
        QCOMPARE(m_app->boardLamps().positions()[2].top, m_start[2].top + 150);
    }

    void fewerLampsHideTheRestWhichComeBackWhereTheyWere() {
        auto* count = control<QSpinBox>(&board(), QStringLiteral("LampCount"));
        QCOMPARE(count->value(), 8);
        count->setValue(4);
        emit count->editingFinished();
        QCOMPARE(m_app->boardLamps().count(), 4);
        QCOMPARE(m_app->simulator().layout()[5], HiddenLamp);
        QVERIFY(!board().view().lampItem(5)->isVisible());
        QTest::keyClick(&board().view(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_app->boardLamps().count(), 8);
        QCOMPARE(m_app->simulator().layout()[5], m_start[5]);
    }

    void aChannelColourIsChosenInTheColourDialogOfItsChannel() {
        auto title = std::make_shared<QString>();
        whenModal("QColorDialog", [title](QWidget* modal) {
            auto* dialog = static_cast<QColorDialog*>(modal);
            *title = dialog->windowTitle();
            dialog->setCurrentColor(QColor(1, 2, 3));
            dialog->accept();
        });
        auto* list = control<QListWidget>(&board(), QStringLiteral("ChannelColours"));
        emit list->itemActivated(list->item(2));
        QVERIFY(waitForNoModal());
        QCOMPARE(*title, QString::fromUtf8("Цвет канала 3"));
        QCOMPARE(m_app->channelColours().colour(2), Bgr{0x030201});
        control<QAction>(&board(), QStringLiteral("ActionBoardUndo"))->trigger();
        QVERIFY(m_app->channelColours().colour(2) != Bgr{0x030201});
    }

    void aSavedBoardComesBackWithTheImage() {
        drag(3, {100 + 60 + 8, 108}, {{300, 200}});
        QImage picture(320, 200, QImage::Format_RGB32);
        picture.fill(QColor(90, 20, 20));
        const QString picturePath = m_folder->path(QStringLiteral("photo.png"));
        QVERIFY(picture.save(picturePath));
        m_app->setBoardPicture(picture, picturePath);
        m_app->channelColours().setColour(4, 0x123456);
        control<QAction>(&board(), QStringLiteral("ActionSaveBoard"))->trigger();
        QVERIFY(board().history().isClean());
        const LampLayout saved = m_app->boardLamps().positions();
        m_app->shutDown();
        m_app = startApp(m_folder->path(QStringLiteral("chip.bin")));
        QCOMPARE(m_app->boardLamps().count(), 8);
        for (int lamp = 0; lamp < 8; ++lamp) {
            QCOMPARE(m_app->boardLamps().positions()[lamp], saved[lamp]);
            QCOMPARE(m_app->simulator().layout()[lamp], saved[lamp]);
        }
        QCOMPARE(m_app->simulator().background().size(), QSize(320, 200));
        QCOMPARE(m_app->channelColours().colour(4), Bgr{0x123456});
        m_app->showBoardWindow();
    }

    void closingWithUnsavedChangesAsksToSave() {
        drag(1, {120 + 8, 108}, {{300, 300}});
        const auto asked = answerMessageBox(QMessageBox::Cancel);
        board().close();
        QVERIFY(QTest::qWaitFor([&] { return asked->shown; }));
        QCOMPARE(asked->text, QString::fromUtf8("Сохранить плату?"));
        QVERIFY(m_app->existingBoardWindow());
        QVERIFY(board().isVisible());
    }

private:
    BoardWindow& board() { return m_app->boardWindow(); }

    /// Presses the left button at `from`, moves through `path` with it held, and releases it
    /// at the last point; viewport pixels of an unzoomed view.
    void drag(int lamp, QPoint from, const std::vector<QPoint>& path) {
        QWidget* viewport = board().view().viewport();
        const QPoint origin = board().view().mapFromScene(QPointF(0, 0));
        const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, QPointF(at + origin), viewport->mapToGlobal(at + origin),
                              Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        };
        QVERIFY2(board().view().lampItem(lamp)->isVisible(), "the lamp is on the board");
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        for (const QPoint& at : path) {
            send(QEvent::MouseMove, at, Qt::LeftButton);
        }
        send(QEvent::MouseButtonRelease, path.back(), Qt::NoButton);
    }

    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<App> m_app;
    LampLayout m_start{};
};

QTEST_MAIN(BoardLayoutWindowTest)
#include "boardlayout_window_test.moc"
