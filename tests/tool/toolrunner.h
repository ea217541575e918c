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

/// Runs a program to its end in `folder` with no display: DISPLAY, WAYLAND_DISPLAY and
/// QT_QPA_PLATFORM are taken from its environment, so that a program that needs a window
/// system fails.
Finished runProgram(const QString& program, const QStringList& arguments, const QString& folder,
                    const QByteArray& input = {});

/// Runs the chaserom-tool this build made.
Finished runTool(const QStringList& arguments, const QString& folder);

} // namespace testing_support
