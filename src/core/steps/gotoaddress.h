#pragma once

#include "core/result.h"

#include <QString>

namespace chaserom {

/// Where "Перейти" goes: a decimal address ("100"), a hexadecimal one ("0x64"), step N
/// ("#25"), N steps on or back from the current one ("+4", "-4", "−4"), or the first step of
/// program N ("P3", when the board has `stepsPerProgram` steps a program). Blanks around
/// are ignored. The address of the first byte of the target is returned, and only when it
/// lies in an image of `imageLength` bytes; otherwise it fails saying why.
[[nodiscard]] Result<qint64> readGoToAddress(QStringView text, qint64 currentAddress,
                                             int stepLength, qint64 imageLength,
                                             int stepsPerProgram = 0);

} // namespace chaserom
