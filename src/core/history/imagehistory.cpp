#include "core/history/imagehistory.h"

#include <algorithm>
namespace chaserom {

qint64 HistoryStep::memoryBytes() const {
    constexpr qint64 Overhead = 128;
    return Overhead + label.size() * 2 + textBefore.size() * 2 + textAfter.size() * 2 +
           change.before.size() + change.after.size();
}

ImageHistory::ImageHistory(int mostSteps, qint64 mostBytes)
    : m_mostSteps(mostSteps)
    , m_mostBytes(mostBytes) {}

void ImageHistory::clear() {
    m_steps.clear();
    m_done = 0;
    m_bytes = 0;
    m_typingOpen = false;
}

void ImageHistory::push(HistoryStep step) {
    while (m_steps.size() > m_done) {
        m_bytes -= m_steps.back().memoryBytes();
        m_steps.pop_back();
    }
    m_typingOpen = step.typing;
    m_bytes += step.memoryBytes();
    m_steps.push_back(std::move(step));
    ++m_done;
    keepWithinLimits();
}

bool ImageHistory::mergeTyping(qint64 address, const QString& textAfter) {
    if (!m_typingOpen || !canUndo() || canRedo()) {
        return false;
    }
    HistoryStep& last = m_steps.back();
    if (last.kind != HistoryStep::Kind::RowEdit || !last.typing || last.written ||
        last.address != address) {
        return false;
    }
    m_bytes -= last.memoryBytes();
    last.textAfter = textAfter;
    if (last.textAfter == last.textBefore) {
        m_steps.pop_back();
        --m_done;
        m_typingOpen = false;
        return true;
    }
    m_bytes += last.memoryBytes();
    return true;
}

void ImageHistory::stepUndone() {
    --m_done;
    m_typingOpen = false;
}

void ImageHistory::stepRedone() {
    ++m_done;
    m_typingOpen = false;
}

bool ImageHistory::markWritten(qint64 from, qint64 to) {
    bool marked = false;
    for (size_t i = 0; i < m_done; ++i) {
        HistoryStep& step = m_steps[i];
        if (step.kind == HistoryStep::Kind::RowEdit && !step.written && step.address >= from &&
            step.address < to) {
            step.written = true;
            marked = true;
        }
    }
    m_typingOpen = false;
    return marked;
}

bool ImageHistory::dropUnwritten() {
    // Edits the page alone holds are always the last steps: any page move or whole-image
    // change writes them back or drops them first. So only the end is looked at, which keeps
    // a page read cheap however long the history.
    const size_t before = m_steps.size();
    while (!m_steps.empty() && m_steps.back().kind == HistoryStep::Kind::RowEdit &&
           !m_steps.back().written) {
        m_bytes -= m_steps.back().memoryBytes();
        m_steps.pop_back();
        m_done = std::min(m_done, m_steps.size());
    }
    m_typingOpen = false;
    return m_steps.size() != before;
}

void ImageHistory::keepWithinLimits() {
    while (!m_steps.empty() &&
           (static_cast<int>(m_steps.size()) > m_mostSteps || m_bytes > m_mostBytes) &&
           m_done > 0) {
        m_bytes -= m_steps.front().memoryBytes();
        m_steps.pop_front();
        --m_done;
    }
}

} // namespace chaserom
