#pragma once

#include "core/history/historystep.h"

#include <deque>

namespace chaserom {

/// The steps that can be undone and redone, oldest first: a row edit, or a change of the
/// file's bytes and length. It keeps only what each step changed, never a copy of the whole
/// image, and at most `mostSteps` steps and `mostBytes` bytes: the oldest go first.
///
/// Row edits that only the page holds leave the history when the page is read again (they
/// were never kept), and so do undone ones waiting to be redone then.
class ImageHistory {
public:
    static constexpr int MostSteps = 1000;
    static constexpr qint64 MostBytes = qint64{64} * 1024 * 1024;

    explicit ImageHistory(int mostSteps = MostSteps, qint64 mostBytes = MostBytes);

    void clear();

    /// Adds a step after the last one done; what could have been redone is dropped.
    void push(HistoryStep step);
    /// Joins text typed into the row at `address` to the last step when that is typing
    /// into the same row still going on; true when it did. A step typed back to the text it
    /// started from leaves the history.
    [[nodiscard]] bool mergeTyping(qint64 address, const QString& textAfter);
    /// The typing into a row has ended: the next characters make a new step.
    void endTyping() { m_typingOpen = false; }

    [[nodiscard]] bool canUndo() const { return m_done > 0; }
    [[nodiscard]] bool canRedo() const { return m_done < m_steps.size(); }
    /// The step an undo would take back, and the step a redo would make again.
    [[nodiscard]] const HistoryStep& undoStep() const { return m_steps[m_done - 1]; }
    [[nodiscard]] const HistoryStep& redoStep() const { return m_steps[m_done]; }
    void stepUndone();
    void stepRedone();

    /// Row edits of the page done at addresses from..to - 1 have been written back; true
    /// when there were any.
    bool markWritten(qint64 from, qint64 to);
    /// Every row edit the page alone held leaves: the page was read again. True when there
    /// were any.
    bool dropUnwritten();

    [[nodiscard]] int size() const { return static_cast<int>(m_steps.size()); }
    [[nodiscard]] qint64 memoryBytes() const { return m_bytes; }

private:
    void keepWithinLimits();

    std::deque<HistoryStep> m_steps;
    /// How many steps, from the first, are done; the rest can be redone.
    size_t m_done = 0;
    qint64 m_bytes = 0;
    bool m_typingOpen = false;
    int m_mostSteps;
    qint64 m_mostBytes;
};

} // namespace chaserom
