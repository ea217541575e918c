#include "core/image/imageoperations.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace chaserom {

namespace {

/// Copies `count` bytes inside `bytes` from index `source` to index `target` as an upward
/// byte-by-byte copy does: a target inside the source repeats the source's first
/// (target - source) bytes.
void copyUpwards(QByteArray& bytes, qsizetype source, qsizetype target, qsizetype count) {
    char* const data = bytes.data();
    const qsizetype period = target - source;
    if (period <= 0 || period >= count) {
        std::memmove(data + target, data + source, count); // the upward copy reads every byte first
        return;
    }
    std::memcpy(data + target, data + source, period);
    for (qsizetype filled = period; filled < count; filled *= 2) {
        std::memcpy(data + target + filled, data + target, std::min(filled, count - filled));
    }
}

} // namespace

bool copyFits(const CopyRange& range, int length) {
    return range.destination + (range.end - range.start) <= length - 1;
}

std::optional<CopyPlan> planCopy(const CopyRange& range, int length, Overflow answer,
                                 qint64 fileSize) {
    int last = range.end;
    if (!copyFits(range, length)) {
        if (answer == Overflow::Cancel) {
            return std::nullopt;
        }
        if (answer == Overflow::CutAtEnd) {
            last = range.start + (length - 1 - range.destination);
        }
    }
    if (last < range.start) {
        return std::nullopt;
    }
    CopyPlan plan;
    plan.count = last - range.start + 1;
    // The part of the file the copy reads or writes, with any gap before the destination.
    plan.regionStart = std::min<qint64>({range.start, range.destination, fileSize});
    plan.regionEnd = std::max<qint64>(last, range.destination + plan.count - 1) + 1;
    plan.writeStart = std::min<qint64>(range.destination, fileSize);
    plan.writeEnd = range.destination + plan.count;
    plan.source = range.start - plan.regionStart;
    plan.target = range.destination - plan.regionStart;
    return plan;
}

void applyCopy(const CopyPlan& plan, QByteArray& region) {
    region.append(QByteArray(plan.regionEnd - plan.regionStart - region.size(), '\0'));
    copyUpwards(region, plan.source, plan.target, plan.count);
}

void invertBytes(QByteArray& bytes) {
    char* const data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    // Eight bytes at a time: the compiler does not widen this loop by itself at -O2.
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, 8);
        word = ~word;
        std::memcpy(data + i, &word, 8);
    }
    for (; i < size; ++i) {
        data[i] = static_cast<char>(~data[i]);
    }
}

void reverseBytes(QByteArray& bytes) {
    char* const data = bytes.data();
    qsizetype low = 0;
    qsizetype high = bytes.size();
    // Eight bytes from each end at a time, each word's bytes swapped end for end.
    for (; high - low >= 16; low += 8, high -= 8) {
        quint64 front;
        quint64 back;
        std::memcpy(&front, data + low, 8);
        std::memcpy(&back, data + high - 8, 8);
        front = qbswap(front);
        back = qbswap(back);
        std::memcpy(data + low, &back, 8);
        std::memcpy(data + high - 8, &front, 8);
    }
    std::reverse(data + low, data + high);
}

} // namespace chaserom
