#pragma once

#include "core/files/fileerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace chaserom {

/// The two text formats in which ROM images travel to programmers and EPROM burners.
enum class RecordFormat { IntelHex, SRecord };

/// Data records carry 1 to 250 bytes: the most an S3 record holds beside its address.
inline constexpr int MaxRecordSize = 250;
inline constexpr int DefaultRecordSize = 16;
/// A record file describes an image of at most 16 MiB.
inline constexpr qint64 RecordImageLimit = qint64{16} * 1024 * 1024;

/// The format a file name's extension names, in any case: .hex, .ihx and .ihex for Intel
/// HEX, .srec, .s19, .s28, .s37 and .mot for S-records; empty for any other.
[[nodiscard]] std::optional<RecordFormat> recordFormatOfName(const QString& fileName);

/// A fault or a warning about one line of a record file, lines counted from 1.
struct LineNote {
    int line;
    QString text;
    friend bool operator==(const LineNote&, const LineNote&) = default;
};

/// How the data of a record file becomes an image.
struct RecordReadOptions {
    /// The byte in gaps between records and up to the size.
    char fill = '\xFF';
    /// The image's exact length; data past it is a fault. Empty: up to the highest address.
    std::optional<qint64> size;
};

/// An image read from a record file, from address 0, or the fault that refused the file.
struct RecordReadResult {
    QByteArray image;
    std::optional<LineNote> fault;
    std::vector<LineNote> warnings;
};

/// Reads Intel HEX or S-records, told apart by the first character that is not blank.
[[nodiscard]] RecordReadResult readRecordFile(QByteArrayView text,
                                              const RecordReadOptions& options);

/// The longest record file read: room for a 16 MiB image in records of one byte each.
inline constexpr qint64 RecordTextLimit = qint64{256} * 1024 * 1024;

/// A record file's text read from `path` (a regular file of at most RecordTextLimit bytes)
/// and the image it describes, as the program and the tool import it. A file that cannot be
/// read, or a line that refuses it, is a failure naming the file (and the line); warnings
/// come back in `result`.
[[nodiscard]] FileFailure importRecordFile(const QString& path, const RecordReadOptions& options,
                                           RecordReadResult& result);

/// The failure of a record file refused at a line.
[[nodiscard]] FileError recordLineFailure(const QString& path, const LineNote& fault);

/// The text of an image in a record format, `recordSize` data bytes a record; an S0
/// header carries `headerName`. Every line ends with LF.
[[nodiscard]] QByteArray recordFileText(RecordFormat format, QByteArrayView image, int recordSize,
                                        const QString& headerName);

/// Takes a record file's text piece by piece, whole lines each; returns false to stop the
/// writer (a failed write), which then gives it nothing more.
using RecordTextSink = std::function<bool(QByteArrayView piece)>;

/// Writes the text recordFileText() returns to `sink` in pieces of about 64 KiB, so that
/// only the image is held whole, not its text.
void writeRecordFile(RecordFormat format, QByteArrayView image, int recordSize,
                     const QString& headerName, const RecordTextSink& sink);

} // namespace chaserom
