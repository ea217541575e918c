#pragma once

#include "core/formats/recordfile.h"

#include <QByteArray>
#include <QByteArrayView>

namespace chaserom {

/// An image as Intel HEX: data records (type 00) of `recordSize` bytes from address 0 and
/// the end record. An image longer than 64 KiB gets an extended linear address record
/// (type 04) before the first record of each 64 KiB segment, and no record crosses a
/// segment's end.
[[nodiscard]] QByteArray intelHexText(QByteArrayView image, int recordSize);
/// The same text, given to `sink` piece by piece.
void writeIntelHex(QByteArrayView image, int recordSize, const RecordTextSink& sink);

/// Reads Intel HEX: record types 00 to 05, with the addresses of types 02 and 04 honoured
/// and the start addresses of types 03 and 05 ignored. The end record is required; lines
/// after it are ignored.
[[nodiscard]] RecordReadResult readIntelHex(QByteArrayView text, const RecordReadOptions& options);

} // namespace chaserom
