#pragma once

#include <QString>
#include <optional>

namespace chaserom {

/// The backup copy's path: a three-character extension other than "bak" becomes "bak"
/// (effect.bin gives effect.bak); any other name gets ".bak" appended (effect.bak gives
/// effect.bak.bak, x.b gives x.b.bak), so the backup never overwrites the image itself.
[[nodiscard]] QString backupPathFor(const QString& imagePath);

/// The resized copy's path: the image path less its last three characters, the size text
/// as typed, then ".bin" (effect.bin and 4096 give effect.4096.bin). Empty when the path is
/// shorter than three characters.
[[nodiscard]] std::optional<QString> resizedCopyPathFor(const QString& imagePath,
                                                        const QString& sizeText);

} // namespace chaserom
