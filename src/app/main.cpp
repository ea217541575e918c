#include "app/app.h"
#include "app/terminationsignals.h"
#include "core/commandline.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

namespace {

/// The standard dialogs and message boxes speak the program's language.
void loadQtTranslations(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    using chaserom::CommandLine;
    const CommandLine commandLine = chaserom::parseCommandLine(argumentsOf(argc, argv));
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        std::fputs(chaserom::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::fputs(chaserom::versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Error:
        std::fprintf(stderr, "chaserom: %s\n%s", commandLine.error.toLocal8Bit().constData(),
                     chaserom::helpText().toLocal8Bit().constData());
        return 2;
    case CommandLine::Action::Run:
        break;
    }

    QApplication application(argc, argv);
    // Where QSettings keeps what the program remembers: ~/.config/chaserom/chaserom.conf.
    QApplication::setOrganizationName(QStringLiteral("chaserom"));
    QApplication::setApplicationName(QStringLiteral("chaserom"));
    QApplication::setQuitOnLastWindowClosed(false);
    loadQtTranslations(application);

    chaserom::App app;
    QObject::connect(&app, &chaserom::App::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    chaserom::TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &chaserom::TerminationSignals::received, &app,
                     &chaserom::App::shutDownForSignal);
    app.start(commandLine.image, commandLine.steps);
    return app.exec();
}
