#pragma once

class QPoint;
class QWidget;

namespace chaserom {

/// Shows a window's menu, its actions (undo, redo and what else the program offers in
/// every window), at a point on the screen.
void popUpWindowMenu(QWidget& window, const QPoint& globalPos);

/// Lets Shift+F10 open the window's menu at the widget that has the focus, as the Menu
/// key does.
void openWindowMenuOnShiftF10(QWidget& window);

} // namespace chaserom
