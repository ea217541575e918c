#pragma once

#include "core/files/fileerror.h"

#include <QByteArray>
#include <QString>

namespace chaserom::tool {

/// Exit statuses: success, a failure (a file, a refused input), a wrong command line.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;
/// compare answers as cmp does: 1 when the images differ, 2 on any trouble.
inline constexpr int ExitDifferent = 1;
inline constexpr int ExitTrouble = 2;

/// The largest input the tool reads: ROM images and their texts are far smaller.
inline constexpr qint64 InputLimit = qint64{1} << 30;

/// Writes a line to standard output.
void printLine(const QString& line);
/// Writes text to standard output as it is.
void printText(const QString& text);
/// Flushes standard output and reports on standard error any write to it that failed since
/// the program started; returns whether all of it was written.
[[nodiscard]] bool finishStandardOutput();
/// Reports a failure on standard error, after the program's name.
void printError(const QString& message);
void printFailure(const FileError& error);
/// Reports a warning about a line of an input file.
void printWarning(const QString& path, int line, const QString& text);
void printWarning(const QString& text);
/// Reports a wrong command line with a pointer to the command's help (the program's for an
/// empty command); returns ExitUsage.
int usageError(const char* command, const QString& message);

/// Reads a whole input file; only a regular file is read.
[[nodiscard]] FileResult<QByteArray> readInput(const QString& path, FileAction action);
/// Reads standard input to its end, at most InputLimit bytes; a pipe or a terminal is fine.
[[nodiscard]] FileResult<QByteArray> readStandardInput(FileAction action);
/// The name reports give standard input.
[[nodiscard]] QString standardInputName();

} // namespace chaserom::tool
