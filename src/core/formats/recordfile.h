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

/// File addresses from `first` to `last`, both included.
struct AddressWindow {
    qint64 first = 0;
    qint64 last = 0;
    friend bool operator==(const AddressWindow&, const AddressWindow&) = default;
};

/// How the data of a record file becomes an image.
struct RecordReadOptions {
    /// The byte in gaps between records and up to the size.
    char fill = '\xFF';
    /// The image's exact length; data past it is a fault. Empty: up to the highest address.
    std::optional<qint64> size;
    /// The file address that becomes the image's byte 0, where the chip sits in the target's
    /// address map; data below it is a fault. Empty: address 0.
    std::optional<qint64> base;
    /// Only data inside it is read; the rest is left out, with a warning.
    std::optional<AddressWindow> window;
};

/// The lowest and highest file address that a file's data records fill.
struct DataExtent {
    qint64 lowest = 0;
    qint64 highest = 0;
    [[nodiscard]] qint64 length() const { return highest - lowest + 1; }
    friend bool operator==(const DataExtent&, const DataExtent&) = default;
};

/// An image read from a record file, from address 0, or the fault that refused the file.
struct RecordReadResult {
    QByteArray image;
    std::optional<LineNote> fault;
    std::vector<LineNote> warnings;
    /// Where the file's data lies, as far as it was read; none when it holds no data.
    std::optional<DataExtent> extent;
};

/// The base that puts data at `extent` at the start of a chip: its lowest address rounded
/// down to the size of the smallest chip holding the extent (0xE000–0xFFFF: 0xE000, a 2764),
/// or to a power of two for more than the largest chip.
[[nodiscard]] qint64 suggestedBase(const DataExtent& extent);

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

/// The text of an image in a record format, `recordSize` data bytes a record, the image's
/// byte 0 at address `base`; an S0 header carries `headerName`. Every line ends with LF.
[[nodiscard]] QByteArray recordFileText(RecordFormat format, QByteArrayView image, int recordSize,
                                        const QString& headerName, qint64 base = 0);

/// The highest address a record file holds: 32 bits.
inline constexpr qint64 HighestRecordAddress = 0xFFFFFFFF;

/// Takes a record file's text piece by piece, whole lines each; returns false to stop the
/// writer (a failed write), which then gives it nothing more.
using RecordTextSink = std::function<bool(QByteArrayView piece)>;

/// Writes the text recordFileText() returns to `sink` in pieces of about 64 KiB, so that
/// only the image is held whole, not its text.
void writeRecordFile(RecordFormat format, QByteArrayView image, int recordSize,
                     const QString& headerName, const RecordTextSink& sink, qint64 base = 0);

} // namespace chaserom
