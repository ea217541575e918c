#include "toolrunner.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <csignal>
#include <sys/resource.h>

namespace testing_support {

Finished runProgram(const QString& program, const QStringList& arguments, const QString& folder,
                    const ChildSetup& setup) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QLatin1String(name));
    }
    // The tool speaks Russian, the language the tests read, whatever the desktop's language
    // or the editor's stored choice.
    for (const char* name : {"LANGUAGE", "LANG", "LC_MESSAGES"}) {
        environment.remove(QLatin1String(name));
    }
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/.config"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    if (!setup.outputFile.isEmpty()) {
        process.setStandardOutputFile(setup.outputFile);
    }
    if (setup.fileSizeLimit > 0) {
        const auto limit = static_cast<rlim_t>(setup.fileSizeLimit);
        process.setChildProcessModifier([limit] {
            // A write past the limit then fails with EFBIG instead of ending the program.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit size = {limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &size);
        });
    }
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        qFatal("cannot start %s", qPrintable(program));
    }
    process.write(setup.input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        qFatal("%s did not finish", qPrintable(program));
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

Finished runTool(const QStringList& arguments, const QString& folder, const ChildSetup& setup) {
    return runProgram(QStringLiteral(CHASEROM_TOOL), arguments, folder, setup);
}

} // namespace testing_support
