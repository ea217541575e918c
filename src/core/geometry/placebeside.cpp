#include "core/geometry/placebeside.h"

#include <algorithm>
#include <array>

namespace chaserom {

namespace {

int clamped(int value, int low, int high) {
    return std::clamp(value, low, std::max(low, high));
}

} // namespace

QPoint placeBeside(const QRect& avoid, const QSize& size, const QRect& available) {
    const int top = clamped(avoid.top(), available.top(), available.bottom() + 1 - size.height());
    const int left = clamped(avoid.left(), available.left(), available.right() + 1 - size.width());
    struct Side {
        int room;
        int needed;
        QPoint place;
    };
    const std::array<Side, 4> sides{{
        {available.right() - avoid.right(), size.width(), QPoint(avoid.right() + 1, top)},
        {avoid.left() - available.left(), size.width(), QPoint(avoid.left() - size.width(), top)},
        {available.bottom() - avoid.bottom(), size.height(), QPoint(left, avoid.bottom() + 1)},
        {avoid.top() - available.top(), size.height(), QPoint(left, avoid.top() - size.height())},
    }};
    const auto fits = std::ranges::find_if(sides, [](const Side& s) { return s.room >= s.needed; });
    const Side& chosen =
        fits != sides.end()
            ? *fits
            : *std::ranges::max_element(sides, {}, [](const Side& s) { return s.room - s.needed; });
    return {clamped(chosen.place.x(), available.left(), available.right() + 1 - size.width()),
            clamped(chosen.place.y(), available.top(), available.bottom() + 1 - size.height())};
}

} // namespace chaserom
