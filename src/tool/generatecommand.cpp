#include "core/formats/recordfile.h"
#include "core/patterns/pattern.h"
#include "tool/commands.h"
#include "tool/console.h"
#include "tool/output.h"
#include "tool/toolboard.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstring>

namespace chaserom::tool {

namespace {

constexpr char GenerateName[] = "generate";

/// The request the command line makes, or the exit status of a usage error.
std::optional<PatternRequest> readRequest(const Arguments& arguments,
                                          const std::optional<ToolBoard>& board, int& status) {
    status = ExitUsage;
    PatternRequest request;
    const auto pattern = patternNamed(arguments.positional().first());
    if (!pattern) {
        usageError(GenerateName, QCoreApplication::translate(
                                     "Tool", "эффект «%1» не известен; есть chase, chase-back, "
                                             "bounce, fill, empty, blink, counter, random")
                                     .arg(arguments.positional().first()));
        return std::nullopt;
    }
    request.pattern = *pattern;
    const auto count = chosenChannels(arguments, board, std::nullopt);
    if (!count) {
        usageError(GenerateName,
                   arguments.has("channels")
                       ? QCoreApplication::translate("Tool", "--channels: 8, 16, 24 или 32")
                       : QCoreApplication::translate("Tool",
                                                     "нужен --channels: 8, 16, 24 или 32 (или "
                                                     "файл платы с «channels»)"));
        return std::nullopt;
    }
    request.channels = *count;
    const qint64 stepLength = request.channels / 8;
    request.steps = patternLength(request.pattern, request.channels);
    if (const auto steps = arguments.value("steps")) {
        const auto parsed = parseNumber(*steps, 1, RecordImageLimit / stepLength);
        if (!parsed) {
            usageError(GenerateName,
                       QCoreApplication::translate("Tool", "--steps: от 1 до %1 шагов (16 МиБ)")
                           .arg(RecordImageLimit / stepLength));
            return std::nullopt;
        }
        request.steps = *parsed;
    }
    const bool random = request.pattern == Pattern::Random;
    if (!random && (arguments.has("lit") || arguments.has("seed"))) {
        usageError(GenerateName, QCoreApplication::translate(
                                     "Tool", "--lit и --seed бывают только у эффекта random"));
        return std::nullopt;
    }
    if (const auto lit = arguments.value("lit")) {
        const auto parsed = parseNumber(*lit, 0, request.channels);
        if (!parsed) {
            usageError(GenerateName,
                       QCoreApplication::translate("Tool", "--lit: от 0 до %1 каналов")
                           .arg(request.channels));
            return std::nullopt;
        }
        request.lit = static_cast<int>(*parsed);
    }
    if (const auto seed = arguments.value("seed")) {
        const auto parsed = parseUnsigned64(*seed);
        if (!parsed) {
            usageError(GenerateName,
                       QCoreApplication::translate("Tool", "--seed: целое число от 0 до 2^64 − 1"));
            return std::nullopt;
        }
        request.seed = *parsed;
    }
    status = ExitSuccess;
    return request;
}

} // namespace

int runGenerate(const Arguments& arguments) {
    if (arguments.positional().size() != 2) {
        return usageError(GenerateName,
                          QCoreApplication::translate("Tool", "нужны ЭФФЕКТ и ОБРАЗ"));
    }
    const QString path = arguments.positional()[1];
    if (path == QLatin1String("-")) {
        return usageError(GenerateName, QCoreApplication::translate(
                                            "Tool", "ОБРАЗ — файл, его нельзя заменить стандартным "
                                                    "выводом"));
    }
    const auto board = readToolBoard(arguments, path);
    if (!board) {
        printFailure(board.failure());
        return ExitFailure;
    }
    const auto program = readChosenProgram(arguments, *board);
    if (!program) {
        return usageError(GenerateName, program.failure());
    }
    if (*program && arguments.has("at")) {
        return usageError(
            GenerateName,
            QCoreApplication::translate("Tool", "--at и --program вместе не бывают: программа сама "
                                                "задаёт адрес"));
    }
    int status = ExitSuccess;
    auto request = readRequest(arguments, *board, status);
    if (!request) {
        return status;
    }
    // In a program the effect fills it, unless told how many steps.
    if (*program && !arguments.has("steps")) {
        request->steps = (*program)->stepsPerProgram;
    }
    const qint64 length = request->steps * (request->channels / 8);
    const QString at = *program ? QString::number((*program)->firstAddress(request->channels / 8))
                                : arguments.value("at").value_or(QStringLiteral("0"));
    if (!parseUnsigned64(at)) {
        return usageError(GenerateName, QCoreApplication::translate(
                                            "Tool", "--at: «%1» не адрес; адрес — целое число "
                                                    "от 0, десятичное или с 0x")
                                            .arg(at));
    }
    const auto address = parseNumber(at, 0, RecordImageLimit - length);
    if (!address) {
        return usageError(GenerateName, QCoreApplication::translate(
                                            "Tool", "--at: эффект из %1 байт должен кончиться в "
                                                    "пределах 16 МиБ")
                                            .arg(length));
    }

    QByteArray image;
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        auto read = readInput(path, FileAction::ReadImage);
        if (!read) {
            printFailure(read.failure());
            return ExitFailure;
        }
        image = std::move(*read);
    }
    if (image.size() < *address + length) {
        image.resize(*address + length, '\xFF'); // a gap before the effect stays dark
    }
    const QByteArray steps = generatePattern(*request);
    std::memcpy(image.data() + *address, steps.constData(), static_cast<size_t>(steps.size()));
    if (auto failure = writeOutput(path, FileAction::WriteImage, image)) {
        printFailure(*failure);
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace chaserom::tool
