// What a screen reader finds in the windows, read through Qt's accessibility interfaces: a
// name on every control that takes the focus, and the step grid saying which lamp the
// cursor is on.
#include "app/app.h"
#include "core/page/pagerows.h"
#include "windows/board/boardview.h"
#include "windows/board/boardwindow.h"
#include "windows/board/lampitem.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/colours/colourpanel.h"
#include "windows/simulator/simulatorwindow.h"
#include "windows/steps/stepeditorwindow.h"
#include "windows/steps/stepgridview.h"
#include "windowtesting.h"

#include <QAccessible>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace chaserom;
using namespace testing_support;

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        m_app = startApp(m_folder->write(QStringLiteral("chip.bin"), QByteArray(256, '\xFF')));
        m_windows = showEveryWindow(*m_app);
        QCOMPARE(m_windows.size(), 5);
    }

    void cleanup() {
        m_app->boardWindow().setAskOnClose(false);
        m_app.reset();
        m_folder.reset();
    }

    void everyFocusableControlOfEveryWindowHasAName() {
        QStringList unnamed;
        int focusable = 0;
        for (QWidget* window : m_windows) {
            walk(QAccessible::queryAccessibleInterface(window), window->objectName(), unnamed,
                 focusable);
        }
        for (const QString& path : unnamed) {
            qWarning("no name: %s", qPrintable(path));
        }
        QVERIFY(focusable > 60);
        QVERIFY2(unnamed.isEmpty(),
                 qPrintable(QString::number(unnamed.size()) + u'\n' + unnamed.join(u'\n')));
    }

    void theStepGridSaysTheLampUnderTheCursor() {
        StepGridView& grid = m_app->stepEditor().grid();
        grid.setCursor(40, 2);
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&grid);
        QVERIFY(shown);
        QCOMPARE(shown->text(QAccessible::Value), QString::fromUtf8("Шаг 40, канал 3: не горит"));
        QVERIFY(!shown->text(QAccessible::Name).isEmpty());
        // The same as a child a screen reader follows as the focus moves.
        QAccessibleInterface* cell = shown->child(shown->childCount() - 1);
        QCOMPARE(cell->text(QAccessible::Name), QString::fromUtf8("Шаг 40, канал 3: не горит"));
        m_app->stepEditor().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_app->stepEditor()));
        grid.setFocus();
        QTRY_VERIFY(grid.hasFocus());
        QCOMPARE(shown->focusChild(), cell);
        // A change from elsewhere to the lamp under the cursor is told too.
        QVERIFY(!m_app->document().changeBytes(40, QByteArray(1, '\xDF'), 256));
        QCOMPARE(shown->text(QAccessible::Value), QString::fromUtf8("Шаг 40, канал 3: горит"));
    }

    void lampsAndLedsAreReachableWithTheirNumbers() {
        // 0xDF in byte 0: bit 5 is 0, so its LED and the lamps of channel 3 are lit.
        m_app->page().setRowText(0, QStringLiteral("DF"));
        QApplication::processEvents();
        const QStringList leds = paintedNames(m_app->codeView());
        QCOMPARE(leds.size(), 128);
        QCOMPARE(leds[2], QString::fromUtf8("Светодиод бита 5 байта 0: горит"));
        QCOMPARE(leds[3], QString::fromUtf8("Светодиод бита 4 байта 0: не горит"));

        const QStringList lamps = paintedNames(m_app->simulator());
        QCOMPARE(lamps.size(), 256);
        QCOMPARE(lamps[2], QString::fromUtf8("Лампа 2, канал 3: горит"));
        QCOMPARE(lamps[9], QString::fromUtf8("Лампа 9, канал 2: не горит"));

        BoardView& board = m_app->boardWindow().view();
        board.lampItem(7)->setSelected(true);
        const QStringList onBoard = paintedNames(board);
        QCOMPARE(onBoard.size(), 256);
        QCOMPARE(onBoard[7], QString::fromUtf8("Лампа 7, канал 8, выделена"));
        // Each has its place on the screen.
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&board);
        QAccessibleInterface* seventh = view->child(view->childCount() - 256 + 7);
        QVERIFY(seventh->rect().intersects(QRect(board.mapToGlobal(QPoint(0, 0)), board.size())));
    }

    void everyCommandOfTheNewWindowsHasAMnemonic() {
        QStringList without;
        for (QMainWindow* window : {static_cast<QMainWindow*>(&m_app->stepEditor()),
                                    static_cast<QMainWindow*>(&m_app->boardWindow())}) {
            for (QAction* top : window->menuBar()->actions()) {
                QVERIFY2(top->text().contains(u'&'), qPrintable(top->text()));
                listWithoutMnemonic(*top->menu(), *window, without);
            }
        }
        QVERIFY2(without.isEmpty(), qPrintable(without.join(u'\n')));
    }

private:
    /// The window's own commands in `menu` and its submenus whose caption underlines no
    /// letter.
    static void listWithoutMnemonic(const QMenu& menu, const QObject& window,
                                    QStringList& without) {
        for (QAction* action : menu.actions()) {
            if (action->menu()) {
                listWithoutMnemonic(*action->menu(), window, without);
            }
            const bool own = action->parent() == &window || action->parent() == &menu;
            if (own && !action->isSeparator() && !action->text().contains(u'&')) {
                without << action->text();
            }
        }
    }

    /// The names of the painted things a window tells a screen reader of, in order.
    static QStringList paintedNames(QWidget& window) {
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&window);
        QStringList names;
        for (int i = 0; i < shown->childCount(); ++i) {
            QAccessibleInterface* child = shown->child(i);
            if (child && child->role() == QAccessible::Graphic) {
                names << child->text(QAccessible::Name);
            }
        }
        return names;
    }

    static void walk(QAccessibleInterface* node, const QString& path, QStringList& unnamed,
                     int& focusable) {
        if (!node || !node->isValid() || node->state().invisible) {
            return;
        }
        const QString here = path + u'/' +
                             (node->object() && !node->object()->objectName().isEmpty()
                                  ? node->object()->objectName()
                                  : QString::number(node->role(), 16));
        if (node->state().focusable) {
            ++focusable;
            if (node->text(QAccessible::Name).trimmed().isEmpty()) {
                unnamed << here;
            }
        }
        for (int i = 0; i < node->childCount(); ++i) {
            walk(node->child(i), here, unnamed, focusable);
        }
    }

    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<App> m_app;
    QList<QWidget*> m_windows;
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
