#include "tool/console.h"

#include "core/files/regularfile.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace chaserom::tool {

namespace {

/// The error of the first write to standard output that failed, 0 while none has: errno
/// is long changed by the time the program ends and reports it.
int standardOutputError = 0;

void noteStandardOutputFailure() {
    if (standardOutputError == 0) {
        standardOutputError = errno != 0 ? errno : EIO;
    }
}

void flushStandardOutput() {
    errno = 0;
    if (std::fflush(stdout) != 0) {
        noteStandardOutputFailure();
    }
}

void printTo(std::FILE* stream, const QString& text) {
    errno = 0;
    if (std::fputs(text.toLocal8Bit().constData(), stream) == EOF && stream == stdout) {
        noteStandardOutputFailure();
    }
}

void printReport(const QString& message) {
    printTo(stderr, QStringLiteral("chaserom-tool: %1\n").arg(message));
}

} // namespace

void printLine(const QString& line) {
    printTo(stdout, line + u'\n');
}

void printText(const QString& text) {
    printTo(stdout, text);
}

bool finishStandardOutput() {
    flushStandardOutput();
    if (standardOutputError == 0 && std::ferror(stdout) != 0) {
        standardOutputError = EIO;
    }
    if (standardOutputError == 0) {
        return true;
    }
    printReport(QCoreApplication::translate("Tool", "Не удалось записать в стандартный вывод: %1.")
                    .arg(systemErrorReason(standardOutputError)));
    return false;
}

void printError(const QString& message) {
    // What was printed before the report comes before it.
    flushStandardOutput();
    printReport(message);
}

void printFailure(const FileError& error) {
    printError(failureText(error));
}

void printWarning(const QString& path, int line, const QString& text) {
    printWarning(
        QCoreApplication::translate("Tool", "«%1», строка %2: %3").arg(path).arg(line).arg(text));
}

void printWarning(const QString& text) {
    printError(QCoreApplication::translate("Tool", "предупреждение: %1").arg(text));
}

int usageError(const char* command, const QString& message) {
    printError(message);
    const QString help =
        *command == '\0' ? QStringLiteral("chaserom-tool --help")
                         : QStringLiteral("chaserom-tool %1 --help").arg(QLatin1String(command));
    printTo(stderr, QCoreApplication::translate("Tool", "Справка: %1\n").arg(help));
    return ExitUsage;
}

FileResult<QByteArray> readInput(const QString& path, FileAction action) {
    return readRegularFile(path, InputLimit, action);
}

QString standardInputName() {
    return QCoreApplication::translate("Tool", "стандартный ввод");
}

FileResult<QByteArray> readStandardInput(FileAction action) {
    // A pipe tells no length in advance: the input is read in pieces until it ends.
    constexpr qsizetype Piece = qsizetype{1} << 16;
    QByteArray bytes;
    for (;;) {
        const qsizetype start = bytes.size();
        bytes.resize(start + Piece);
        errno = 0;
        const ssize_t count = ::read(STDIN_FILENO, bytes.data() + start, Piece);
        if (count < 0 && errno == EINTR) {
            bytes.resize(start);
            continue;
        }
        if (count < 0) {
            return Failed(lastSystemError(action, standardInputName()));
        }
        bytes.resize(start + count);
        if (count == 0) {
            break;
        }
        if (bytes.size() > InputLimit) {
            return Failed(FileError{
                action, standardInputName(),
                QCoreApplication::translate("Tool", "ввод длиннее %1 байт").arg(InputLimit)});
        }
    }
    return bytes;
}

} // namespace chaserom::tool
