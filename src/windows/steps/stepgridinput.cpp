#include "core/steps/stepsmodel.h"
#include "windows/steps/stepgridview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

// The grid's pointer and keys: strokes of lamps, selections of whole steps, the cursor, the
// wheel's zoom.
namespace chaserom {

QPoint StepGridView::gridPoint(const QPointF& viewportPoint) const {
    return {static_cast<int>(std::floor(viewportPoint.x())) + horizontalScrollBar()->value(),
            static_cast<int>(std::floor(viewportPoint.y())) + verticalScrollBar()->value()};
}

void StepGridView::paintLampAt(const QPoint& point) {
    const StepGridLayout grid = layout();
    const auto channel = grid.channelAt(point.x());
    if (!channel || point.y() < 0 || point.y() >= grid.height(m_steps.stepCount())) {
        return;
    }
    const int step = grid.stepAt(point.y(), m_steps.stepCount());
    if (qint64{step} * m_steps.stepLength() + *channel / 8 >= m_steps.length()) {
        return;
    }
    const qint64 key = lampKey(step, *channel);
    if (!m_stroke.contains(key)) {
        m_stroke.insert(key, {step, *channel, m_strokeLit});
        repaintSteps(step, step);
    }
}

void StepGridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_steps.stepCount() == 0) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint point = gridPoint(event->position());
    const StepGridLayout grid = layout();
    const int step = grid.stepAt(point.y(), m_steps.stepCount());
    if (grid.isInAddressColumn(point.x())) {
        if (event->modifiers() & Qt::ShiftModifier) {
            extendSelection(step);
        } else {
            m_anchorStep = step;
            setSelection(StepSpan{step, 1});
        }
        setCursor(step, m_cursorChannel);
        m_selecting = true;
        return;
    }
    const auto channel = grid.channelAt(point.x());
    if (!channel) {
        return;
    }
    // Painting is no selecting: what was selected is let go, as in any editor.
    setSelection(std::nullopt);
    setCursor(step, *channel);
    m_stroking = true;
    m_strokeLit = !m_steps.isLit(step, *channel);
    m_stroke.clear();
    m_lastStrokePoint = point;
    paintLampAt(point);
}

void StepGridView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = gridPoint(event->position());
    if (m_selecting) {
        const int step = layout().stepAt(point.y(), m_steps.stepCount());
        extendSelection(step);
        setCursor(step, m_cursorChannel);
        return;
    }
    if (!m_stroking) {
        return;
    }
    // A fast drag jumps over cells: every cell on the way is painted.
    const QPoint from = m_lastStrokePoint;
    const int distance = std::max(std::abs(point.x() - from.x()), std::abs(point.y() - from.y()));
    const int samples = std::max(1, distance * 2 / std::max(m_cell, 1));
    for (int i = 1; i <= samples; ++i) {
        paintLampAt(from + (point - from) * i / samples);
    }
    m_lastStrokePoint = point;
}

void StepGridView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_selecting = false;
    if (!std::exchange(m_stroking, false)) {
        return;
    }
    QList<PaintedLamp> lamps;
    for (const PaintedLamp& lamp : std::as_const(m_stroke)) {
        if (m_steps.isLit(lamp.step, lamp.channel) != lamp.lit) {
            lamps << lamp;
        }
    }
    std::sort(lamps.begin(), lamps.end(), [](const PaintedLamp& a, const PaintedLamp& b) {
        return lampKey(a.step, a.channel) < lampKey(b.step, b.channel);
    });
    if (!lamps.isEmpty()) {
        emit lampsPainted(lamps);
    }
    m_stroke.clear();
    viewport()->update();
}

void StepGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint point = gridPoint(event->position());
    const StepGridLayout grid = layout();
    if (event->button() == Qt::LeftButton && grid.isInAddressColumn(point.x()) &&
        m_steps.stepCount() > 0) {
        emit pageRequested(grid.stepAt(point.y(), m_steps.stepCount()) * m_steps.stepLength());
        return;
    }
    // The second press of a double-click in the cells is no click of its own: the stroke
    // it began is dropped, and a lamp double-clicked flips once, as an LED of the code view.
    m_stroking = false;
    m_stroke.clear();
    viewport()->update();
}

void StepGridView::extendSelection(int step) {
    const int first = std::min(m_anchorStep, step);
    const int last = std::max(m_anchorStep, step);
    setSelection(StepSpan{first, last - first + 1});
}

void StepGridView::moveCursor(int step, int channel, bool extend) {
    if (extend && !m_selection) {
        m_anchorStep = m_cursorStep;
    }
    if (!extend && step != m_cursorStep) {
        setSelection(std::nullopt);
    }
    setCursor(step, channel);
    if (extend) {
        extendSelection(m_cursorStep);
    }
}

void StepGridView::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int page = std::max(1, viewport()->height() / m_cell - 1);
    switch (event->key()) {
    case Qt::Key_Up:
        moveCursor(m_cursorStep - 1, m_cursorChannel, shift);
        break;
    case Qt::Key_Down:
        moveCursor(m_cursorStep + 1, m_cursorChannel, shift);
        break;
    case Qt::Key_Left:
        moveCursor(m_cursorStep, m_cursorChannel - 1, false);
        break;
    case Qt::Key_Right:
        moveCursor(m_cursorStep, m_cursorChannel + 1, false);
        break;
    case Qt::Key_PageUp:
        moveCursor(m_cursorStep - page, m_cursorChannel, shift);
        break;
    case Qt::Key_PageDown:
        moveCursor(m_cursorStep + page, m_cursorChannel, shift);
        break;
    case Qt::Key_Home:
        moveCursor(0, m_cursorChannel, shift);
        break;
    case Qt::Key_End:
        moveCursor(m_steps.stepCount() - 1, m_cursorChannel, shift);
        break;
    case Qt::Key_Space:
        if (m_steps.stepCount() > 0 &&
            qint64{m_cursorStep} * m_steps.stepLength() + m_cursorChannel / 8 < m_steps.length()) {
            emit lampsPainted(
                {{m_cursorStep, m_cursorChannel, !m_steps.isLit(m_cursorStep, m_cursorChannel)}});
        }
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void StepGridView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        zoom(event->angleDelta().y() > 0 ? 1 : -1);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

} // namespace chaserom
