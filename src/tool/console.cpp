#include "tool/console.h"

#include "core/files/regularfile.h"

#include <cstdio>

namespace chaserom::tool {

namespace {

void printTo(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

void printLine(const QString& line) {
    printTo(stdout, line + u'\n');
}

void printError(const QString& message) {
    std::fflush(stdout);
    printTo(stderr, QStringLiteral("chaserom-tool: %1\n").arg(message));
}

void printFailure(const FileError& error) {
    printError(failureText(error));
}

void printWarning(const QString& path, int line, const QString& text) {
    printWarning(QStringLiteral("«%1», строка %2: %3").arg(path).arg(line).arg(text));
}

void printWarning(const QString& text) {
    printError(QStringLiteral("предупреждение: %1").arg(text));
}

int usageError(const char* command, const QString& message) {
    printError(message);
    const QString help =
        *command == '\0' ? QStringLiteral("chaserom-tool --help")
                         : QStringLiteral("chaserom-tool %1 --help").arg(QLatin1String(command));
    printTo(stderr, QStringLiteral("Справка: %1\n").arg(help));
    return ExitUsage;
}

FileFailure readInput(const QString& path, FileAction action, QByteArray& content) {
    return readRegularFile(path, InputLimit, action, content);
}

FileError lineFailure(FileAction action, const QString& path, int line, const QString& text) {
    return {action, path, QStringLiteral("строка %1: %2").arg(line).arg(text)};
}

} // namespace chaserom::tool
