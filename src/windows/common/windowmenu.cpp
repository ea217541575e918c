#include "windows/common/windowmenu.h"

#include <QApplication>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace chaserom {

void popUpWindowMenu(QWidget& window, const QPoint& globalPos) {
    if (window.actions().isEmpty()) {
        return;
    }
    QMenu::exec(window.actions(), globalPos, nullptr, &window);
}

void openWindowMenuOnShiftF10(QWidget& window) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window] {
        QWidget* focus = QApplication::focusWidget();
        const QWidget* at = focus && window.isAncestorOf(focus) ? focus : &window;
        popUpWindowMenu(window, at->mapToGlobal(at->rect().center()));
    });
}

} // namespace chaserom
