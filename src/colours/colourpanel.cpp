#include "colourpanel.h"

#include "colours/colourfile.h"
#include "colours/designcolours.h"
#include "colours/swatchgrid.h"
#include "ui/bgrcolour.h"
#include "ui/dialogs.h"
#include "ui/failurereport.h"
#include "ui/pointer.h"
#include "ui/twips.h"
#include "ui/windowsetup.h"

#include <QCloseEvent>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>

namespace chaserom {

namespace {

constexpr int ClientWidth = 4005;
constexpr int ClientHeight = 1995;
/// The panel's client area starts here on the screen, in twips.
constexpr int ScreenLeft = 60;
constexpr int ScreenTop = 345;

QString colourFilePath() {
    return QDir::current().absoluteFilePath(QString::fromLatin1(ColourFileName));
}

} // namespace

ColourPanel::ColourPanel()
    : m_swatches({ShapeArray::Kind::Rectangle, true, Black, 1}) {
    setUpFixedWindow(*this, QStringLiteral("Panel_Color"), QString::fromUtf8("Панель цвета"),
                     ClientWidth, ClientHeight);
    setGeometry(QRect(QPoint(twipsToPixels(ScreenLeft), twipsToPixels(ScreenTop)), size()));
    setMouseTracking(true);
    for (int channel = 0; channel < ChannelColourCount; ++channel) {
        m_swatches.add(twipsRect(SwatchGrid::left(channel), SwatchGrid::top(channel),
                                 SwatchGrid::Side, SwatchGrid::Side),
                       DesignColours[channel]);
    }
    loadColours();
}

ChannelColours ColourPanel::colours() const {
    ChannelColours all{};
    for (int channel = 0; channel < ChannelColourCount; ++channel) {
        all[channel] = colour(channel);
    }
    return all;
}

void ColourPanel::setColour(int channel, Bgr colour) {
    update(m_swatches.setFill(channel, colour));
    emit colourChanged(channel);
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
        setColour(channel, toBgr(*chosen));
    }
}

void ColourPanel::loadColours() {
    ChannelColours read = colours();
    const auto failure = loadColourFile(colourFilePath(), read);
    for (int channel = 0; channel < ChannelColourCount; ++channel) {
        update(m_swatches.setFill(channel, read[channel]));
    }
    if (failure) {
        reportFailure(this, *failure);
    }
}

void ColourPanel::saveColours() {
    if (auto failure = saveColourFile(colourFilePath(), colours())) {
        reportFailureNow(this, failureText(*failure));
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

void ColourPanel::closeEvent(QCloseEvent* event) {
    saveColours();
    event->accept();
    emit unloaded();
}

} // namespace chaserom
