#pragma once

#include "core/image/imagelimits.h"

#include <QByteArray>
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

/// Whether the whole range lands inside an image of `length` bytes.
[[nodiscard]] bool copyFits(const CopyRange& range, int length);

/// How a copy touches the file: it reads the region [regionStart, regionEnd) (zero bytes
/// where the file ends first), copies inside it, and rewrites [writeStart, writeEnd).
struct CopyPlan {
    qint64 regionStart = 0;
    qint64 regionEnd = 0;
    qint64 writeStart = 0;
    qint64 writeEnd = 0;
    /// The copy inside the region: `count` bytes from index `source` to index `target`.
    qsizetype source = 0;
    qsizetype target = 0;
    qsizetype count = 0;
};

/// What a copy of `range` does to a file of `fileSize` bytes whose image length is
/// `length`: a copy that runs past the end of the image is lengthened, cut at the end or
/// dropped as `answer` says, and a gap between the file's end and the destination is filled
/// with zero bytes. Empty when nothing is copied.
[[nodiscard]] std::optional<CopyPlan> planCopy(const CopyRange& range, int length, Overflow answer,
                                               qint64 fileSize);

/// Runs a planned copy on its region exactly as a byte-at-a-time upward copy does (each
/// byte read just before it is written, so a destination inside the range repeats its
/// first bytes).
void applyCopy(const CopyPlan& plan, QByteArray& region);

/// Replaces every byte by its complement.
void invertBytes(QByteArray& bytes);

/// Reverses the order of the bytes.
void reverseBytes(QByteArray& bytes);

} // namespace chaserom
