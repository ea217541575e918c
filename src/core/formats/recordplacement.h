#pragma once

#include "core/formats/recordfile.h"
#include "core/result.h"

#include <QString>

namespace chaserom {

/// Where an import puts a record file's data, as typed: the file address that becomes the
/// image's byte 0 and, when both its ends are typed, the window of addresses read. Each is
/// decimal or with 0x, from 0 to 0xFFFFFFFF; an empty window reads everything.
[[nodiscard]] Result<RecordReadOptions>
readRecordPlacement(const QString& base, const QString& windowFirst, const QString& windowLast);

} // namespace chaserom
