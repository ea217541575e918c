// The step editor's first opening on a screen of 1600 × 1000 (at scales 1 and 1.5, in Russian
// and in English, as the runs of this test have it): every tool bar whole, with no overflow menu,
// every status field showing its whole text, 32 channels without scrolling sideways, and the window
// inside the screen.
#include "app/app.h"
#include "core/language.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/steps/stepeditorwindow.h"
#include "windows/steps/stepgridview.h"
#include "windowtesting.h"

#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace chaserom;
using namespace testing_support;

class StepEditorFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (qEnvironmentVariable("CHASEROM_TEST_LANGUAGE") == QLatin1String("en")) {
            installLanguage(Language::English);
        }
    }

    void init() {
        m_folder = std::make_unique<WorkFolder>();
        // A first opening: nothing remembered of an earlier one.
        QCoreApplication::setOrganizationName(QStringLiteral("chaserom"));
        QCoreApplication::setApplicationName(QStringLiteral("chaserom"));
        QSettings().remove(QStringLiteral("steps/geometry"));
        m_app = startApp(m_folder->write(QStringLiteral("chip.bin"), randomBytes(32768, 3)));
        m_app->showStepEditor();
        QVERIFY(QTest::qWaitForWindowExposed(&m_app->stepEditor()));
    }

    void cleanup() {
        m_app.reset();
        m_folder.reset();
    }

    void everyToolAndStatusFieldShowsWholeOnScreen() {
        StepEditorWindow& editor = m_app->stepEditor();
        QApplication::processEvents();
        for (const QToolBar* tools : editor.findChildren<QToolBar*>()) {
            // Qt's extension button shows only when a tool bar folds some of its tools away.
            const auto* extension =
                tools->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
            QVERIFY2(!extension || !extension->isVisible(), qPrintable(tools->objectName()));
        }
        for (const char* name : {"StatusLength", "StatusSelection", "StatusChecksums"}) {
            const auto* field = control<QLabel>(&editor, QLatin1String(name));
            QVERIFY2(field->isVisible(), name);
            QVERIFY2(field->width() >= field->sizeHint().width(), name);
        }
        // A passing message keeps to the left of the fields.
        editor.statusBar()->showMessage(QString::fromUtf8("Записано: шаги 0–99"));
        QApplication::processEvents();
        QVERIFY(control<QLabel>(&editor, QStringLiteral("StatusLength"))->isVisible());
        const QRect available = editor.screen()->availableGeometry();
        QVERIFY2(available.contains(editor.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6")
                                .arg(editor.frameGeometry().x())
                                .arg(editor.frameGeometry().y())
                                .arg(editor.frameGeometry().width())
                                .arg(editor.frameGeometry().height())
                                .arg(available.width())
                                .arg(available.height())));

        m_app->codeView().chooseChannelOption(3);
        QApplication::processEvents();
        QCOMPARE(editor.grid().horizontalScrollBar()->maximum(), 0);
    }

private:
    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<App> m_app;
};

QTEST_MAIN(StepEditorFitTest)
#include "stepeditorfit_test.moc"
