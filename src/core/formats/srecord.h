#pragma once

#include "core/formats/recordfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace chaserom {

/// An image as Motorola S-records: an S0 header with `headerName`, data records of
/// `recordSize` bytes from address `base`, all S1 for addresses up to 64 KiB, S2 up to 16 MiB
/// and S3 beyond, a count record (S5, or S6 past 65535 records) and the terminator that
/// matches the data records (S9, S8 or S7) with address 0.
[[nodiscard]] QByteArray sRecordText(QByteArrayView image, int recordSize,
                                     const QString& headerName, qint64 base = 0);
/// The same text, given to `sink` piece by piece.
void writeSRecords(QByteArrayView image, int recordSize, const QString& headerName,
                   const RecordTextSink& sink, qint64 base = 0);

/// Reads S-records S0 to S9 (S4 is undefined). Records after a terminator begin a further
/// block, with a warning, as in files joined one after another; S5 and S6 must count the
/// data records of their block exactly (or of the whole file so far). A file without a
/// terminator is accepted, with a warning, only when a count record vouches for it.
[[nodiscard]] RecordReadResult readSRecords(QByteArrayView text, const RecordReadOptions& options);

} // namespace chaserom
