#pragma once

#include <QRect>
#include <algorithm>
#include <cmath>
#include <limits>

namespace chaserom {

/// One twip is 1/1440 inch; 15 twips are one logical pixel at 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

/// A length or coordinate in twips as logical pixels, rounded to the nearest pixel.
[[nodiscard]] inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

/// A rectangle given in twips (Left, Top, Width, Height) in logical pixels.
[[nodiscard]] inline QRect twipsRect(double left, double top, double width, double height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

/// A pointer coordinate in logical pixels as twips, not rounded.
[[nodiscard]] constexpr double pixelsToTwips(double pixels) {
    return pixels * TwipsPerPixel;
}

/// A pointer coordinate in twips rounded to a whole twip, halves to even, kept inside the
/// range of a signed 16-bit integer.
[[nodiscard]] inline int roundTwips(double twips) {
    constexpr double low = std::numeric_limits<qint16>::min();
    constexpr double high = std::numeric_limits<qint16>::max();
    return static_cast<int>(std::nearbyint(std::clamp(twips, low, high)));
}

} // namespace chaserom
