// The program as `main` starts it, on the image named first, with «Сохранять» ticked and
// row 0 edited. The second argument names what it then opens, as a user would: a dialog,
// a message box, a menu or the GIF export's progress ("page" opens nothing). It prints
// "ready" once that is showing and waits for the event loop to end; the termination test
// sends it signals. "close-during-gif" closes the code view itself while the GIF is made.
#include "app/app.h"
#include "app/terminationsignals.h"
#include "windows/codeview/codeviewwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <map>

namespace {

void sayReady() {
    std::puts("ready");
    std::fflush(stdout);
}

QProgressDialog* visibleProgress() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* progress = qobject_cast<QProgressDialog*>(window);
            progress && progress->isVisible()) {
            return progress;
        }
    }
    return nullptr;
}

/// Answers the export's questions, its file dialog and whether to replace the file, until
/// the progress shows; then `whenShowing` runs.
void answerUntilProgress(const std::function<void()>& whenShowing) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, whenShowing] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialog->selectFile(QDir::current().absoluteFilePath(QStringLiteral("effect.gif")));
            // Accepting asks whether to replace the file, in a loop of its own: this timer
            // must be free to answer that.
            QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(QMessageBox::Yes)->click();
        } else if (modal && modal->inherits("chaserom::GifExportDialog")) {
            // What to show: as offered.
            QTimer::singleShot(0, modal, [modal] { static_cast<QDialog*>(modal)->accept(); });
        } else if (visibleProgress()) {
            timer->stop();
            whenShowing();
        }
    });
    timer->start();
}

/// Says "ready" once a modal widget (or a menu) shows.
void readyWhenShown() {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
            timer->stop();
            sayReady();
        }
    });
    timer->start();
}

void trigger(QWidget& window, const char* actionName) {
    auto* action = window.findChild<QAction*>(QString::fromLatin1(actionName));
    if (!action) {
        std::fprintf(stderr, "no action %s\n", actionName);
        std::exit(3);
    }
    action->trigger();
}

void open(chaserom::App& app, const QString& what) {
    static const std::map<QString, const char*> stepEditorActions = {
        {QStringLiteral("find"), "ActionFind"},
        {QStringLiteral("goto"), "ActionGoTo"},
        {QStringLiteral("pattern"), "ActionGenerate"},
        {QStringLiteral("fill"), "ActionFill"},
        {QStringLiteral("export"), "ActionExportIntelHex"},
        {QStringLiteral("gif"), "ActionExportGif"},
        {QStringLiteral("close-during-gif"), "ActionExportGif"},
    };
    if (const auto found = stepEditorActions.find(what); found != stepEditorActions.end()) {
        app.showStepEditor();
        if (what == QStringLiteral("gif")) {
            answerUntilProgress(sayReady);
        } else if (what == QStringLiteral("close-during-gif")) {
            answerUntilProgress([&app] { app.codeView().close(); });
        } else {
            readyWhenShown();
        }
        trigger(app.stepEditor(), found->second);
        return;
    }
    readyWhenShown();
    if (what == QStringLiteral("layout")) {
        app.simulator().saveLayout();
    } else if (what == QStringLiteral("colour")) {
        app.colourPanel().formDoubleClick();
    } else if (what == QStringLiteral("error")) {
        app.reports().reportNow(&app.codeView(), QStringLiteral("проба"));
    } else if (what == QStringLiteral("menu")) {
        QMenu menu(&app.codeView());
        menu.addAction(QStringLiteral("проба"));
        menu.exec(app.codeView().mapToGlobal(QPoint(10, 10)));
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    chaserom::App app;
    QObject::connect(&app, &chaserom::App::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    chaserom::TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &chaserom::TerminationSignals::received, &app,
                     &chaserom::App::shutDownForSignal);
    app.start(QString::fromLocal8Bit(argv[1]));
    QWidget& view = app.codeView();
    view.findChild<QCheckBox*>(QStringLiteral("CheckSave"))->setChecked(true);
    view.findChild<QLineEdit*>(QStringLiteral("Text1_0"))->setText(QStringLiteral("EE"));
    const QString what = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("page");
    if (what == QStringLiteral("page")) {
        sayReady();
    } else {
        QTimer::singleShot(0, &app, [&app, what] { open(app, what); });
    }
    return app.exec();
}
