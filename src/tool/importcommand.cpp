#include "core/formats/recordfile.h"
#include "tool/commands.h"
#include "tool/console.h"
#include "tool/output.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace chaserom::tool {

namespace {

/// The input's path with its extension replaced by .bin; standard output for standard
/// input, as a filter in a pipe writes.
QString defaultOutput(const QString& input) {
    if (input == QLatin1String("-")) {
        return input;
    }
    const qsizetype folderEnd = input.lastIndexOf(u'/') + 1;
    return input.left(folderEnd) + QFileInfo(input).completeBaseName() + QStringLiteral(".bin");
}

/// START-END, both numbers decimal or after 0x, START not past END.
std::optional<AddressWindow> parseWindow(const QString& text) {
    const qsizetype dash = text.indexOf(u'-');
    if (dash < 0) {
        return std::nullopt;
    }
    const auto first = parseNumber(text.left(dash), 0, HighestRecordAddress);
    const auto last = parseNumber(text.mid(dash + 1), 0, HighestRecordAddress);
    if (!first || !last || *first > *last) {
        return std::nullopt;
    }
    return AddressWindow{*first, *last};
}

} // namespace

int runImport(const Arguments& arguments) {
    const char* command = "import";
    if (arguments.positional().size() != 1) {
        return usageError(command, QCoreApplication::translate("Tool", "нужен ровно один ВХОД"));
    }
    const QString input = arguments.positional().first();
    RecordReadOptions options;
    if (const auto fill = arguments.value("fill")) {
        const auto byte = parseFillByte(*fill);
        if (!byte) {
            return usageError(command, QCoreApplication::translate(
                                           "Tool", "--fill: байт из двух шестнадцатеричных цифр, "
                                                   "например FF или 00"));
        }
        options.fill = *byte;
    }
    if (const auto size = arguments.value("size")) {
        options.size = parseNumber(*size, 0, RecordImageLimit);
        if (!options.size) {
            return usageError(command,
                              QCoreApplication::translate("Tool", "--size: от 0 до %1 байт")
                                  .arg(RecordImageLimit));
        }
    }
    if (const auto base = arguments.value("base")) {
        options.base = parseNumber(*base, 0, HighestRecordAddress);
        if (!options.base) {
            return usageError(
                command, QCoreApplication::translate("Tool", "--base: адрес от 0 до 0xFFFFFFFF, "
                                                             "десятичный или с 0x"));
        }
    }
    if (const auto window = arguments.value("window")) {
        options.window = parseWindow(*window);
        if (!options.window) {
            return usageError(command,
                              QCoreApplication::translate(
                                  "Tool", "--window: НАЧАЛО-КОНЕЦ, например 0xE000-0xFFFF"));
        }
    }
    const QString outputPath = arguments.value("output").value_or(defaultOutput(input));
    const bool piped = input == QLatin1String("-");
    if (const auto fault =
            overwrittenInput(outputPath, piped ? QStringList() : QStringList{input})) {
        return usageError(command, *fault);
    }

    const QString inputName = piped ? standardInputName() : input;
    RecordReadResult result;
    if (piped) {
        const auto text = readStandardInput(FileAction::ReadRecords);
        if (!text) {
            printFailure(text.failure());
            return ExitFailure;
        }
        result = readRecordFile(*text, options);
    } else if (auto failure = importRecordFile(input, options, result)) {
        printFailure(*failure);
        return ExitFailure;
    }
    if (result.fault) {
        printFailure(recordLineFailure(inputName, *result.fault));
        return ExitFailure;
    }
    for (const LineNote& warning : result.warnings) {
        printWarning(inputName, warning.line, warning.text);
    }
    if (auto failure = writeOutput(outputPath, FileAction::WriteImage, result.image)) {
        printFailure(*failure);
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace chaserom::tool
