#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace testing_support {

/// What a finished program printed and returned.
struct Finished {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

/// How a program is started: what it gets on standard input, where its standard output goes
/// (a file such as /dev/full instead of the pipe the test reads) and the largest file it may
/// write (0: no limit), to make a full disk where none is.
struct ChildSetup {
    QByteArray input;
    QString outputFile;
    qint64 fileSizeLimit = 0;
};

/// Runs a program to its end in `folder` with no display: DISPLAY, WAYLAND_DISPLAY and
/// QT_QPA_PLATFORM are taken from its environment, so that a program that needs a window
/// system fails.
Finished runProgram(const QString& program, const QStringList& arguments, const QString& folder,
                    const ChildSetup& setup = {});

/// Runs the chaserom-tool this build made.
Finished runTool(const QStringList& arguments, const QString& folder, const ChildSetup& setup = {});

} // namespace testing_support
