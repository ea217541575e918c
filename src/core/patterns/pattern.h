#pragma once

#include <QByteArray>
#include <QStringView>
#include <array>
#include <optional>

namespace chaserom {

/// The effects that can be generated into an image.
enum class Pattern { Chase, ChaseBack, Bounce, Fill, Empty, Blink, Counter, Random };

/// A pattern and the name it goes by on the command line.
struct NamedPattern {
    const char* name;
    Pattern pattern;
};

inline constexpr std::array<NamedPattern, 8> PatternNames = {{
    {"chase", Pattern::Chase},
    {"chase-back", Pattern::ChaseBack},
    {"bounce", Pattern::Bounce},
    {"fill", Pattern::Fill},
    {"empty", Pattern::Empty},
    {"blink", Pattern::Blink},
    {"counter", Pattern::Counter},
    {"random", Pattern::Random},
}};

/// The pattern of a name, or empty.
[[nodiscard]] std::optional<Pattern> patternNamed(QStringView name);

/// A counter runs through at most this many steps, even on 24 or 32 channels.
inline constexpr qint64 CounterStepLimit = 65536;

/// What to generate. Channel 0 is bit 7 of a step's first byte, channel 8 bit 7 of its
/// second; a lit channel is a 0 bit.
struct PatternRequest {
    Pattern pattern = Pattern::Chase;
    /// 8, 16, 24 or 32.
    int channels = 8;
    /// How many steps; a longer run than the pattern's own length repeats it (random
    /// draws on).
    qint64 steps = 0;
    /// For random: how many channels each step lights, 0 to `channels`.
    int lit = 1;
    /// For random: the generator's seed.
    quint64 seed = 1;
};

/// The steps of a pattern once through: chase, chase-back and fill C, bounce 2C − 2 (the
/// ends not doubled), blink 2, counter 2^C up to 65536, random C.
[[nodiscard]] qint64 patternLength(Pattern pattern, int channels);

/// The bytes of the request's steps, C / 8 bytes a step. Random lights exactly `lit`
/// channels a step: SplitMix64 from the seed, and for each step a partial Fisher–Yates
/// shuffle of the channels 0 to C − 1 (for i from 0 to lit − 1, swap place i with place
/// i + below(C − i)) whose first `lit` places are lit.
[[nodiscard]] QByteArray generatePattern(const PatternRequest& request);

} // namespace chaserom
