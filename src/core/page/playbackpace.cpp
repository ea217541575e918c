#include "core/page/playbackpace.h"

#include <algorithm>

namespace chaserom {

namespace {

constexpr qint64 NsPerMs = 1'000'000;
/// How early a tick may come and still count as on time: half an interval, at most 2 ms.
constexpr qint64 mostEarlyNs(qint64 intervalNs) {
    return std::min(intervalNs / 2, 2 * NsPerMs);
}

} // namespace

void PlaybackPace::restart(qint64 nowNs) {
    m_creditedNs = nowNs;
}

int PlaybackPace::stepsDue(qint64 nowNs, int intervalMs) {
    const qint64 intervalNs = std::max(intervalMs, 1) * NsPerMs;
    const qint64 due = (nowNs - m_creditedNs + mostEarlyNs(intervalNs)) / intervalNs;
    if (due > MostStepsPerTick) {
        m_creditedNs = nowNs;
        return MostStepsPerTick;
    }
    if (due < 1) {
        return 0;
    }
    m_creditedNs += due * intervalNs;
    return static_cast<int>(due);
}

} // namespace chaserom
