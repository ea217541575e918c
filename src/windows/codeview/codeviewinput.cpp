#include "core/geometry/ledgrid.h"
#include "core/geometry/twips.h"
#include "core/page/pagerows.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/common/historyactions.h"
#include "windows/common/pointer.h"
#include "windows/common/windowmenu.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

// The code view's pointer and key input: the Qt events converted to twips for the handlers
// the description names, the rows' own keys and the window's menu.

namespace chaserom {

void CodeViewWindow::formMouseMove(int /*buttons*/, double x, double y) {
    m_mouse = QPoint(roundTwips(x), roundTwips(y));
}

void CodeViewWindow::formClick() {
    if (const auto cell = LedGrid::cellAt(m_mouse.x(), m_mouse.y())) {
        m_page.invertBit(cell->row, cell->column);
    }
}

void CodeViewWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    m_shapes.paint(painter, palette(), event->rect());
}

void CodeViewWindow::mouseMoveEvent(QMouseEvent* event) {
    formMouseMove(buttonMask(event->buttons()), pixelsToTwips(event->position().x()),
                  pixelsToTwips(event->position().y()));
}

void CodeViewWindow::mousePressEvent(QMouseEvent* event) {
    m_clickPressed = event->button() == Qt::LeftButton;
}

void CodeViewWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_clickPressed) {
        m_clickPressed = false;
        formClick();
    }
}

void CodeViewWindow::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double-click is not a click: a bit is inverted once.
    m_clickPressed = false;
}

void CodeViewWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closing();
}

bool CodeViewWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto row = std::find(m_text1.begin(), m_text1.end(), watched);
    if (row != m_text1.end()) {
        return rowEvent(static_cast<int>(row - m_text1.begin()), event);
    }
    if (event->type() == QEvent::MouseButtonRelease && watched == m_textSize) {
        textSizeClick();
    }
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        // The number fields keep their own text undo for every undo and redo key, as any form
        // does, not only for those the line edit knows.
        auto* key = static_cast<QKeyEvent*>(event);
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (field && HistoryActions::isHistoryKey(*key)) {
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
            } else if (key->matches(QKeySequence::Undo)) {
                field->undo();
            } else {
                field->redo();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool CodeViewWindow::rowEvent(int row, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        m_page.invertRow(row);
        break;
    case QEvent::FocusOut:
        m_page.endTyping();
        break;
    case QEvent::ContextMenu:
        popUpWindowMenu(*this, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        // One history: the undo keys undo the image, never the row's own text.
        return HistoryActions::isHistoryKey(*static_cast<QKeyEvent*>(event));
    default:
        break;
    }
    return false;
}

void CodeViewWindow::contextMenuEvent(QContextMenuEvent* event) {
    popUpWindowMenu(*this, event->globalPos());
}

} // namespace chaserom
