#include "core/image/imagecompare.h"

#include <algorithm>
#include <cstring>

namespace chaserom {

namespace {

/// The first address from `from` on where the images differ, or `end`; equal stretches are
/// skipped eight bytes at a time.
qint64 nextDifference(const char* a, const char* b, qint64 from, qint64 end) {
    qint64 at = from;
    for (; at + 8 <= end; at += 8) {
        quint64 wordA = 0;
        quint64 wordB = 0;
        std::memcpy(&wordA, a + at, 8);
        std::memcpy(&wordB, b + at, 8);
        if (wordA != wordB) {
            break;
        }
    }
    while (at < end && a[at] == b[at]) {
        ++at;
    }
    return at;
}

/// Bytes compared at once with memcmp before a differing block is looked into.
constexpr qint64 BlockLength = 4096;

} // namespace

std::optional<DifferingRun> differingSpan(QByteArrayView a, QByteArrayView b) {
    const qint64 length = std::min(a.size(), b.size());
    qint64 first = 0;
    while (first + BlockLength <= length &&
           std::memcmp(a.data() + first, b.data() + first, BlockLength) == 0) {
        first += BlockLength;
    }
    first = nextDifference(a.data(), b.data(), first, length);
    if (first == length) {
        return std::nullopt;
    }
    qint64 end = length;
    while (end - BlockLength > first &&
           std::memcmp(a.data() + end - BlockLength, b.data() + end - BlockLength, BlockLength) ==
               0) {
        end -= BlockLength;
    }
    while (a[end - 1] == b[end - 1]) {
        --end;
    }
    return DifferingRun{first, end - 1};
}

ImageComparison compareImages(QByteArrayView a, QByteArrayView b) {
    ImageComparison comparison;
    comparison.sizeA = a.size();
    comparison.sizeB = b.size();
    const qint64 common = std::min(a.size(), b.size());
    qint64 at = nextDifference(a.data(), b.data(), 0, common);
    while (at < common) {
        const qint64 first = at;
        while (at < common && a[at] != b[at]) {
            ++at;
        }
        comparison.runs.push_back({first, at - 1});
        at = nextDifference(a.data(), b.data(), at, common);
    }
    return comparison;
}

} // namespace chaserom
