#include "windows/common/windowsetup.h"

namespace chaserom {

void setUpFixedWindow(QWidget& window, const QString& objectName, const QString& title,
                      int widthTwips, int heightTwips) {
    window.setObjectName(objectName);
    window.setWindowTitle(title);
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    window.setFont(defaultWindowFont());
}

QFont defaultWindowFont() {
    // Liberation Sans has the metrics of Arial, the nearest free face to MS Sans Serif, so
    // texts fit their boxes as they were laid out.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

QString elementName(const char* arrayName, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(arrayName)).arg(index);
}

} // namespace chaserom
