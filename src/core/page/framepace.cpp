#include "core/page/framepace.h"

namespace chaserom {

void FramePace::setRefreshRate(double hertz) {
    m_framePeriodNs = static_cast<qint64>(1e9 / (hertz > 0 ? hertz : DefaultRefreshRate));
}

bool FramePace::stepsOutpaceFrames(int intervalMs) const {
    return qint64{intervalMs} * 1'000'000 < m_framePeriodNs;
}

bool FramePace::frameDue(qint64 nowNs) {
    if (m_lastFrameNs >= 0 && nowNs - m_lastFrameNs < m_framePeriodNs) {
        return false;
    }
    m_lastFrameNs = nowNs;
    return true;
}

} // namespace chaserom
