#include "core/board/boardlamps.h"

#include "core/board/boardfile.h"

#include <algorithm>

namespace chaserom {

BoardLamps::BoardLamps(QObject* parent)
    : QObject(parent) {}

LampLayout BoardLamps::shownLayout() const {
    LampLayout shown = m_positions;
    std::fill(shown.begin() + m_count, shown.end(), HiddenLamp);
    return shown;
}

void BoardLamps::setPositions(const LampLayout& positions) {
    if (m_positions == positions) {
        return;
    }
    m_positions = positions;
    emit changed();
}

void BoardLamps::setCount(int count) {
    count = std::clamp(count, 1, LampCount);
    if (m_count == count) {
        return;
    }
    m_count = count;
    emit changed();
}

void BoardLamps::takeShownLayout(const LampLayout& shown) {
    LampLayout positions = m_positions;
    std::copy_n(shown.begin(), m_count, positions.begin());
    setPositions(positions);
}

} // namespace chaserom
