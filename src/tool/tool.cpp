#include "tool/tool.h"

#include "tool/commands.h"
#include "tool/console.h"
#include "tool/help.h"

#include <QCoreApplication>

namespace chaserom::tool {

namespace {

constexpr OptionSpec ExportOptions[] = {{"format"}, {"record-size"}, {"base"}, {"output", 'o'}};
constexpr OptionSpec ImportOptions[] = {{"fill"}, {"size"}, {"base"}, {"window"}, {"output", 'o'}};
constexpr OptionSpec NewOptions[] = {{"chip"}, {"size"}, {"fill"}};
constexpr OptionSpec GenerateOptions[] = {
    {"channels"},
    {"steps"},
    {"at"},
    {"lit"},
    {"seed"},
    {"program"},
    {"board"},
    {"no-board", '\0', false},
    {"steps-per-program"},
};
constexpr OptionSpec GifOptions[] = {
    {"channels"},
    {"layout"},
    {"background"},
    {"colours"},
    {"at"},
    {"steps"},
    {"interval"},
    {"output", 'o'},
    {"program"},
    {"board"},
    {"no-board", '\0', false},
    {"steps-per-program"},
    {"scale"},
    {"crop-to-lamps", '\0', false},
};

/// Runs a command line; `troubleStatus` becomes the status of the command that ran for an
/// output it could not write.
int runCommandLine(const QStringList& arguments, int& troubleStatus) {
    if (arguments.isEmpty()) {
        return usageError("", QCoreApplication::translate("Tool", "не указана команда"));
    }
    const QString& first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printText(toolHelp());
        return ExitSuccess;
    }
    if (first == QLatin1String("--version")) {
        printText(toolVersion());
        return ExitSuccess;
    }
    for (const Command& command : Commands) {
        if (first != QLatin1String(command.name)) {
            continue;
        }
        troubleStatus = command.troubleStatus;
        const auto parsed = Arguments::parse(arguments.mid(1), command.options);
        if (!parsed) {
            return usageError(command.name, parsed.failure());
        }
        if (parsed->has("help")) {
            printText(commandHelp(command.name));
            return ExitSuccess;
        }
        return command.run(*parsed);
    }
    return usageError(
        "", first.startsWith(u'-')
                ? QCoreApplication::translate("Tool", "неизвестный параметр %1").arg(first)
                : QCoreApplication::translate("Tool", "неизвестная команда «%1»").arg(first));
}

} // namespace

const std::array<Command, 7> Commands = {{
    {"export", ExportOptions, &runExport},
    {"import", ImportOptions, &runImport},
    {"checksum", {}, &runChecksum},
    {"compare", {}, &runCompare, ExitTrouble},
    {"generate", GenerateOptions, &runGenerate},
    {"gif", GifOptions, &runGif},
    {"new", NewOptions, &runNew},
}};

int runTool(const QStringList& arguments) {
    int troubleStatus = ExitFailure;
    const int status = runCommandLine(arguments, troubleStatus);
    // Printed lines wait in a buffer: a full disk or a closed descriptor behind standard
    // output shows only when it is flushed, and must not pass for success.
    if (!finishStandardOutput()) {
        return troubleStatus;
    }
    return status;
}

} // namespace chaserom::tool
