#include "lamphittest.h"

namespace chaserom {

std::optional<int> lampAt(const LampLayout& lamps, float x, float y) {
    for (int i = static_cast<int>(lamps.size()) - 1; i >= 0; --i) {
        const LampPosition& lamp = lamps[i];
        const float right = lamp.left + LampSide;
        const float bottom = lamp.top + LampSide;
        if (lamp.left < x && x < right && lamp.top < y && y < bottom) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace chaserom
