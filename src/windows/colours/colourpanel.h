#pragma once

#include "core/colours/bgr.h"
#include "render/shapes.h"

#include <QPoint>
#include <QWidget>

namespace chaserom {

class ChannelColourModel;

/// The colour panel, "Панель цвета": the 32 channel colours as swatches. A double-click
/// chooses a new colour for the swatch the pointer was last over. The panel shows the
/// channel colours' model; the app reads the colour file as the panel opens and writes it
/// as the panel closes.
class ColourPanel : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(ColourPanel)

public:
    explicit ColourPanel(ChannelColourModel& colours);

    /// The colour a swatch shows.
    [[nodiscard]] Bgr colour(int channel) const { return m_swatches.fill(channel); }

    /// Shows swatches 0 to count - 1 and hides the others.
    void showSwatchesFor(int channelCount);
    [[nodiscard]] bool isSwatchVisible(int channel) const { return m_swatches.isVisible(channel); }

    /// The pointer handlers in twips: a move selects the swatch whose cell is under the
    /// pointer (over a gap the selection stays); a double-click recolours the selection.
    /// The held buttons do not matter.
    void formMouseMove(int buttons, double x, double y);
    void formDoubleClick();
    [[nodiscard]] int selectedKanal() const { return m_selectedKanal; }

signals:
    /// The panel was closed: it is gone.
    void unloaded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showColour(int channel);
    void showAllColours();

    ChannelColourModel& m_colours;
    ShapeArray m_swatches;
    QPoint m_mouse;
    int m_selectedKanal = 0;
};

} // namespace chaserom
