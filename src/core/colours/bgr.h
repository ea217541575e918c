#pragma once

#include <QtGlobal>
#include <array>

namespace chaserom {

/// A 24-bit colour written 0x00BBGGRR: red in the low byte.
using Bgr = quint32;

inline constexpr Bgr Black = 0x000000;
inline constexpr Bgr White = 0xFFFFFF;
inline constexpr Bgr Red = 0x0000FF;

/// The number of lamp channels that have a colour of their own.
inline constexpr int ChannelColourCount = 32;

/// The colours of channels 0 to 31.
using ChannelColours = std::array<Bgr, ChannelColourCount>;

} // namespace chaserom
