#include "core/colours/contrast.h"

#include <algorithm>
#include <cmath>

namespace chaserom {

namespace {

double linear(unsigned channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(Bgr colour) {
    return 0.2126 * linear(colour & 0xFF) + 0.7152 * linear((colour >> 8) & 0xFF) +
           0.0722 * linear((colour >> 16) & 0xFF);
}

} // namespace

double contrastRatio(Bgr first, Bgr second) {
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool blackTextReadsOn(Bgr background) {
    return contrastRatio(background, Black) >= contrastRatio(background, White);
}

} // namespace chaserom
