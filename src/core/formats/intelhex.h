#pragma once

#include "core/formats/recordfile.h"

#include <QByteArray>
#include <QByteArrayView>

namespace chaserom {

/// An image as Intel HEX: data records (type 00) of `recordSize` bytes from address `base`
/// and the end record. An image that reaches past 64 KiB gets an extended linear address
/// record (type 04) before the first record of each 64 KiB segment, and no record crosses a
/// segment's end.
[[nodiscard]] QByteArray intelHexText(QByteArrayView image, int recordSize, qint64 base = 0);
/// The same text, given to `sink` piece by piece.
void writeIntelHex(QByteArrayView image, int recordSize, const RecordTextSink& sink,
                   qint64 base = 0);

/// Reads Intel HEX: record types 00 to 05, with the addresses of types 02 and 04 honoured
/// and the start addresses of types 03 and 05 ignored. The end record is required; lines
/// after it are ignored, with a warning.
[[nodiscard]] RecordReadResult readIntelHex(QByteArrayView text, const RecordReadOptions& options);

} // namespace chaserom
