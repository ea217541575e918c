#pragma once

#include "core/colours/bgr.h"
#include "core/files/fileerror.h"
#include "core/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace chaserom {

/// The name of the colour file, looked up in the working directory at each access.
inline constexpr char ColourFileName[] = "ColorKanal.txt";
/// Where an unreadable colour file is kept before a new one replaces it, beside it.
inline constexpr char ColourBackupFileName[] = "ColorKanal.bak";

/// The colour file's path: ColourFileName in the working directory as it is now.
[[nodiscard]] QString colourFileInWorkingDirectory();

/// The text of a colour file: 32 lines, channel 0 first, in the print-number form.
[[nodiscard]] QByteArray colourFileText(const ChannelColours& colours);

/// Reads the numbers of a colour file into `colours`, channel 0 first, and stops at the
/// first fault: the colours read before it are kept. Returns the fault, in Russian.
[[nodiscard]] Failure<> readColourFileText(QByteArrayView text, ChannelColours& colours);

/// Loads a colour file into `colours`. A missing file is no fault (the colours stay as
/// they are); a malformed one keeps the colours read before its fault and is reported.
[[nodiscard]] FileFailure loadColourFile(const QString& path, ChannelColours& colours);

/// Writes the colour file atomically.
[[nodiscard]] FileFailure saveColourFile(const QString& path, const ChannelColours& colours);

} // namespace chaserom
