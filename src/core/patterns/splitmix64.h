#pragma once

#include <QtGlobal>
#include <limits>

namespace chaserom {

/// SplitMix64 (Steele, Lea and Flood): a tiny generator whose numbers depend on the seed
/// alone, the same on every machine and compiler, unlike the standard distributions.
class SplitMix64 {
public:
    explicit constexpr SplitMix64(quint64 seed)
        : m_state(seed) {}

    constexpr quint64 next() {
        m_state += 0x9E3779B97F4A7C15ULL;
        quint64 z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    /// A number from 0 to bound − 1, every one equally likely: draws that fall in the
    /// incomplete last run of `bound` values are drawn again.
    constexpr quint64 below(quint64 bound) {
        constexpr quint64 Max = std::numeric_limits<quint64>::max();
        const quint64 accepted = Max - Max % bound;
        quint64 draw = next();
        while (draw >= accepted) {
            draw = next();
        }
        return draw % bound;
    }

private:
    quint64 m_state;
};

} // namespace chaserom
