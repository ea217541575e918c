#include "windows/common/wrappingbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace chaserom {

namespace {

/// The smallest size a caption is shrunk to, in points.
constexpr double SmallestPointSize = 6.5;

/// The widest word of a caption in a font.
int widestWord(const QString& caption, const QFont& font) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& word : caption.split(u' ', Qt::SkipEmptyParts)) {
        widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    return widest;
}

} // namespace

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect textArea =
        style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(1, 0, -1, 0);
    QFont captionFont = font();
    while (widestWord(caption, captionFont) > textArea.width() &&
           captionFont.pointSizeF() - 0.5 >= SmallestPointSize) {
        captionFont.setPointSizeF(captionFont.pointSizeF() - 0.5);
    }
    painter.setFont(captionFont);
    painter.drawItemText(textArea, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                         caption, QPalette::ButtonText);
}

} // namespace chaserom
