#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace chaserom {

/// Consecutive addresses at which two images hold different bytes, both ends included.
struct DifferingRun {
    qint64 first;
    qint64 last;
    friend bool operator==(const DifferingRun&, const DifferingRun&) = default;
};

/// Where two images differ: the runs of differing bytes over their common length, in
/// address order, and their lengths.
struct ImageComparison {
    std::vector<DifferingRun> runs;
    qint64 sizeA = 0;
    qint64 sizeB = 0;

    [[nodiscard]] bool identical() const { return runs.empty() && sizeA == sizeB; }
};

/// Compares two images byte by byte at the same addresses.
[[nodiscard]] ImageComparison compareImages(QByteArrayView a, QByteArrayView b);

/// The span from the first to the last address at which two images of one length differ;
/// none when they are equal. Equal stretches are skipped a block at a time, so that finding
/// a one-byte edit in 16 MiB takes a few milliseconds.
[[nodiscard]] std::optional<DifferingRun> differingSpan(QByteArrayView a, QByteArrayView b);

} // namespace chaserom
