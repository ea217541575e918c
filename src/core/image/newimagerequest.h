#pragma once

#include <QString>
#include <optional>

namespace chaserom {

/// What a new image is: its length and the byte every address holds.
struct NewImageRequest {
    qint64 size = 0;
    char fill = '\xFF';
};

/// A new image's length typed as a number of bytes, decimal or with 0x, from 1 to 16 MiB;
/// empty with `problem` said (in Russian) for anything else.
[[nodiscard]] std::optional<qint64> readNewImageSize(const QString& text, QString& problem);

/// A fill byte typed as two hexadecimal digits, with or without 0x; empty with `problem`
/// said for anything else.
[[nodiscard]] std::optional<char> readFillByte(const QString& text, QString& problem);

} // namespace chaserom
