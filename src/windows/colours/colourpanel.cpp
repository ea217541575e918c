#include "windows/colours/colourpanel.h"

#include "core/colours/channelcolourmodel.h"
#include "core/geometry/swatchgrid.h"
#include "core/geometry/twips.h"
#include "render/bgrcolour.h"
#include "windows/common/dialogs.h"
#include "windows/common/pointer.h"
#include "windows/common/windowmenu.h"
#include "windows/common/windowsetup.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

namespace chaserom {

namespace {

constexpr int ClientWidth = 4005;
constexpr int ClientHeight = 1995;
/// The panel's client area starts here on the screen, in twips.
constexpr int ScreenLeft = 60;
constexpr int ScreenTop = 345;

} // namespace

ColourPanel::ColourPanel(ChannelColourModel& colours)
    : m_colours(colours)
    , m_swatches({ShapeArray::Kind::Rectangle, true, Black, 1}) {
    setUpFixedWindow(*this, QStringLiteral("Panel_Color"), tr("Панель цвета"), ClientWidth,
                     ClientHeight);
    setGeometry(QRect(QPoint(twipsToPixels(ScreenLeft), twipsToPixels(ScreenTop)), size()));
    setMouseTracking(true);
    for (int channel = 0; channel < ChannelColourCount; ++channel) {
        m_swatches.add(twipsRect(SwatchGrid::left(channel), SwatchGrid::top(channel),
                                 SwatchGrid::Side, SwatchGrid::Side),
                       m_colours.colour(channel));
    }
    connect(&m_colours, &ChannelColourModel::colourChanged, this, &ColourPanel::showColour);
    connect(&m_colours, &ChannelColourModel::coloursReplaced, this, &ColourPanel::showAllColours);
    openWindowMenuOnShiftF10(*this);
}

void ColourPanel::showColour(int channel) {
    update(m_swatches.setFill(channel, m_colours.colour(channel)));
}

void ColourPanel::showAllColours() {
    for (int channel = 0; channel < ChannelColourCount; ++channel) {
        showColour(channel);
    }
}

void ColourPanel::showSwatchesFor(int channelCount) {
    for (int channel = 0; channel < ChannelColourCount; ++channel) {
        update(m_swatches.setVisible(channel, channel < channelCount));
    }
}

void ColourPanel::formMouseMove(int /*buttons*/, double x, double y) {
    m_mouse = QPoint(roundTwips(x), roundTwips(y));
    if (const auto swatch = SwatchGrid::swatchAt(m_mouse.x(), m_mouse.y())) {
        m_selectedKanal = *swatch;
    }
}

void ColourPanel::formDoubleClick() {
    const int channel = m_selectedKanal;
    if (const auto chosen = chooseColour(this, toQColor(colour(channel)))) {
        m_colours.setColour(channel, toBgr(*chosen));
    }
}

void ColourPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    m_swatches.paint(painter, event->rect());
}

void ColourPanel::mouseMoveEvent(QMouseEvent* event) {
    formMouseMove(buttonMask(event->buttons()), pixelsToTwips(event->position().x()),
                  pixelsToTwips(event->position().y()));
}

void ColourPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        formDoubleClick();
    }
}

void ColourPanel::contextMenuEvent(QContextMenuEvent* event) {
    popUpWindowMenu(*this, event->globalPos());
}

void ColourPanel::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}

} // namespace chaserom
