#include "toolrunner.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace testing_support {

Finished runProgram(const QString& program, const QStringList& arguments, const QString& folder,
                    const QByteArray& input) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QLatin1String(name));
    }
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        qFatal("cannot start %s", qPrintable(program));
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        qFatal("%s did not finish", qPrintable(program));
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

Finished runTool(const QStringList& arguments, const QString& folder) {
    return runProgram(QStringLiteral(CHASEROM_TOOL), arguments, folder);
}

} // namespace testing_support
