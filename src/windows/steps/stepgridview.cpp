#include "windows/steps/stepgridview.h"

#include "core/board/programchoice.h"
#include "core/colours/channelcolourmodel.h"
#include "core/steps/steprowtexts.h"
#include "core/steps/stepsmodel.h"
#include "render/bgrcolour.h"
#include "windows/common/displayhold.h"
#include "windows/steps/stepgridaccessible.h"
#include "windows/steps/stepgridheader.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace chaserom {

namespace {

constexpr QColor Lit = QColor(255, 255, 255);
/// How dark lamps and the lines between cells look. Dark grey rather than black lets a lamp
/// lit in a dark channel colour stand out by its light outline.
struct CellLook {
    QColor dark;
    QColor gaps;
    bool outlined;
};
constexpr CellLook ReadingLook{QColor(0x20, 0x20, 0x20), QColor(0x48, 0x48, 0x48), true};
/// As the board shows lamps: dark ones black, lit ones without an outline.
constexpr CellLook BoardLook{QColor(0, 0, 0), QColor(64, 64, 64), false};
constexpr QColor Outline = QColor(235, 235, 235);
/// Outlines show from this cell size up; smaller cells are all outline.
constexpr int SmallestOutlinedCell = 8;
constexpr QColor PageMark = QColor(255, 240, 170);
constexpr QColor PlayingMark = QColor(255, 170, 60);
constexpr QColor DifferenceMark = QColor(235, 90, 90);
/// The line over every program's first step, and its number: darker, to read on the
/// column's light backgrounds (at least 4.5:1).
constexpr QColor ProgramLine = QColor(80, 160, 255);
constexpr QColor ProgramNumber = QColor(20, 80, 200);
/// Blank between the left column's fields, in characters of its font.
constexpr int FieldGap = 2;

/// The system's fixed-pitch font at the size of `shown`.
QFont fixedFontLike(const QFont& shown) {
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(shown.pointSizeF());
    return fixed;
}

} // namespace

StepGridView::StepGridView(const StepsModel& steps, const ChannelColourModel& colours,
                           DisplayHold& display, QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_steps(steps)
    , m_colours(colours)
    , m_display(display)
    , m_header(new StepGridHeader(*this, this))
    , m_rowFont(fixedFontLike(font())) {
    setObjectName(QStringLiteral("StepGrid"));
    static const bool accessible = [] {
        QAccessible::installFactory(&StepGridAccessible::create);
        return true;
    }();
    static_cast<void>(accessible);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(false);
    setViewportMargins(0, m_header->neededHeight(), 0, 0);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_header,
            qOverload<>(&QWidget::update));
    connectModel();
    updateScrollBars();
}

void StepGridView::placeHeader() {
    const QRect view = viewport()->geometry();
    m_header->setGeometry(view.left(), view.top() - m_header->neededHeight(), view.width(),
                          m_header->neededHeight());
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
        m_header->update();
    });
    connect(&m_steps, &StepsModel::stepsChanged, this, &StepGridView::repaintSteps);
    connect(&m_steps, &StepsModel::stepsChanged, this, [this](int first, int last) {
        if (m_cursorStep >= first && m_cursorStep <= last) {
            StepGridAccessible::cursorMoved(this);
        }
    });
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

void StepGridView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_rowFont = fixedFontLike(font());
        m_measuredFields.reset();
        updateScrollBars();
    }
}

StepRowFields StepGridView::rowFields() const {
    const qint64 length = m_steps.length();
    const int stepLength = m_steps.stepLength();
    const bool programs = m_programs && m_programs->stepsPerProgram() != 0;
    if (!m_measuredFields || m_measuredFields->length != length ||
        m_measuredFields->stepLength != stepLength || m_measuredFields->programs != programs) {
        m_measuredFields = MeasuredFields{length, stepLength, programs,
                                          rowFields(StepRowColumns(length, stepLength))};
    }
    return m_measuredFields->fields;
}

int StepGridView::widthShowing(int channels) const {
    const StepRowFields fields = rowFields(StepRowColumns(m_steps.length(), channels / 8));
    return StepGridLayout(m_cell, channels, fields.width).width() +
           verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
}

StepRowFields StepGridView::rowFields(const StepRowColumns& columns) const {
    const QFontMetrics metrics(rowFont());
    const StepRowTexts widest = columns.widest();
    const int gap = FieldGap * metrics.horizontalAdvance(u'0');
    const auto field = [&](int left, const QString& text, const QString& caption) {
        return StepRowFields::Field{
            left, std::max(metrics.horizontalAdvance(text), metrics.horizontalAdvance(caption))};
    };
    const StepRowTexts captions = StepGridHeader::captions();
    StepRowFields fields{};
    fields.number = field(6, widest.number, captions.number);
    fields.address =
        field(fields.number.left + fields.number.width + gap, widest.address, captions.address);
    fields.bytes =
        field(fields.address.left + fields.address.width + gap, widest.bytes, captions.bytes);
    fields.width = fields.bytes.left + fields.bytes.width + 8;
    // Room for the program numbers while the board has programs.
    if (m_programs && m_programs->stepsPerProgram() != 0) {
        fields.width += fontMetrics().horizontalAdvance(QStringLiteral("P99999"));
    }
    return fields;
}

StepGridLayout StepGridView::layout() const {
    return {m_cell, m_steps.channelCount(), rowFields().width};
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
    m_header->update();
}

void StepGridView::zoom(int direction) {
    setCell(StepGridLayout::zoomed(m_cell, direction));
}

void StepGridView::setChannelColoursShown(bool shown) {
    m_channelColours = shown;
    viewport()->update();
}

void StepGridView::setBoardLook(bool boardLook) {
    m_boardLook = boardLook;
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
    if (channel != m_cursorChannel) {
        m_header->update();
    }
    m_cursorStep = step;
    m_cursorChannel = channel;
    repaintSteps(step, step);
    StepGridAccessible::cursorMoved(this);
    ensureStepVisible(step);
}

QString StepGridView::cursorText() const {
    if (m_steps.stepCount() == 0) {
        return tr("В образе нет целых шагов");
    }
    const bool lit = shownLit(m_cursorStep, m_cursorChannel);
    return (lit ? tr("Шаг %1, канал %2: горит") : tr("Шаг %1, канал %2: не горит"))
        .arg(m_cursorStep)
        .arg(m_cursorChannel + 1);
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
    placeHeader();
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
    const RowTextPaint rowTexts{rowFields(), StepRowColumns(m_steps.length(), m_steps.stepLength()),
                                QFontMetrics(m_rowFont).height()};
    for (int step = visible.first; step <= visible.last; ++step) {
        const int y = grid.stepTop(step) - top;
        paintRowTexts(painter, step, rowTexts, y);
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
            m_header->update();
        });
    }
    viewport()->update();
    m_header->update();
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
    const bool selected =
        m_selection && step >= m_selection->first && step < m_selection->first + m_selection->count;
    painter.setPen(selected ? palette().color(QPalette::HighlightedText) : ProgramNumber);
    painter.drawText(QRect(0, y + 1, grid.addressWidth() - 4, fontMetrics().height()),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("P%1").arg(*program));
    painter.setFont(font());
}

QByteArray StepGridView::shownStepBytes(int step) const {
    const qint64 first = qint64{step} * m_steps.stepLength();
    const qint64 end = std::min(first + m_steps.stepLength(), m_steps.length());
    QByteArray bytes;
    for (qint64 address = first; address < end; ++address) {
        bytes.append(m_preview && address < m_preview->size()
                         ? m_preview->at(address)
                         : static_cast<char>(m_steps.byteAt(address)));
    }
    return bytes;
}

void StepGridView::paintRowTexts(QPainter& painter, int step, const RowTextPaint& look,
                                 int y) const {
    const StepRowFields& fields = look.fields;
    const QRect row(0, y, fields.width, m_cell);
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
    painter.fillRect(row, background);
    if (step == m_cursorStep) {
        painter.fillRect(QRect(fields.number.left - 4, y, fields.number.width + 8, m_cell),
                         CursorColour);
    }
    const bool differs =
        std::any_of(m_differences.begin(), m_differences.end(),
                    [step](StepSpan s) { return step >= s.first && step < s.first + s.count; });
    if (differs) {
        painter.fillRect(QRect(row.left(), row.top(), 4, row.height()), DifferenceMark);
    }
    const int textHeight = look.textHeight;
    // Small rows are written every few steps, where the text fits; the cursor's always.
    const int every = std::max(1, (textHeight + m_cell - 1) / m_cell);
    if (step % every != 0 && step != m_cursorStep) {
        return;
    }
    const StepRowTexts texts = look.columns.texts(step, shownStepBytes(step));
    painter.setFont(m_rowFont);
    const QColor text = palette().color(selected ? QPalette::HighlightedText : QPalette::Text);
    const auto write = [&](const StepRowFields::Field& field, const QString& value,
                           Qt::Alignment alignment) {
        painter.drawText(QRect(field.left, y, field.width, textHeight),
                         alignment | Qt::AlignVCenter, value);
    };
    painter.setPen(step == m_cursorStep ? QColor(Qt::black) : text);
    write(fields.number, texts.number, Qt::AlignRight);
    painter.setPen(text);
    write(fields.address, texts.address, Qt::AlignLeft);
    write(fields.bytes, texts.bytes, Qt::AlignLeft);
    painter.setFont(this->font());
}

void StepGridView::paintCells(QPainter& painter, int step, const StepGridLayout& grid,
                              int y) const {
    const bool selected =
        m_selection && step >= m_selection->first && step < m_selection->first + m_selection->count;
    const CellLook& look = m_boardLook ? BoardLook : ReadingLook;
    painter.fillRect(QRect(grid.addressWidth(), y, grid.width() - grid.addressWidth(), m_cell),
                     selected ? palette().color(QPalette::Highlight) : look.gaps);
    const qint64 stepAddress = qint64{step} * m_steps.stepLength();
    const int inset = m_cell >= 6 ? 1 : 0;
    const bool outlined = look.outlined && m_cell >= SmallestOutlinedCell;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Outline, 1));
    for (int channel = 0; channel < grid.channels(); ++channel) {
        if (stepAddress + channel / 8 >= m_steps.length()) {
            break; // a last step cut short
        }
        const QRect cell(grid.channelLeft(channel), y, m_cell - inset, m_cell - inset);
        if (!shownLit(step, channel)) {
            painter.fillRect(cell, look.dark);
            continue;
        }
        painter.fillRect(cell, litColour(channel));
        if (outlined) {
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }
    if (step == m_cursorStep) {
        painter.setPen(QPen(CursorColour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            QRect(grid.channelLeft(m_cursorChannel), y, m_cell, m_cell).adjusted(1, 1, -1, -1));
    }
}

} // namespace chaserom
