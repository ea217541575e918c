#pragma once

#include "core/colours/bgr.h"
#include "core/geometry/lampstartpositions.h"
#include "core/page/pageaddress.h"

#include <array>

namespace chaserom {

inline constexpr int LedCount = 128;
inline constexpr int StripBarCount = 128;

/// The 16 byte values of a page, row 0 first.
using PageBytes = std::array<quint8, PageRowCount>;

/// Bit `position` of the page, 0 to 127: row position / 8, bit 7 - position % 8. A 1 bit is a
/// dark lamp, a 0 bit a lit one.
[[nodiscard]] constexpr bool bitIsOne(const PageBytes& page, int position) {
    return (page[position / 8] >> (7 - position % 8)) & 1;
}

/// Bar `bar` of the channel strip shows channel bar mod kanalCount of the step at row 0.
[[nodiscard]] constexpr Bgr stripColour(const PageBytes& page, int bar, int kanalCount) {
    return bitIsOne(page, bar % kanalCount) ? Black : White;
}

/// Simulator lamp `lamp` shows channel lamp mod kanalCount, lit in that channel's colour.
[[nodiscard]] constexpr Bgr lampColour(const PageBytes& page, int lamp, int kanalCount,
                                       const ChannelColours& colours) {
    const int channel = lamp % kanalCount;
    return bitIsOne(page, channel) ? Black : colours[channel];
}

} // namespace chaserom
