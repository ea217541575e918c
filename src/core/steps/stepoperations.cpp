#include "core/steps/stepoperations.h"

#include <algorithm>
#include <cstring>

namespace chaserom {

namespace {

/// The span's bytes clamped to the image: [begin, end).
struct ByteRange {
    qint64 begin;
    qint64 end;
};

ByteRange bytesOf(const QByteArray& image, int stepLength, StepSpan span) {
    const qint64 begin = std::clamp<qint64>(qint64{span.first} * stepLength, 0, image.size());
    const qint64 end =
        std::clamp<qint64>(qint64{span.first + span.count} * stepLength, begin, image.size());
    return {begin, end};
}

/// The lamps of one step as a word, channel 0 the highest bit.
quint32 stepWord(const char* step, int stepLength) {
    quint32 word = 0;
    for (int i = 0; i < stepLength; ++i) {
        word = word << 8 | static_cast<quint8>(step[i]);
    }
    return word;
}

void putStepWord(char* step, int stepLength, quint32 word) {
    for (int i = stepLength - 1; i >= 0; --i) {
        step[i] = static_cast<char>(word & 0xFF);
        word >>= 8;
    }
}

/// Applies `change` to the word of every whole step of the span.
template <typename Change>
void changeEachStep(QByteArray& image, int stepLength, StepSpan span, Change change) {
    const ByteRange range = bytesOf(image, stepLength, span);
    char* data = image.data();
    for (qint64 at = range.begin; at + stepLength <= range.end; at += stepLength) {
        putStepWord(data + at, stepLength, change(stepWord(data + at, stepLength)));
    }
}

} // namespace

int stepCount(qint64 imageLength, int stepLength) {
    return static_cast<int>((imageLength + stepLength - 1) / stepLength);
}

bool isLampLit(QByteArrayView image, int stepLength, int step, int channel) {
    const qint64 at = qint64{step} * stepLength + channel / 8;
    if (at < 0 || at >= image.size()) {
        return false;
    }
    return ((static_cast<quint8>(image[at]) >> (7 - channel % 8)) & 1) == 0;
}

void setLamp(QByteArray& image, int stepLength, int step, int channel, bool lit) {
    const qint64 at = qint64{step} * stepLength + channel / 8;
    if (at < 0 || at >= image.size()) {
        return;
    }
    const auto bit = static_cast<quint8>(1U << (7 - channel % 8));
    auto byte = static_cast<quint8>(image[at]);
    image[at] = static_cast<char>(lit ? byte & ~bit : byte | bit);
}

QByteArray stepBytes(QByteArrayView image, int stepLength, StepSpan span) {
    const qint64 begin = std::clamp<qint64>(qint64{span.first} * stepLength, 0, image.size());
    const qint64 end =
        std::clamp<qint64>(qint64{span.first + span.count} * stepLength, begin, image.size());
    return image.sliced(begin, end - begin).toByteArray();
}

void insertSteps(QByteArray& image, int stepLength, int at, QByteArrayView steps) {
    const qint64 begin = std::clamp<qint64>(qint64{at} * stepLength, 0, image.size());
    const qint64 length = image.size();
    const qint64 inserted = std::min<qint64>(steps.size(), length - begin);
    char* data = image.data();
    std::memmove(data + begin + inserted, data + begin, length - begin - inserted);
    std::memcpy(data + begin, steps.data(), inserted);
}

void deleteSteps(QByteArray& image, int stepLength, StepSpan span) {
    const ByteRange range = bytesOf(image, stepLength, span);
    const qint64 length = image.size();
    char* data = image.data();
    std::memmove(data + range.begin, data + range.end, length - range.end);
    std::memset(data + length - (range.end - range.begin), 0xFF, range.end - range.begin);
}

void pasteOver(QByteArray& image, qint64 address, QByteArrayView bytes) {
    const qint64 begin = std::clamp<qint64>(address, 0, image.size());
    const qint64 count = std::min<qint64>(bytes.size(), image.size() - begin);
    std::memcpy(image.data() + begin, bytes.data(), count);
}

void fillSteps(QByteArray& image, int stepLength, StepSpan span, QByteArrayView pattern) {
    if (pattern.isEmpty()) {
        return;
    }
    const ByteRange range = bytesOf(image, stepLength, span);
    char* data = image.data();
    for (qint64 at = range.begin; at < range.end; ++at) {
        data[at] = pattern[(at - range.begin) % pattern.size()];
    }
}

void invertSteps(QByteArray& image, int stepLength, StepSpan span) {
    const ByteRange range = bytesOf(image, stepLength, span);
    char* data = image.data();
    for (qint64 at = range.begin; at < range.end; ++at) {
        data[at] = static_cast<char>(~data[at]);
    }
}

void reverseSteps(QByteArray& image, int stepLength, StepSpan span) {
    const ByteRange range = bytesOf(image, stepLength, span);
    const qint64 steps = (range.end - range.begin) / stepLength;
    char* data = image.data();
    char held[4];
    for (qint64 low = 0, high = steps - 1; low < high; ++low, --high) {
        char* a = data + range.begin + low * stepLength;
        char* b = data + range.begin + high * stepLength;
        std::memcpy(held, a, stepLength);
        std::memcpy(a, b, stepLength);
        std::memcpy(b, held, stepLength);
    }
}

void mirrorChannels(QByteArray& image, int stepLength, StepSpan span) {
    const int channels = 8 * stepLength;
    changeEachStep(image, stepLength, span, [channels](quint32 word) {
        quint32 mirrored = 0;
        for (int k = 0; k < channels; ++k) {
            mirrored = mirrored << 1 | ((word >> k) & 1U);
        }
        return mirrored;
    });
}

void rotateChannels(QByteArray& image, int stepLength, StepSpan span, int by) {
    const int channels = 8 * stepLength;
    const int shift = ((by % channels) + channels) % channels;
    if (shift == 0) {
        return;
    }
    const quint32 mask = channels == 32 ? 0xFFFFFFFFU : (1U << channels) - 1;
    // Channel 0 is the highest bit: moving lamps to higher channels shifts the word right.
    changeEachStep(image, stepLength, span, [=](quint32 word) {
        return ((word >> shift) | (word << (channels - shift))) & mask;
    });
}

} // namespace chaserom
