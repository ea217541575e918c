#include "app/app.h"
#include "app/terminationsignals.h"
#include "core/commandline.h"
#include "core/language.h"

#include <QApplication>
#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

/// Names the program, so that what it remembers is kept in ~/.config/chaserom/chaserom.conf.
void nameProgram() {
    QCoreApplication::setOrganizationName(QStringLiteral("chaserom"));
    QCoreApplication::setApplicationName(QStringLiteral("chaserom"));
}

/// Prints the help, the version or what is wrong with the command line, in the program's
/// language; returns the exit status.
int answerWithoutWindows(int argc, char** argv, const QStringList& arguments) {
    const QCoreApplication application(argc, argv);
    nameProgram();
    using chaserom::CommandLine;
    if (!chaserom::installChosenLanguage(arguments)) {
        std::fprintf(stderr, "chaserom: %s\n%s",
                     QCoreApplication::translate("CommandLine", "--language: ru или en")
                         .toLocal8Bit()
                         .constData(),
                     chaserom::helpText().toLocal8Bit().constData());
        return 2;
    }
    const CommandLine commandLine =
        chaserom::parseCommandLine(chaserom::withoutLanguageArgument(arguments));
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        std::fputs(chaserom::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::fputs(chaserom::versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Error:
    case CommandLine::Action::Run:
        break;
    }
    std::fprintf(stderr, "chaserom: %s\n%s", commandLine.error.toLocal8Bit().constData(),
                 chaserom::helpText().toLocal8Bit().constData());
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    using chaserom::CommandLine;
    const QStringList arguments = argumentsOf(argc, argv);
    const auto language = chaserom::languageArgument(arguments);
    const CommandLine commandLine =
        chaserom::parseCommandLine(chaserom::withoutLanguageArgument(arguments));
    if (commandLine.action != CommandLine::Action::Run ||
        (language && !chaserom::languageNamed(*language))) {
        return answerWithoutWindows(argc, argv, arguments);
    }

    QApplication application(argc, argv);
    nameProgram();
    QApplication::setQuitOnLastWindowClosed(false);
    // The texts and Qt's own dialogs speak the chosen language.
    chaserom::installChosenLanguage(arguments);

    chaserom::App app;
    QObject::connect(&app, &chaserom::App::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    chaserom::TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &chaserom::TerminationSignals::received, &app,
                     &chaserom::App::shutDownForSignal);
    app.start(commandLine.image, commandLine.steps);
    return app.exec();
}
