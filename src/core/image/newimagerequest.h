#pragma once

#include "core/result.h"

#include <QString>

namespace chaserom {

/// What a new image is: its length and the byte every address holds.
struct NewImageRequest {
    qint64 size = 0;
    char fill = '\xFF';
};

/// A new image's length typed as a number of bytes, decimal or with 0x, from 1 to 16 MiB;
/// anything else fails with what is wrong.
[[nodiscard]] Result<qint64> readNewImageSize(const QString& text);

/// A fill byte typed as two hexadecimal digits, with or without 0x.
[[nodiscard]] Result<char> readFillByte(const QString& text);

} // namespace chaserom
