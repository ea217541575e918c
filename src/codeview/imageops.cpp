#include "imageops.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace chaserom {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

/// Copies `count` bytes from `source` to `target` as an upward byte-by-byte copy does: a
/// target inside the source repeats the source's first (target - source) bytes.
void copyUpwards(const char* source, char* target, qsizetype count) {
    const qsizetype period = target - source;
    if (period <= 0 || period >= count) {
        std::memmove(target, source, count); // the upward copy reads every byte first
        return;
    }
    std::memcpy(target, source, period);
    for (qsizetype filled = period; filled < count; filled *= 2) {
        std::memcpy(target + filled, target, std::min(filled, count - filled));
    }
}

/// The image's bytes 0 to length - 1 as far as the file holds them.
FileFailure readImageStart(ImageFile& image, int length, QByteArray& bytes) {
    return image.read(0, std::max(length, 0), bytes);
}

} // namespace

std::optional<qint64> readDecimalField(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first])) {
        ++first;
    }
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    const QStringView number = QStringView(text).sliced(first, last - first);
    qsizetype digitsFrom = 0;
    if (!number.isEmpty() && (number[0] == u'+' || number[0] == u'-')) {
        digitsFrom = 1;
    }
    constexpr qsizetype MostDigits = 12;
    const qsizetype digits = number.size() - digitsFrom;
    if (digits == 0 || digits > MostDigits) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (qsizetype i = digitsFrom; i < number.size(); ++i) {
        const char16_t c = number[i].unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - u'0');
    }
    return number[0] == u'-' ? -value : value;
}

std::optional<CopyRange> readCopyRange(const QString& start, const QString& end,
                                       const QString& destination, int length, QString& problem) {
    const auto s = readDecimalField(start);
    const auto e = readDecimalField(end);
    const auto d = readDecimalField(destination);
    const QString insideImage = length > 0 ? QStringLiteral("от 0 до %1").arg(length - 1)
                                           : QStringLiteral("в образе, а образ пуст");
    if (!s || *s < 0 || *s >= length) {
        problem = QStringLiteral("Начало диапазона должно быть целым числом %1.").arg(insideImage);
        return std::nullopt;
    }
    if (!e || *e < 0 || *e >= length) {
        problem = QStringLiteral("Конец диапазона должен быть целым числом %1.").arg(insideImage);
        return std::nullopt;
    }
    if (!d || *d < 0 || *d > HighestAddress) {
        problem = QStringLiteral("Адрес, с которого копировать, должен быть целым числом "
                                 "от 0 до %1.")
                      .arg(HighestAddress);
        return std::nullopt;
    }
    return CopyRange{static_cast<int>(*s), static_cast<int>(*e), static_cast<int>(*d)};
}

std::optional<qint64> readTargetSize(const QString& text, QString& problem) {
    const auto size = readDecimalField(text);
    if (!size || *size < 1 || *size > LargestResizedCopy) {
        problem = QStringLiteral("Размер должен быть целым числом байтов от 1 до %1.")
                      .arg(LargestResizedCopy);
        return std::nullopt;
    }
    return size;
}

bool copyFits(const CopyRange& range, int length) {
    return range.destination + (range.end - range.start) <= length - 1;
}

FileFailure copyRange(ImageFile& image, const CopyRange& range, int length, Overflow answer) {
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
    const int count = last - range.start + 1;
    const qint64 fileSize = image.size();
    // The part of the file the copy reads or writes, with any gap before the destination.
    const qint64 from = std::min<qint64>({range.start, range.destination, fileSize});
    const qint64 to = std::max<qint64>(last, range.destination + count - 1) + 1;
    QByteArray bytes;
    if (auto failure = image.read(from, to - from, bytes)) {
        return failure;
    }
    bytes.append(QByteArray(to - from - bytes.size(), '\0'));
    char* const base = bytes.data() - from;
    copyUpwards(base + range.start, base + range.destination, count);
    const qint64 writeFrom = std::min<qint64>(range.destination, fileSize);
    const qint64 writeTo = range.destination + count;
    return image.write(writeFrom, QByteArrayView(base + writeFrom, writeTo - writeFrom));
}

FileFailure invertImage(ImageFile& image, int length) {
    QByteArray bytes;
    if (auto failure = readImageStart(image, length, bytes)) {
        return failure;
    }
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
    return image.write(0, bytes);
}

FileFailure reverseImage(ImageFile& image, int length) {
    QByteArray bytes;
    if (auto failure = readImageStart(image, length, bytes)) {
        return failure;
    }
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
    return image.write(0, bytes);
}

} // namespace chaserom
