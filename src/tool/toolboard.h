#pragma once

#include "core/board/boardfile.h"
#include "core/result.h"
#include "tool/arguments.h"

#include <QString>
#include <optional>

namespace chaserom::tool {

/// The board a command takes its defaults from: the file named by --board, else the board
/// file beside the image, unless --no-board is given.
struct ToolBoard {
    BoardDescription description;
    /// The board file, and its folder, which the picture's path is relative to.
    QString path;
    QString folder;
};

/// The board for an image; none when there is none or --no-board; a failure when the file
/// named, or the one beside the image, cannot be read.
[[nodiscard]] FileResult<std::optional<ToolBoard>> readToolBoard(const Arguments& arguments,
                                                                 const QString& imagePath);

/// A program as --steps-per-program N --program K choose it.
struct ChosenProgram {
    int stepsPerProgram = 0;
    int program = 1;
    /// The address of the program's first step, for steps of `stepLength` bytes.
    [[nodiscard]] qint64 firstAddress(int stepLength) const {
        return qint64{program - 1} * stepsPerProgram * stepLength;
    }
};

/// The program the command line chooses: --program K, with --steps-per-program N or the
/// board's steps per program; none without --program. Fails with what is wrong.
[[nodiscard]] Result<std::optional<ChosenProgram>>
readChosenProgram(const Arguments& arguments, const std::optional<ToolBoard>& board);

/// The channel count of the command line, else the board's, else `fallback`; none when the
/// command line's is no channel count.
[[nodiscard]] std::optional<int> chosenChannels(const Arguments& arguments,
                                                const std::optional<ToolBoard>& board,
                                                std::optional<int> fallback);

} // namespace chaserom::tool
