#pragma once

#include "core/colours/bgr.h"
#include "core/files/fileerror.h"
#include "core/geometry/lampstartpositions.h"
#include "core/result.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

namespace chaserom {

/// The board file a folder of images may hold.
inline constexpr char BoardFileName[] = "chaserom-board.json";

/// Where a lamp the board file does not list stands: outside the simulator's visible area.
inline constexpr LampPosition HiddenLamp = {-2000, -2000};

/// A board as its file describes it; every part may be missing.
struct BoardDescription {
    std::optional<QString> chip;
    std::optional<int> channels;
    /// Steps per program; 0 for the whole image.
    std::optional<int> stepsPerProgram;
    std::optional<int> intervalMs;
    /// The picture's path as written, relative to the board file's folder.
    std::optional<QString> picture;
    /// Lamps 0, 1, … in twips (Left, Top); lamps past the list are hidden.
    std::optional<std::vector<LampPosition>> lamps;
    /// Channels 1, 2, …; channels past the list keep their colours.
    std::vector<Bgr> colours;
    /// Every field as read, so that those this program does not know are written back.
    QJsonObject fields;
};

/// A board file's text read; a fault says what is wrong with it, in Russian.
[[nodiscard]] Result<BoardDescription> readBoardText(QByteArrayView text);

/// The text of a board file: the fields read from it, with those described here replaced.
[[nodiscard]] QByteArray boardText(const BoardDescription& board);

/// The lamp layout a board's lamps make: those listed where they stand, the rest hidden.
[[nodiscard]] LampLayout boardLampLayout(const std::vector<LampPosition>& lamps);

/// Reads a board file (a regular file of at most 1 MiB).
[[nodiscard]] FileResult<BoardDescription> loadBoardFile(const QString& path);

/// Writes a board file atomically.
[[nodiscard]] FileFailure saveBoardFile(const QString& path, const BoardDescription& board);

} // namespace chaserom
