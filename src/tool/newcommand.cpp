#include "core/image/imagelimits.h"
#include "core/image/romchips.h"
#include "tool/commands.h"
#include "tool/console.h"
#include "tool/output.h"

#include <QCoreApplication>

namespace chaserom::tool {

namespace {

constexpr char NewName[] = "new";

/// The size the command line asks for, or the exit status of a usage error.
std::optional<qint64> readSize(const Arguments& arguments) {
    const auto chip = arguments.value("chip");
    const auto size = arguments.value("size");
    if (chip.has_value() == size.has_value()) {
        usageError(NewName,
                   QCoreApplication::translate("Tool", "нужен ровно один из --chip и --size"));
        return std::nullopt;
    }
    if (chip) {
        const auto named = chipNamed(*chip);
        if (!named) {
            usageError(NewName, QCoreApplication::translate(
                                    "Tool", "микросхема «%1» не известна; есть 2716, 2732, "
                                            "2764, 27128, 27C256, 27C512, 27C010, 27C020, "
                                            "27C040, 27C080")
                                    .arg(*chip));
            return std::nullopt;
        }
        return named->size;
    }
    const auto bytes = parseNumber(*size, 1, LargestWholeImage);
    if (!bytes) {
        usageError(NewName, QCoreApplication::translate(
                                "Tool", "--size: от 1 до %1 байт, десятичное или с 0x")
                                .arg(LargestWholeImage));
    }
    return bytes;
}

} // namespace

int runNew(const Arguments& arguments) {
    if (arguments.positional().size() != 1) {
        return usageError(NewName, QCoreApplication::translate("Tool", "нужен ровно один ОБРАЗ"));
    }
    const auto size = readSize(arguments);
    if (!size) {
        return ExitUsage;
    }
    char fill = '\xFF';
    if (const auto text = arguments.value("fill")) {
        const auto byte = parseFillByte(*text);
        if (!byte) {
            return usageError(NewName, QCoreApplication::translate(
                                           "Tool", "--fill: байт из двух шестнадцатеричных "
                                                   "цифр, например FF или 00"));
        }
        fill = *byte;
    }
    const QString image = arguments.positional().first();
    if (auto failure = writeOutput(image, FileAction::WriteImage, QByteArray(*size, fill))) {
        printFailure(*failure);
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace chaserom::tool
