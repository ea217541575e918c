#pragma once

namespace chaserom {

/// The number of rows of a page: 16 consecutive bytes of the image.
inline constexpr int PageRowCount = 16;

/// Whether a page move aligns the address to the step of the channel count: a thumb drag
/// follows the thumb byte by byte, every other move aligns.
enum class Alignment { Aligned, Unaligned };

/// The address aligned to a step of `kanalCount` channels: up to even for 16, down to a
/// multiple of 3 for 24 and of 4 for 32, unchanged for 8.
[[nodiscard]] int alignToStep(int address, int kanalCount);

/// The page address shown for scroll position `position` of a scroll bar whose maximum is
/// `maximum`, over an image of `length` bytes: the position scaled by length / maximum,
/// rounded half to even, aligned, then kept inside the image. Never negative; a maximum of
/// 0 gives 0.
[[nodiscard]] int pageAddressFor(int position, int maximum, int length, int kanalCount,
                                 Alignment alignment);

} // namespace chaserom
