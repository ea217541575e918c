#include "core/patterns/pattern.h"

#include "core/patterns/splitmix64.h"

#include <QString>
#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

namespace chaserom {

namespace {

/// The bytes of steps under construction; every channel starts dark.
class StepWriter {
public:
    StepWriter(int channels, qint64 steps)
        : m_stepLength(channels / 8)
        , m_bytes(m_stepLength * steps, '\xFF') {}

    void light(qint64 step, int channel) {
        m_bytes[step * m_stepLength + channel / 8] &= static_cast<char>(~(0x80 >> (channel % 8)));
    }

    [[nodiscard]] QByteArray take() { return std::move(m_bytes); }

private:
    qint64 m_stepLength;
    QByteArray m_bytes;
};

/// Whether channel `channel` is lit at `step` of a pattern other than random.
bool isLit(Pattern pattern, int channels, qint64 step, int channel) {
    switch (pattern) {
    case Pattern::Chase:
        return channel == step;
    case Pattern::ChaseBack:
        return channel == channels - 1 - step;
    case Pattern::Bounce:
        return channel == (step < channels ? step : 2 * (channels - 1) - step);
    case Pattern::Fill:
        return channel <= step;
    case Pattern::Empty:
        return channel < channels - step;
    case Pattern::Blink:
        return step == 0;
    case Pattern::Counter:
        return ((step >> (channels - 1 - channel)) & 1) != 0; // channel C − 1: the lowest bit
    case Pattern::Random:
        break;
    }
    return false;
}

void drawRandomSteps(const PatternRequest& request, StepWriter& steps) {
    SplitMix64 generator(request.seed);
    std::vector<int> places(static_cast<size_t>(request.channels));
    for (qint64 step = 0; step < request.steps; ++step) {
        std::iota(places.begin(), places.end(), 0);
        for (int i = 0; i < request.lit; ++i) {
            const auto j =
                i + static_cast<int>(generator.below(static_cast<quint64>(request.channels - i)));
            std::swap(places[static_cast<size_t>(i)], places[static_cast<size_t>(j)]);
            steps.light(step, places[static_cast<size_t>(i)]);
        }
    }
}

} // namespace

std::optional<Pattern> patternNamed(QStringView name) {
    for (const NamedPattern& named : PatternNames) {
        if (name == QLatin1String(named.name)) {
            return named.pattern;
        }
    }
    return std::nullopt;
}

qint64 patternLength(Pattern pattern, int channels) {
    switch (pattern) {
    case Pattern::Bounce:
        return 2 * channels - 2;
    case Pattern::Blink:
        return 2;
    case Pattern::Counter:
        return std::min(qint64{1} << std::min(channels, 62), CounterStepLimit);
    case Pattern::Chase:
    case Pattern::ChaseBack:
    case Pattern::Fill:
    case Pattern::Empty:
    case Pattern::Random:
        break;
    }
    return channels;
}

QByteArray generatePattern(const PatternRequest& request) {
    StepWriter steps(request.channels, request.steps);
    if (request.pattern == Pattern::Random) {
        drawRandomSteps(request, steps);
        return steps.take();
    }
    const qint64 length = std::min(patternLength(request.pattern, request.channels), request.steps);
    for (qint64 step = 0; step < length; ++step) {
        for (int channel = 0; channel < request.channels; ++channel) {
            if (isLit(request.pattern, request.channels, step, channel)) {
                steps.light(step, channel);
            }
        }
    }
    QByteArray bytes = steps.take();
    // The rest repeats the first time through, copied in doubling blocks.
    const qsizetype period = length * (request.channels / 8);
    for (qsizetype done = period; done < bytes.size(); done *= 2) {
        std::memcpy(bytes.data() + done, bytes.constData(),
                    static_cast<size_t>(std::min(done, bytes.size() - done)));
    }
    return bytes;
}

} // namespace chaserom
