#pragma once

#include "app/fileerror.h"
#include "codeview/imagefile.h"

#include <QString>
#include <optional>

namespace chaserom {

/// A copy of bytes start to end (inclusive) to the addresses from destination on.
struct CopyRange {
    int start;
    int end;
    int destination;
};

/// The answer to a copy whose last destination lies past the end of the image.
enum class Overflow {
    Lengthen, ///< copy the whole range, lengthening the file
    CutAtEnd, ///< copy only what fits before the end of the image
    Cancel,   ///< copy nothing
};

/// The highest address the program writes or lets the user name.
inline constexpr int HighestAddress = 32766;
/// The largest resized copy.
inline constexpr qint64 LargestResizedCopy = qint64{16} * 1024 * 1024;

/// A whole decimal number typed into a text box, blanks around it ignored; empty when the
/// text is anything else.
[[nodiscard]] std::optional<qint64> readDecimalField(const QString& text);

/// The copy range typed into the three boxes, checked against an image of `length` bytes:
/// start and end inside the image, the destination from 0 to 32766. On a fault `problem`
/// says what is wrong, in Russian.
[[nodiscard]] std::optional<CopyRange> readCopyRange(const QString& start, const QString& end,
                                                     const QString& destination, int length,
                                                     QString& problem);

/// The size typed for the resized copy: 1 to 16777216 bytes. On a fault `problem` says what
/// is wrong, in Russian.
[[nodiscard]] std::optional<qint64> readTargetSize(const QString& text, QString& problem);

/// Whether the whole range lands inside an image of `length` bytes.
[[nodiscard]] bool copyFits(const CopyRange& range, int length);

/// Copies a range inside the image exactly as a byte-at-a-time upward copy does (each byte
/// read just before it is written, so a destination inside the range repeats its first
/// bytes), reading and writing the affected part of the file once. A copy that runs past
/// the end of the image is lengthened, cut at the end or dropped as `answer` says; a gap
/// between the file's end and the destination is filled with zero bytes.
[[nodiscard]] FileFailure copyRange(ImageFile& image, const CopyRange& range, int length,
                                    Overflow answer);

/// Replaces bytes 0 to length - 1 by their complements.
[[nodiscard]] FileFailure invertImage(ImageFile& image, int length);

/// Reverses the order of bytes 0 to length - 1.
[[nodiscard]] FileFailure reverseImage(ImageFile& image, int length);

} // namespace chaserom
