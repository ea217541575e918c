#include "tool/toolboard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace chaserom::tool {

FileResult<std::optional<ToolBoard>> readToolBoard(const Arguments& arguments,
                                                   const QString& imagePath) {
    if (arguments.has("no-board")) {
        return std::optional<ToolBoard>();
    }
    QString path;
    if (const auto named = arguments.value("board")) {
        path = *named;
    } else {
        path = QFileInfo(imagePath).dir().filePath(QString::fromLatin1(BoardFileName));
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) {
            return std::optional<ToolBoard>();
        }
    }
    auto board = loadBoardFile(path);
    if (!board) {
        return Failed(board.failure());
    }
    return std::optional<ToolBoard>(
        ToolBoard{std::move(*board), path, QFileInfo(path).absolutePath()});
}

Result<std::optional<ChosenProgram>> readChosenProgram(const Arguments& arguments,
                                                       const std::optional<ToolBoard>& board) {
    const auto programText = arguments.value("program");
    const auto stepsText = arguments.value("steps-per-program");
    if (!programText) {
        if (stepsText) {
            return Failed(QCoreApplication::translate(
                "Tool", "--steps-per-program без --program: укажите программу"));
        }
        return std::optional<ChosenProgram>();
    }
    ChosenProgram chosen;
    if (stepsText) {
        const auto steps = parseNumber(*stepsText, 2, qint64{1} << 24);
        if (!steps || (*steps & (*steps - 1)) != 0) {
            return Failed(
                QCoreApplication::translate("Tool", "--steps-per-program: степень двойки от 2"));
        }
        chosen.stepsPerProgram = static_cast<int>(*steps);
    } else if (board && board->description.stepsPerProgram.value_or(0) > 0) {
        chosen.stepsPerProgram = *board->description.stepsPerProgram;
    } else {
        return Failed(QCoreApplication::translate(
            "Tool", "--program: нужен --steps-per-program N (или файл платы "
                    "с «stepsPerProgram»)"));
    }
    const auto program = parseNumber(*programText, 1, qint64{1} << 24);
    if (!program) {
        return Failed(QCoreApplication::translate("Tool", "--program: номер программы от 1"));
    }
    chosen.program = static_cast<int>(*program);
    return std::optional<ChosenProgram>(chosen);
}

std::optional<int> chosenChannels(const Arguments& arguments, const std::optional<ToolBoard>& board,
                                  std::optional<int> fallback) {
    if (const auto channels = arguments.value("channels")) {
        const auto count = parseNumber(*channels, 8, 32);
        if (!count || *count % 8 != 0) {
            return std::nullopt;
        }
        return static_cast<int>(*count);
    }
    if (board && board->description.channels) {
        return *board->description.channels;
    }
    return fallback;
}

} // namespace chaserom::tool
