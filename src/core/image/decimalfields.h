#pragma once

#include "core/image/imageoperations.h"
#include "core/result.h"

#include <QString>
#include <optional>

namespace chaserom {

/// A whole decimal number typed into a text box, blanks around it ignored; empty when the
/// text is anything else.
[[nodiscard]] std::optional<qint64> readDecimalField(const QString& text);

/// The copy range typed into the three boxes, checked against an image of `length` bytes:
/// start and end inside the image, the destination from 0 to 32766.
[[nodiscard]] Result<CopyRange> readCopyRange(const QString& start, const QString& end,
                                              const QString& destination, int length);

/// The size typed for the resized copy: 1 to 16777216 bytes.
[[nodiscard]] Result<qint64> readTargetSize(const QString& text);

} // namespace chaserom
