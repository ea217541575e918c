#include "tool/tool.h"

#include "tool/commands.h"
#include "tool/console.h"
#include "tool/help.h"

#include <cstdio>

namespace chaserom::tool {

namespace {

constexpr OptionSpec ExportOptions[] = {{"format"}, {"record-size"}, {"output", 'o'}};
constexpr OptionSpec ImportOptions[] = {{"fill"}, {"size"}, {"output", 'o'}};
constexpr OptionSpec GenerateOptions[] = {{"channels"}, {"steps"}, {"at"}, {"lit"}, {"seed"}};
constexpr OptionSpec GifOptions[] = {{"channels"}, {"layout"}, {"background"}, {"colours"},
                                     {"at"},       {"steps"},  {"interval"},   {"output", 'o'}};

void print(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

} // namespace

const std::array<Command, 6> Commands = {{
    {"export", ExportOptions, &runExport},
    {"import", ImportOptions, &runImport},
    {"checksum", {}, &runChecksum},
    {"compare", {}, &runCompare},
    {"generate", GenerateOptions, &runGenerate},
    {"gif", GifOptions, &runGif},
}};

int runTool(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        return usageError("", QStringLiteral("не указана команда"));
    }
    const QString& first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        print(toolHelp());
        return ExitSuccess;
    }
    if (first == QLatin1String("--version")) {
        print(toolVersion());
        return ExitSuccess;
    }
    for (const Command& command : Commands) {
        if (first != QLatin1String(command.name)) {
            continue;
        }
        Arguments parsed;
        if (auto fault = Arguments::parse(arguments.mid(1), command.options, parsed)) {
            return usageError(command.name, *fault);
        }
        if (parsed.has("help")) {
            print(commandHelp(command.name));
            return ExitSuccess;
        }
        return command.run(parsed);
    }
    return usageError("", first.startsWith(u'-')
                              ? QStringLiteral("неизвестный параметр %1").arg(first)
                              : QStringLiteral("неизвестная команда «%1»").arg(first));
}

} // namespace chaserom::tool
