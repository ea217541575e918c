#pragma once

#include <QtGlobal>

namespace chaserom {

/// Only the first 32767 bytes of an image can be reached: its length is capped there.
inline constexpr int MaxImageLength = 32767;
/// The highest address the program writes or lets the user name.
inline constexpr int HighestAddress = MaxImageLength - 1;
/// The largest resized copy: 16 MiB.
inline constexpr qint64 LargestResizedCopy = qint64{16} * 1024 * 1024;
/// Outside the code view an image is worked on at its whole length, up to 16 MiB.
inline constexpr qint64 LargestWholeImage = qint64{16} * 1024 * 1024;

} // namespace chaserom
