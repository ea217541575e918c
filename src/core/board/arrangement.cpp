#include "core/board/arrangement.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chaserom {

namespace {

/// The centre of the circle through three points, or none when they lie on one line.
std::optional<LampPosition> circleCentre(LampPosition a, LampPosition b, LampPosition c) {
    const double d =
        2.0 * (a.left * (b.top - c.top) + b.left * (c.top - a.top) + c.left * (a.top - b.top));
    if (std::abs(d) < 1e-6) {
        return std::nullopt;
    }
    const double aa = a.left * a.left + a.top * a.top;
    const double bb = b.left * b.left + b.top * b.top;
    const double cc = c.left * c.left + c.top * c.top;
    return LampPosition{
        static_cast<float>((aa * (b.top - c.top) + bb * (c.top - a.top) + cc * (a.top - b.top)) /
                           d),
        static_cast<float>(
            (aa * (c.left - b.left) + bb * (a.left - c.left) + cc * (b.left - a.left)) / d)};
}

/// The angle from `start` to `end` going counter-clockwise, in [0, 2π).
double counterClockwise(double start, double end) {
    const double full = 2 * std::numbers::pi;
    return std::fmod(std::fmod(end - start, full) + full, full);
}

/// Every lamp at the smallest value of one coordinate among them.
std::vector<LampPosition> alignedOn(const std::vector<LampPosition>& lamps,
                                    float LampPosition::*coordinate) {
    std::vector<LampPosition> arranged = lamps;
    if (lamps.empty()) {
        return arranged;
    }
    const auto lowest = std::min_element(
        lamps.begin(), lamps.end(), [&](auto a, auto b) { return a.*coordinate < b.*coordinate; });
    for (LampPosition& lamp : arranged) {
        lamp.*coordinate = (*lowest).*coordinate;
    }
    return arranged;
}

} // namespace

std::vector<LampPosition> arrangedInRow(const std::vector<LampPosition>& lamps) {
    if (lamps.size() < 2) {
        return lamps;
    }
    const LampPosition first = lamps.front();
    const LampPosition last = lamps.back();
    const auto spans = static_cast<float>(lamps.size() - 1);
    std::vector<LampPosition> arranged;
    for (size_t i = 0; i < lamps.size(); ++i) {
        const float t = static_cast<float>(i) / spans;
        arranged.push_back(
            {first.left + (last.left - first.left) * t, first.top + (last.top - first.top) * t});
    }
    return arranged;
}

std::vector<LampPosition> arrangedInColumn(const std::vector<LampPosition>& lamps) {
    std::vector<LampPosition> arranged = arrangedInRow(lamps);
    for (LampPosition& lamp : arranged) {
        lamp.left = lamps.front().left;
    }
    return arranged;
}

std::vector<LampPosition> arrangedOnArc(const std::vector<LampPosition>& lamps) {
    if (lamps.size() < 3) {
        return arrangedInRow(lamps);
    }
    const LampPosition first = lamps.front();
    const LampPosition middle = lamps[lamps.size() / 2];
    const LampPosition last = lamps.back();
    const auto centre = circleCentre(first, middle, last);
    if (!centre) {
        return arrangedInRow(lamps);
    }
    const auto angleOf = [&](LampPosition p) {
        return std::atan2(p.top - centre->top, p.left - centre->left);
    };
    const double radius = std::hypot(first.left - centre->left, first.top - centre->top);
    const double start = angleOf(first);
    double sweep = counterClockwise(start, angleOf(last));
    // The arc that passes through the middle lamp: the other way round otherwise.
    if (counterClockwise(start, angleOf(middle)) > sweep) {
        sweep -= 2 * std::numbers::pi;
    }
    std::vector<LampPosition> arranged;
    const auto spans = static_cast<double>(lamps.size() - 1);
    for (size_t i = 0; i < lamps.size(); ++i) {
        const double angle = start + sweep * static_cast<double>(i) / spans;
        arranged.push_back({static_cast<float>(centre->left + radius * std::cos(angle)),
                            static_cast<float>(centre->top + radius * std::sin(angle))});
    }
    arranged.front() = first;
    arranged.back() = last;
    return arranged;
}

std::vector<LampPosition> arrangedInGrid(const std::vector<LampPosition>& lamps, int columns,
                                         float spacing) {
    if (lamps.empty() || columns < 1) {
        return lamps;
    }
    const LampPosition origin = lamps.front();
    std::vector<LampPosition> arranged;
    for (size_t i = 0; i < lamps.size(); ++i) {
        const int column = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns; // whole rows above this lamp
        arranged.push_back({origin.left + static_cast<float>(column) * spacing,
                            origin.top + static_cast<float>(row) * spacing});
    }
    return arranged;
}

std::vector<LampPosition> alignedTop(const std::vector<LampPosition>& lamps) {
    return alignedOn(lamps, &LampPosition::top);
}

std::vector<LampPosition> alignedLeft(const std::vector<LampPosition>& lamps) {
    return alignedOn(lamps, &LampPosition::left);
}

LampPosition snapped(LampPosition position, float step) {
    if (step <= 0) {
        return position;
    }
    return {std::round(position.left / step) * step, std::round(position.top / step) * step};
}

} // namespace chaserom
