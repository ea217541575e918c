#pragma once

#include "core/files/fileerror.h"
#include "core/geometry/lampstartpositions.h"
#include "core/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace chaserom {

/// The text of a lamp layout file: 512 lines, the Left then the Top of lamps 0 to 255, in
/// the print-number form.
[[nodiscard]] QByteArray layoutFileText(const LampLayout& layout);

/// Reads a layout file's text whole: 512 numbers, the rest ignored. On a fault `layout`
/// is left untouched and the fault is returned, in Russian.
[[nodiscard]] Failure<> readLayoutFileText(QByteArrayView text, LampLayout& layout);

/// Loads a layout file; a file that cannot be read or is malformed moves no lamp.
[[nodiscard]] FileFailure loadLayoutFile(const QString& path, LampLayout& layout);

/// Writes a layout file atomically.
[[nodiscard]] FileFailure saveLayoutFile(const QString& path, const LampLayout& layout);

} // namespace chaserom
