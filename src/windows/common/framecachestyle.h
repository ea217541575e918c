#pragma once

#include <QHash>
#include <QPixmap>
#include <QProxyStyle>

namespace chaserom {

/// The application's style, with the panels of line edits drawn once per size, state and
/// palette and then copied. Fast playback repaints the code view's 64 row texts every frame
/// of the screen, and drawing their rounded, antialiased frames is most of that work; the
/// copies look the same.
class FrameCacheStyle : public QProxyStyle {
    Q_OBJECT
    Q_DISABLE_COPY(FrameCacheStyle)

public:
    FrameCacheStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    /// What a panel's look depends on.
    struct PanelKey {
        QSize size;
        qreal ratio;
        int state;
        int lineWidth;
        int features;
        qint64 palette;
        friend bool operator==(const PanelKey&, const PanelKey&) = default;
        friend size_t qHash(const PanelKey& key, size_t seed = 0) {
            return qHashMulti(seed, key.size.width(), key.size.height(), key.ratio, key.state,
                              key.lineWidth, key.features, key.palette);
        }
    };

    mutable QHash<PanelKey, QPixmap> m_panels;
};

} // namespace chaserom
