#include "windows/common/displayhold.h"

namespace chaserom {

DisplayHold::DisplayHold(QObject* parent)
    : QObject(parent) {}

void DisplayHold::hold() {
    m_held = true;
    m_waiting = true;
}

void DisplayHold::release(bool show) {
    m_held = false;
    if (show) {
        flush();
    }
}

void DisplayHold::flush() {
    if (m_waiting && !m_held) {
        m_waiting = false;
        emit due();
    }
}

} // namespace chaserom
