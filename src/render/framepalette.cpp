#include "render/framepalette.h"

#include <algorithm>
#include <array>
#include <limits>
#include <tuple>

namespace chaserom {

namespace {

constexpr int MaxColours = 256;

/// A colour of the backdrop and how many pixels show it.
struct CountedColour {
    QRgb colour;
    qint64 count;
};

int channel(QRgb colour, int axis) {
    return static_cast<int>((colour >> (16 - 8 * axis)) & 0xFF);
}

/// A box of colours that median cut splits along its widest channel.
struct ColourBox {
    using Iterator = std::vector<CountedColour>::iterator;

    ColourBox(Iterator first, Iterator last)
        : begin(first)
        , end(last) {
        std::tie(axis, range) = widestAxis();
    }

    Iterator begin;
    Iterator end;
    int axis = 0;
    int range = 0;

    [[nodiscard]] std::pair<int, int> widestAxis() const {
        std::array<int, 3> low{255, 255, 255};
        std::array<int, 3> high{0, 0, 0};
        for (auto it = begin; it != end; ++it) {
            for (int axis = 0; axis < 3; ++axis) {
                low[axis] = std::min(low[axis], channel(it->colour, axis));
                high[axis] = std::max(high[axis], channel(it->colour, axis));
            }
        }
        int widest = 0;
        for (int axis = 1; axis < 3; ++axis) {
            if (high[axis] - low[axis] > high[widest] - low[widest]) {
                widest = axis;
            }
        }
        return {widest, high[widest] - low[widest]};
    }

    [[nodiscard]] QRgb average() const {
        std::array<qint64, 3> sums{};
        qint64 pixels = 0;
        for (auto it = begin; it != end; ++it) {
            for (int axis = 0; axis < 3; ++axis) {
                sums[axis] += channel(it->colour, axis) * it->count;
            }
            pixels += it->count;
        }
        const auto mean = [&](int axis) {
            return static_cast<int>((sums[axis] + pixels / 2) / pixels);
        };
        return qRgb(mean(0), mean(1), mean(2));
    }
};

int distance(QRgb a, QRgb b) {
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

} // namespace

FramePalette::FramePalette(std::span<const QRgb> exactColours, const QImage& backdrop) {
    m_colours.push_back(qRgb(0, 0, 0)); // the unchanged index: its colour is never shown
    for (const QRgb exact : exactColours) {
        const QRgb opaque = exact | 0xFF000000U;
        if (!m_indices.contains(opaque)) {
            m_indices.insert(opaque, static_cast<quint8>(m_colours.size()));
            m_colours.push_back(opaque);
        }
    }
    addBackdropColours(backdrop, MaxColours - static_cast<int>(m_colours.size()));
    m_usedColours = m_colours.size();
    size_t tableSize = 2;
    while (tableSize < m_colours.size()) {
        tableSize *= 2;
    }
    m_colours.resize(tableSize, qRgb(0, 0, 0));
}

void FramePalette::addBackdropColours(const QImage& backdrop, int budget) {
    const QImage pixels = backdrop.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qint64> histogram;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb colour = line[x] | 0xFF000000U;
            if (!m_indices.contains(colour)) {
                ++histogram[colour];
            }
        }
    }
    std::vector<CountedColour> colours;
    colours.reserve(static_cast<size_t>(histogram.size()));
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it) {
        colours.push_back({it.key(), it.value()});
    }
    if (colours.empty() || budget <= 0) {
        return;
    }
    // Median cut: split the box with the widest range at the median pixel of that range
    // until the budget is spent or no box holds two colours.
    std::vector<ColourBox> boxes{ColourBox(colours.begin(), colours.end())};
    while (static_cast<int>(boxes.size()) < budget) {
        const auto widest =
            std::max_element(boxes.begin(), boxes.end(),
                             [](const auto& a, const auto& b) { return a.range < b.range; });
        if (widest->range == 0) {
            break;
        }
        const int axis = widest->axis;
        std::sort(widest->begin, widest->end, [axis](const auto& a, const auto& b) {
            return channel(a.colour, axis) < channel(b.colour, axis);
        });
        ColourBox& box = *widest;
        qint64 total = 0;
        for (auto it = box.begin; it != box.end; ++it) {
            total += it->count;
        }
        auto median = box.begin;
        for (qint64 seen = 0; median != box.end - 1 && seen + median->count <= total / 2;
             ++median) {
            seen += median->count;
        }
        if (median == box.begin) {
            ++median;
        }
        const ColourBox upper(median, box.end);
        box = ColourBox(box.begin, median);
        boxes.push_back(upper);
    }
    for (const ColourBox& box : boxes) {
        const auto index = static_cast<quint8>(m_colours.size());
        m_colours.push_back(box.average());
        for (auto it = box.begin; it != box.end; ++it) {
            m_indices.insert(it->colour, index);
        }
    }
}

quint8 FramePalette::nearestIndex(QRgb colour) const {
    quint8 nearest = 1;
    int best = std::numeric_limits<int>::max();
    for (size_t i = 1; i < m_usedColours; ++i) {
        const int d = distance(colour, m_colours[i]);
        if (d < best) {
            best = d;
            nearest = static_cast<quint8>(i);
        }
    }
    return nearest;
}

quint8 FramePalette::indexOf(QRgb colour) {
    colour |= 0xFF000000U;
    // Frames hold long runs of one colour: the last answer is often the next one.
    if (m_hasLast && colour == m_lastColour) {
        return m_lastIndex;
    }
    auto found = m_indices.constFind(colour);
    if (found == m_indices.constEnd()) {
        found = m_indices.insert(colour, nearestIndex(colour));
    }
    m_hasLast = true;
    m_lastColour = colour;
    m_lastIndex = *found;
    return *found;
}

} // namespace chaserom
