// The step editor's operations against references written lamp by lamp and step by step,
// on random images of 8 to 32 channels, whole or with a last step cut short.
#include "core/steps/stepoperations.h"

#include <gtest/gtest.h>
#include <random>

using namespace chaserom;

namespace {

QByteArray randomImage(std::mt19937& random, int length) {
    QByteArray bytes(length, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

/// A step's bytes, or none past the end; a last step cut short keeps the bytes it has.
QByteArray stepAt(const QByteArray& image, int stepLength, int step) {
    return image.mid(qint64{step} * stepLength, stepLength);
}

/// Builds an image of the same length, step by step, from `stepFor`.
template <typename StepFor>
QByteArray byStep(const QByteArray& image, int stepLength, StepFor stepFor) {
    QByteArray built;
    const int steps = stepCount(image.size(), stepLength);
    for (int step = 0; step < steps; ++step) {
        built.append(stepFor(step).leftJustified(stepLength, '\xFF', true));
    }
    built.truncate(image.size());
    return built;
}

/// Changes an image lamp by lamp, whole steps of the span only.
template <typename LitFor>
QByteArray byLamp(const QByteArray& image, int stepLength, StepSpan span, LitFor litFor) {
    QByteArray changed = image;
    const int channels = 8 * stepLength;
    for (int step = span.first; step < span.first + span.count; ++step) {
        if (qint64{step + 1} * stepLength > image.size()) {
            break;
        }
        for (int channel = 0; channel < channels; ++channel) {
            setLamp(changed, stepLength, step, channel, litFor(step, channel));
        }
    }
    return changed;
}

class StepOperations : public ::testing::TestWithParam<int> {
protected:
    std::mt19937 m_random{static_cast<unsigned>(GetParam())};

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }
};

TEST_P(StepOperations, MatchTheReferencesOnRandomImages) {
    const int stepLength = GetParam();
    const int channels = 8 * stepLength;
    for (int trial = 0; trial < 300; ++trial) {
        const QByteArray image = randomImage(m_random, 1 + pick(60));
        const int steps = stepCount(image.size(), stepLength);
        const StepSpan span{pick(steps), pick(steps + 2)};
        const int last = span.first + span.count - 1;
        const auto inSpan = [&](int step) { return step >= span.first && step <= last; };
        const std::string where = "length " + std::to_string(image.size()) + ", span " +
                                  std::to_string(span.first) + "+" + std::to_string(span.count);

        QByteArray inserted = image;
        const QByteArray steps3 = randomImage(m_random, 3 * stepLength);
        insertSteps(inserted, stepLength, span.first, steps3);
        EXPECT_EQ(inserted, byStep(image, stepLength,
                                   [&](int step) {
                                       if (step < span.first) {
                                           return stepAt(image, stepLength, step);
                                       }
                                       if (step < span.first + 3) {
                                           return stepAt(steps3, stepLength, step - span.first);
                                       }
                                       return stepAt(image, stepLength, step - 3);
                                   }))
            << where;

        QByteArray deleted = image;
        deleteSteps(deleted, stepLength, span);
        const int removed = std::min(span.count, steps - span.first);
        QByteArray deletedReference = image;
        deletedReference.remove(qint64{span.first} * stepLength, qint64{removed} * stepLength);
        deletedReference = deletedReference.leftJustified(image.size(), '\xFF', true);
        EXPECT_EQ(deleted, deletedReference) << where;

        QByteArray reversed = image;
        reverseSteps(reversed, stepLength, span);
        const int wholeLast = std::min(last, static_cast<int>(image.size() / stepLength) - 1);
        EXPECT_EQ(reversed, byStep(image, stepLength,
                                   [&](int step) {
                                       const bool whole = step >= span.first && step <= wholeLast;
                                       return stepAt(image, stepLength,
                                                     whole ? span.first + wholeLast - step : step);
                                   }))
            << where;

        QByteArray mirrored = image;
        mirrorChannels(mirrored, stepLength, span);
        EXPECT_EQ(mirrored, byLamp(image, stepLength, span,
                                   [&](int step, int channel) {
                                       return isLampLit(image, stepLength, step,
                                                        channels - 1 - channel);
                                   }))
            << where;

        const int by = pick(2 * channels + 1) - channels;
        QByteArray rotated = image;
        rotateChannels(rotated, stepLength, span, by);
        EXPECT_EQ(rotated, byLamp(image, stepLength, span,
                                  [&](int step, int channel) {
                                      const int from =
                                          ((channel - by) % channels + channels) % channels;
                                      return isLampLit(image, stepLength, step, from);
                                  }))
            << where << ", by " << by;

        QByteArray inverted = image;
        invertSteps(inverted, stepLength, span);
        for (qint64 i = 0; i < image.size(); ++i) {
            const bool changed = inSpan(static_cast<int>(i / stepLength));
            EXPECT_EQ(inverted[i], changed ? static_cast<char>(~image[i]) : image[i]) << where;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ChannelCounts, StepOperations, ::testing::Values(1, 2, 3, 4));

TEST(StepOperationsByHand, WorkAsAUserReadsThem) {
    // 16 channels: steps 7F FF, BF FF, DF FF.
    QByteArray image = QByteArray::fromHex("7FFFBFFFDFFF");
    QByteArray reversed = image;
    reverseSteps(reversed, 2, {0, 3});
    EXPECT_EQ(reversed.toHex().toUpper(), QByteArray("DFFFBFFF7FFF"));
    QByteArray mirrored = image;
    mirrorChannels(mirrored, 2, {0, 1});
    EXPECT_EQ(mirrored.toHex().toUpper(), QByteArray("FFFEBFFFDFFF"));
    QByteArray rotated = image;
    rotateChannels(rotated, 2, {0, 3}, 1);
    EXPECT_EQ(rotated.toHex().toUpper(), QByteArray("BFFFDFFFEFFF"));
    rotateChannels(rotated, 2, {0, 3}, -1);
    EXPECT_EQ(rotated, image);
    QByteArray filled = image;
    fillSteps(filled, 2, {1, 2}, QByteArray::fromHex("00"));
    EXPECT_EQ(filled.toHex().toUpper(), QByteArray("7FFF00000000"));
    QByteArray pasted = image;
    pasteOver(pasted, 4, QByteArray::fromHex("01020304"));
    EXPECT_EQ(pasted.toHex().toUpper(), QByteArray("7FFFBFFF0102"));
    EXPECT_TRUE(isLampLit(image, 2, 1, 1));
    EXPECT_FALSE(isLampLit(image, 2, 1, 0));
    EXPECT_FALSE(isLampLit(image, 2, 5, 0));
    EXPECT_EQ(stepCount(7, 2), 4);
}

} // namespace
