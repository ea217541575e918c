// The program as `main` starts it, on the image named first, with «Сохранять» ticked and
// row 0 edited; prints "ready" and waits for the event loop to end. The termination test
// sends it signals.
#include "app/app.h"
#include "app/terminationsignals.h"
#include "windows/codeview/codeviewwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <cstdio>

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
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}
