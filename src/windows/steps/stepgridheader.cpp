#include "windows/steps/stepgridheader.h"

#include "windows/steps/stepgridview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace chaserom {

StepGridHeader::StepGridHeader(const StepGridView& grid, QWidget* parent)
    : QWidget(parent)
    , m_grid(grid) {
    setObjectName(QStringLiteral("StepGridHeader"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

StepRowTexts StepGridHeader::captions() {
    return {tr("Шаг"), tr("Адрес"), tr("Байты")};
}

QFont StepGridHeader::numberFont() const {
    // Smaller than the text, so that two digits fit over a cell of the opening size.
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    return small;
}

int StepGridHeader::neededHeight() const {
    return std::max(QFontMetrics(numberFont()).height(), QFontMetrics(m_grid.rowFont()).height()) +
           4;
}

void StepGridHeader::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
    painter.translate(-m_grid.horizontalScrollBar()->value(), 0);
    paintCaptions(painter);
    paintChannelNumbers(painter);
}

void StepGridHeader::paintCaptions(QPainter& painter) const {
    const StepRowFields fields = m_grid.rowFields();
    painter.setFont(m_grid.rowFont());
    painter.setPen(palette().color(QPalette::ButtonText));
    const auto caption = [&](const StepRowFields::Field& field, const QString& text,
                             Qt::Alignment alignment) {
        painter.drawText(QRect(field.left, 0, field.width, height()), alignment | Qt::AlignVCenter,
                         text);
    };
    const StepRowTexts captions = StepGridHeader::captions();
    caption(fields.number, captions.number, Qt::AlignRight);
    caption(fields.address, captions.address, Qt::AlignLeft);
    caption(fields.bytes, captions.bytes, Qt::AlignLeft);
}

void StepGridHeader::paintChannelNumbers(QPainter& painter) const {
    const StepGridLayout grid = m_grid.layout();
    const QFont font = numberFont();
    const QFontMetrics metrics(font);
    painter.setFont(font);
    // Every channel's number where its digits fit over a cell with a blank between, else as
    // many as fit: every second or fourth channel's, or each byte's first.
    const int digits = metrics.horizontalAdvance(QString::number(grid.channels())) + 3;
    int every = 1;
    while (every < 8 && every * grid.cell() < digits) {
        every *= 2;
    }
    const int cursor = m_grid.cursorChannel();
    for (int channel = 0; channel < grid.channels(); ++channel) {
        const bool marked = channel == cursor;
        if (channel % every != 0 && !marked) {
            continue;
        }
        const int width = std::max(grid.cell(), digits);
        const QRect place(grid.channelLeft(channel), 0, width, height() - 1);
        if (marked) {
            painter.fillRect(place, StepGridView::CursorColour);
            painter.setPen(Qt::black);
        } else {
            painter.setPen(palette().color(QPalette::ButtonText));
        }
        painter.drawText(place, Qt::AlignCenter, QString::number(channel + 1));
    }
}

} // namespace chaserom
