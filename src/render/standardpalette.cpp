#include "render/standardpalette.h"

namespace chaserom {

QPalette standardPalette() {
    const QColor window(0xEF, 0xEF, 0xEF);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    return palette;
}

} // namespace chaserom
