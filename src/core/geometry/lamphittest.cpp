#include "core/geometry/lamphittest.h"

namespace chaserom {

std::optional<int> lampAt(const LampLayout& lamps, float x, float y) {
    for (int i = static_cast<int>(lamps.size()) - 1; i >= 0; --i) {
        const LampPosition& lamp = lamps[i];
        // The bounds in single precision, as the positions are kept.
        constexpr auto side = static_cast<float>(LampDiameter);
        const float right = lamp.left + side;
        const float bottom = lamp.top + side;
        if (lamp.left < x && x < right && lamp.top < y && y < bottom) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace chaserom
