// Undo and redo as the user reaches them: the keys in a row text and in the other windows,
// the windows' menus, and a file changed behind the program's back.
#include "app/app.h"
#include "windows/codeview/codeviewwindow.h"
#include "windowtesting.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace chaserom;
using namespace testing_support;

namespace {

/// What a menu showed, and the action of it that was chosen.
struct MenuSeen {
    QStringList texts;
    QList<bool> enabled;
    bool shown = false;
};

/// Reads the next menu that pops up and chooses the action whose text starts with `choose`
/// (or closes the menu when it is empty).
std::shared_ptr<MenuSeen> answerMenu(const QString& choose) {
    auto seen = std::make_shared<MenuSeen>();
    auto* timer = new QTimer(qApp);
    auto attempts = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, seen, choose, attempts] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu && ++*attempts < 400) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (!menu) {
            return;
        }
        seen->shown = true;
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            seen->texts << action->text();
            seen->enabled << action->isEnabled();
            if (!choose.isEmpty() && action->text().startsWith(choose)) {
                chosen = action;
            }
        }
        if (chosen) {
            menu->setActiveAction(chosen);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            menu->close();
        }
    });
    timer->start(5);
    return seen;
}

} // namespace

class UndoWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        m_app = startApp(m_folder->write(QStringLiteral("e.bin"), countingBytes(16)));
        m_view = &m_app->codeView();
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view));
    }

    void cleanup() {
        QVERIFY(waitForNoModal());
        m_app.reset();
        m_folder.reset();
    }

    void ctrlZInARowUndoesTheImageNotTheText() {
        QLineEdit* text = row(0);
        text->setFocus();
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(text, QStringLiteral("7F"));
        QCOMPARE(m_app->page().rowText(0), QStringLiteral("7F"));
        QCOMPARE(m_app->document().undoLabel(), QString::fromUtf8("правка байта 0"));
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text->text(), QStringLiteral("00"));
        // The row's own undo would have made a new edit; the image's undo can be redone.
        QVERIFY(m_app->document().canRedo());
        QVERIFY(!m_app->document().canUndo());
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(text->text(), QStringLiteral("7F"));
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(text->text(), QStringLiteral("7F"));
        QCOMPARE(m_app->document().history().size(), 1);
    }

    void ctrlZInANumberFieldStaysItsOwnUndo() {
        click("CommandInv");
        auto* field = control<QLineEdit>(m_view, QStringLiteral("Text8"));
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("12"));
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(field->text() != QStringLiteral("12"));
        QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(field->text(), QStringLiteral("12"));
        // The image's step is still there to undo.
        QCOMPARE(m_app->document().undoLabel(), QString::fromUtf8("инверсия 0–15"));
        QCOMPARE(m_folder->read(QStringLiteral("e.bin"))[0], '\xFF');
    }

    void theWindowMenuOffersUndoAndRedo() {
        click("CommandMirror");
        const auto seen = answerMenu(QString::fromUtf8("Отменить"));
        // The right button on the window's background: over an LED, which only the left
        // button changes.
        // Through the window system, as a real click comes.
        QTest::mouseClick(m_view->windowHandle(), Qt::RightButton, {}, QPoint(231, 31));
        QVERIFY(QTest::qWaitFor([&] { return seen->shown; }));
        QCOMPARE(seen->texts,
                 (QStringList{QString::fromUtf8("Отменить: перестановка 0–15"),
                              QString::fromUtf8("Повторить"), QString::fromUtf8("Шаги эффекта…"),
                              QString::fromUtf8("Плата…"), QString::fromUtf8("Новый образ…")}));
        QCOMPARE(seen->enabled, (QList<bool>{true, false, true, true, true}));
        QVERIFY(QTest::qWaitFor([&] { return !m_app->document().canUndo(); }));
        QCOMPARE(m_folder->read(QStringLiteral("e.bin")), countingBytes(16));
        QCOMPARE(row(0)->text(), QStringLiteral("00"));

        // In a row text the menu is the same one, not the line edit's own.
        const auto inRow = answerMenu(QString::fromUtf8("Повторить"));
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                  row(3)->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(row(3), &menuKey);
        QVERIFY(QTest::qWaitFor([&] { return inRow->shown; }));
        QCOMPARE(inRow->texts.value(1), QString::fromUtf8("Повторить: перестановка 0–15"));
        QVERIFY(QTest::qWaitFor([&] { return m_app->document().canUndo(); }));
        QCOMPARE(row(0)->text(), QStringLiteral("0F"));
    }

    void shiftF10OpensTheMenu() {
        row(2)->setFocus();
        const auto seen = answerMenu(QString());
        QTest::keyClick(row(2), Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(QTest::qWaitFor([&] { return seen->shown; }));
        QCOMPARE(seen->texts.value(0), QString::fromUtf8("Отменить"));
    }

    void theSimulatorLabelStillFollowsARightDrag() {
        SimulatorWindow& simulator = m_app->simulator();
        simulator.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&simulator));
        const QPoint lamp((4560 + 127) / 15, (5400 + 127) / 15); // over lamp 3
        auto* label = control<QLabel>(&simulator, QStringLiteral("LabelKanal"));
        bool menuShown = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (auto* menu = QApplication::activePopupWidget()) {
                menuShown = true;
                menu->close();
            }
        });
        watch.start(5);
        QWindow* window = simulator.windowHandle();
        QTest::mousePress(window, Qt::RightButton, {}, QPoint(10, 400));
        QTest::mouseMove(window, lamp);
        QCOMPARE(label->text(), QStringLiteral("4"));
        QTest::mouseRelease(window, Qt::RightButton, {}, lamp);
        QTest::qWait(100);
        QVERIFY(!menuShown);

        // A right click that does not move opens the window's menu.
        QTest::mouseClick(window, Qt::RightButton, {}, QPoint(10, 400));
        QVERIFY(QTest::qWaitFor([&] { return menuShown; }));
    }

    void ctrlZInTheColourPanelUndoesTheImage() {
        click("CommandInv");
        ColourPanel& panel = m_app->colourPanel();
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        QTest::keyClick(&panel, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_folder->read(QStringLiteral("e.bin")), countingBytes(16));
        QVERIFY(m_app->document().canRedo());
    }

    void aFileChangedBehindTheProgramIsReportedAndLeftAlone() {
        click("CommandInv");
        QByteArray changed = m_folder->read(QStringLiteral("e.bin"));
        changed[7] = 'x';
        m_folder->write(QStringLiteral("e.bin"), changed);
        const auto seen = answerMessageBox(QMessageBox::Ok);
        m_app->historyActions().undoAction()->trigger();
        QVERIFY(QTest::qWaitFor([&] { return seen->shown; }));
        QCOMPARE(seen->title, QString::fromUtf8("Ошибка"));
        QVERIFY(seen->text.contains(QString::fromUtf8("другая программа")));
        QCOMPARE(m_folder->read(QStringLiteral("e.bin")), changed);
    }

private:
    void click(const char* name) { control<QPushButton>(m_view, QLatin1String(name))->click(); }
    QLineEdit* row(int index) const {
        return control<QLineEdit>(m_view, QStringLiteral("Text1_%1").arg(index));
    }

    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<App> m_app;
    QWidget* m_view = nullptr;
};

QTEST_MAIN(UndoWindowTest)
#include "undo_window_test.moc"
