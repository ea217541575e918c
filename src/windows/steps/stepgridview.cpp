#include "windows/steps/stepgridview.h"

#include "core/colours/channelcolourmodel.h"
#include "core/steps/stepsmodel.h"
#include "render/bgrcolour.h"
#include "windows/common/displayhold.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace chaserom {

namespace {

constexpr QColor Dark = QColor(0, 0, 0);
constexpr QColor Lit = QColor(255, 255, 255);
/// The rows' background, seen in the gaps between cells.
constexpr QColor Gaps = QColor(64, 64, 64);
constexpr QColor PageMark = QColor(255, 240, 170);
constexpr QColor PlayingMark = QColor(255, 170, 60);
constexpr QColor DifferenceMark = QColor(235, 90, 90);
constexpr QColor CursorFrame = QColor(255, 200, 0);

qint64 lampKey(int step, int channel) {
    return qint64{step} * 32 + channel;
}

} // namespace

StepGridView::StepGridView(const StepsModel& steps, const ChannelColourModel& colours,
                           DisplayHold& display, QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_steps(steps)
    , m_colours(colours)
    , m_display(display) {
    setObjectName(QStringLiteral("StepGrid"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(false);
    connectModel();
    updateScrollBars();
}

void StepGridView::connectModel() {
    connect(&m_steps, &StepsModel::reset, this, [this] {
        m_preview.reset();
        m_stroke.clear();
        m_cursorStep = std::clamp(m_cursorStep, 0, std::max(m_steps.stepCount() - 1, 0));
        m_cursorChannel = std::clamp(m_cursorChannel, 0, m_steps.channelCount() - 1);
        if (m_selection) {
            setSelection(std::nullopt);
        }
        updateScrollBars();
        viewport()->update();
    });
    connect(&m_steps, &StepsModel::stepsChanged, this, &StepGridView::repaintSteps);
    connect(&m_steps, &StepsModel::pageMoved, this, [this] {
        // The page's marks move with every playback step: shown once a frame while the
        // display is held.
        if (m_display.isHeld()) {
            m_repaintHeld = true;
            return;
        }
        viewport()->update();
        followPage();
    });
    connect(&m_display, &DisplayHold::due, this, &StepGridView::showHeldChanges);
    connect(&m_colours, &ChannelColourModel::colourChanged, viewport(),
            qOverload<>(&QWidget::update));
    connect(&m_colours, &ChannelColourModel::coloursReplaced, viewport(),
            qOverload<>(&QWidget::update));
}

void StepGridView::showHeldChanges() {
    if (std::exchange(m_repaintHeld, false)) {
        viewport()->update();
        followPage();
    }
}

void StepGridView::followPage() {
    if (m_playing && m_follow) {
        ensureStepVisible(m_steps.firstPageStep());
    }
}

void StepGridView::repaintSteps(int first, int last) {
    if (m_display.isHeld()) {
        m_repaintHeld = true;
        return;
    }
    const int top = verticalScrollBar()->value();
    const StepGridLayout grid = layout();
    viewport()->update(QRect(0, grid.stepTop(first) - top, viewport()->width(),
                             grid.stepTop(last + 1) - grid.stepTop(first)));
}

int StepGridView::addressColumnWidth() const {
    return fontMetrics().horizontalAdvance(QStringLiteral("32766  7FFE")) + 12;
}

StepGridLayout StepGridView::layout() const {
    return {m_cell, m_steps.channelCount(), addressColumnWidth()};
}

void StepGridView::setCell(int cell) {
    const int clamped = std::clamp(cell, StepGridLayout::SmallestCell, StepGridLayout::LargestCell);
    if (clamped == m_cell) {
        return;
    }
    // The step at the top of the view stays there.
    const int topStep = verticalScrollBar()->value() / m_cell;
    m_cell = clamped;
    updateScrollBars();
    verticalScrollBar()->setValue(topStep * m_cell);
    viewport()->update();
}

void StepGridView::zoom(int direction) {
    setCell(StepGridLayout::zoomed(m_cell, direction));
}

void StepGridView::setChannelColoursShown(bool shown) {
    m_channelColours = shown;
    viewport()->update();
}

void StepGridView::setPlaying(bool playing) {
    m_playing = playing;
    viewport()->update();
    followPage();
}

void StepGridView::setCursor(int step, int channel) {
    const int steps = m_steps.stepCount();
    step = std::clamp(step, 0, std::max(steps - 1, 0));
    channel = std::clamp(channel, 0, m_steps.channelCount() - 1);
    if (step == m_cursorStep && channel == m_cursorChannel) {
        return;
    }
    repaintSteps(m_cursorStep, m_cursorStep);
    m_cursorStep = step;
    m_cursorChannel = channel;
    repaintSteps(step, step);
    ensureStepVisible(step);
}

std::optional<StepSpan> StepGridView::selection() const {
    return m_selection;
}

void StepGridView::setSelection(std::optional<StepSpan> span) {
    if (span && span->count <= 0) {
        span.reset();
    }
    if (span == m_selection) {
        return;
    }
    m_selection = span;
    viewport()->update();
    emit selectionChanged();
}

void StepGridView::selectAll() {
    m_anchorStep = 0;
    setSelection(StepSpan{0, m_steps.stepCount()});
}

void StepGridView::setDifferences(QList<StepSpan> differences) {
    m_differences = std::move(differences);
    viewport()->update();
}

void StepGridView::setPreview(std::optional<QByteArray> bytes) {
    m_preview = std::move(bytes);
    viewport()->update();
}

void StepGridView::ensureStepVisible(int step) {
    const int top = layout().stepTop(step);
    QScrollBar* bar = verticalScrollBar();
    if (top < bar->value()) {
        bar->setValue(top);
    } else if (top + m_cell > bar->value() + viewport()->height()) {
        bar->setValue(top + m_cell - viewport()->height());
    }
}

QRect StepGridView::cellRect(int step, int channel) const {
    const StepGridLayout grid = layout();
    return {grid.channelLeft(channel) - horizontalScrollBar()->value(),
            grid.stepTop(step) - verticalScrollBar()->value(), m_cell, m_cell};
}

QRect StepGridView::addressRect(int step) const {
    const StepGridLayout grid = layout();
    return {-horizontalScrollBar()->value(), grid.stepTop(step) - verticalScrollBar()->value(),
            grid.addressWidth(), m_cell};
}

void StepGridView::updateScrollBars() {
    const StepGridLayout grid = layout();
    verticalScrollBar()->setRange(
        0, std::max(0, grid.height(m_steps.stepCount()) - viewport()->height()));
    verticalScrollBar()->setSingleStep(m_cell);
    verticalScrollBar()->setPageStep(viewport()->height());
    horizontalScrollBar()->setRange(0, std::max(0, grid.width() - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void StepGridView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

bool StepGridView::shownLit(int step, int channel) const {
    if (const auto painted = m_stroke.constFind(lampKey(step, channel));
        painted != m_stroke.constEnd()) {
        return painted->lit;
    }
    if (m_preview) {
        return isLampLit(*m_preview, m_steps.stepLength(), step, channel);
    }
    return m_steps.isLit(step, channel);
}

QColor StepGridView::litColour(int channel) const {
    return m_channelColours ? toQColor(m_colours.colour(channel)) : Lit;
}

void StepGridView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    painter.fillRect(area, palette().color(QPalette::Window));
    const StepGridLayout grid = layout();
    const int top = verticalScrollBar()->value();
    const int left = horizontalScrollBar()->value();
    const auto visible = grid.visibleSteps(top + area.top(), area.height(), m_steps.stepCount());
    painter.translate(-left, 0);
    for (int step = visible.first; step <= visible.last; ++step) {
        const int y = grid.stepTop(step) - top;
        paintAddress(painter, step, QRect(0, y, grid.addressWidth(), m_cell));
        paintCells(painter, step, grid, y);
    }
}

void StepGridView::paintAddress(QPainter& painter, int step, const QRect& rect) const {
    const bool onPage = step >= m_steps.firstPageStep() && step <= m_steps.lastPageStep();
    const bool selected =
        m_selection && step >= m_selection->first && step < m_selection->first + m_selection->count;
    QColor background = palette().color(QPalette::Base);
    if (onPage) {
        background = m_playing && step == m_steps.firstPageStep() ? PlayingMark : PageMark;
    }
    if (selected) {
        background = palette().color(QPalette::Highlight);
    }
    painter.fillRect(rect, background);
    const bool differs =
        std::any_of(m_differences.begin(), m_differences.end(),
                    [step](StepSpan s) { return step >= s.first && step < s.first + s.count; });
    if (differs) {
        painter.fillRect(QRect(rect.left(), rect.top(), 4, rect.height()), DifferenceMark);
    }
    const int textHeight = fontMetrics().height();
    // Small rows show an address every few steps, where it fits.
    const int every = std::max(1, (textHeight + m_cell - 1) / m_cell);
    if (step % every != 0) {
        return;
    }
    const int address = step * m_steps.stepLength();
    painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(QRect(rect.left() + 6, rect.top(), rect.width() - 8, textHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("%1  %2")
                         .arg(address, 5)
                         .arg(QString::number(address, 16).toUpper(), 4, u'0'));
}

void StepGridView::paintCells(QPainter& painter, int step, const StepGridLayout& grid,
                              int y) const {
    const bool selected =
        m_selection && step >= m_selection->first && step < m_selection->first + m_selection->count;
    painter.fillRect(QRect(grid.addressWidth(), y, grid.width() - grid.addressWidth(), m_cell),
                     selected ? palette().color(QPalette::Highlight) : Gaps);
    const qint64 stepAddress = qint64{step} * m_steps.stepLength();
    const int inset = m_cell >= 6 ? 1 : 0;
    for (int channel = 0; channel < grid.channels(); ++channel) {
        if (stepAddress + channel / 8 >= m_steps.length()) {
            break; // a last step cut short
        }
        const QRect cell(grid.channelLeft(channel), y, m_cell - inset, m_cell - inset);
        painter.fillRect(cell, shownLit(step, channel) ? litColour(channel) : Dark);
    }
    if (step == m_cursorStep) {
        painter.setPen(QPen(CursorFrame, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            QRect(grid.channelLeft(m_cursorChannel), y, m_cell, m_cell).adjusted(1, 1, -1, -1));
    }
}

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
