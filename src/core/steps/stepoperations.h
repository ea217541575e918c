#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace chaserom {

/// Whole steps of an effect: the first and how many. A step is `stepLength` bytes (1 to 4,
/// for 8 to 32 channels); channel k of a step is bit 7 - k % 8 of its byte k / 8, and a 0
/// bit is a lit lamp.
struct StepSpan {
    int first = 0;
    int count = 0;
    friend bool operator==(const StepSpan&, const StepSpan&) = default;
};

/// The rows of a step grid for an image: its whole steps, and a last one cut short.
[[nodiscard]] int stepCount(qint64 imageLength, int stepLength);

/// Whether lamp `channel` of `step` is lit; false past the end of the image.
[[nodiscard]] bool isLampLit(QByteArrayView image, int stepLength, int step, int channel);
/// Lights or darkens one lamp; nothing past the end of the image.
void setLamp(QByteArray& image, int stepLength, int step, int channel, bool lit);

/// The bytes of the steps of `span` that lie in the image.
[[nodiscard]] QByteArray stepBytes(QByteArrayView image, int stepLength, StepSpan span);

/// The operations on whole steps change the image in place and never change its length:
/// what passes its end is dropped.
/// Inserts `steps` (whole or not) before step `at`; later steps move down.
void insertSteps(QByteArray& image, int stepLength, int at, QByteArrayView steps);
/// Deletes the steps of `span`; later steps move up and the end is filled with FF (dark).
void deleteSteps(QByteArray& image, int stepLength, StepSpan span);
/// Writes `bytes` over the image from `address` on.
void pasteOver(QByteArray& image, qint64 address, QByteArrayView bytes);
/// Fills the steps of `span` with `pattern` repeated from their first byte.
void fillSteps(QByteArray& image, int stepLength, StepSpan span, QByteArrayView pattern);
/// Inverts every lamp of the steps of `span`.
void invertSteps(QByteArray& image, int stepLength, StepSpan span);
/// Reverses the order of the steps of `span`; each step's bytes stay in their order.
void reverseSteps(QByteArray& image, int stepLength, StepSpan span);
/// Mirrors the channels of each step of `span`: channel k takes the state of C - 1 - k.
void mirrorChannels(QByteArray& image, int stepLength, StepSpan span);
/// Rotates the channels of each step of `span` by `by` places: with 1, channel k + 1 takes
/// the state of channel k (and channel 0 that of the last); with -1 the other way.
void rotateChannels(QByteArray& image, int stepLength, StepSpan span, int by);

} // namespace chaserom
