#include "windows/steps/stepgridview.h"

#include "core/board/programchoice.h"
#include "core/colours/channelcolourmodel.h"
#include "core/steps/stepsmodel.h"
#include "render/bgrcolour.h"
#include "windows/common/displayhold.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
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
/// The line over every program's first step.
constexpr QColor ProgramLine = QColor(80, 160, 255);

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
    const int address = fontMetrics().horizontalAdvance(QStringLiteral("32766  7FFE")) + 12;
    // Room for the program numbers while the board has programs.
    const bool programs = m_programs && m_programs->stepsPerProgram() != 0;
    return programs ? address + fontMetrics().horizontalAdvance(QStringLiteral("P99999")) : address;
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
        paintProgramStart(painter, step, grid, y);
    }
}

void StepGridView::setPrograms(const ProgramChoice* programs) {
    m_programs = programs;
    if (m_programs) {
        connect(m_programs, &ProgramChoice::changed, this, [this] {
            updateScrollBars();
            viewport()->update();
        });
    }
    viewport()->update();
}

void StepGridView::paintProgramStart(QPainter& painter, int step, const StepGridLayout& grid,
                                     int y) const {
    const auto program = m_programs ? m_programs->programStartingAt(step) : std::nullopt;
    if (!program) {
        return;
    }
    painter.fillRect(QRect(0, y, grid.width(), 2), ProgramLine);
    // The number where it fits: over the program's rows, on the right of the address.
    if (m_programs->stepsPerProgram() * m_cell < fontMetrics().height()) {
        return;
    }
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(ProgramLine);
    painter.drawText(QRect(0, y + 1, grid.addressWidth() - 4, fontMetrics().height()),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("P%1").arg(*program));
    painter.setFont(font());
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

} // namespace chaserom
