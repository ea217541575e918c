#include "windows/simulator/simulatorwindow.h"

#include "core/files/dialogstart.h"
#include "core/files/layoutfile.h"
#include "core/geometry/lamphittest.h"
#include "core/geometry/twips.h"
#include "core/page/kanalcount.h"
#include "windows/common/dialogs.h"
#include "windows/common/failurereports.h"
#include "windows/common/pointer.h"
#include "windows/common/windowmenu.h"
#include "windows/common/windowsetup.h"
#include "windows/simulator/backgroundpicture.h"
#include "windows/simulator/simulatorlayout.h"
#include "windows/simulator/toolstrip.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace chaserom {

using namespace simulator;

namespace {

/// Lamps that start red; the others start black.
constexpr bool startsRed(int lamp) {
    return lamp % 32 == 0;
}

QPoint lampTopLeft(LampPosition position) {
    return {twipsToPixels(position.left), twipsToPixels(position.top)};
}

} // namespace

SimulatorWindow::SimulatorWindow(const KanalCount& kanalCount, FailureReports& reports)
    : m_kanalCount(kanalCount)
    , m_reports(reports)
    , m_lamps({ShapeArray::Kind::Circle, true, Black, 1})
    , m_layout(LampStartPositions) {
    setUpFixedWindow(*this, QStringLiteral("Panel_Simulator"),
                     QString::fromUtf8("Симулятор экрана"), ClientWidth, ClientHeight);
    setMouseTracking(true);

    m_toolStrip = placeControl<ToolStrip>(this, QStringLiteral("Frame1"), Frame1Place);
    connect(m_toolStrip->loadButton(), &QPushButton::clicked, this, &SimulatorWindow::loadLayout);
    connect(m_toolStrip->saveButton(), &QPushButton::clicked, this, &SimulatorWindow::saveLayout);
    connect(m_toolStrip->backgroundButton(), &QToolButton::clicked, this,
            &SimulatorWindow::changeBackground);

    m_labelKanal = placeControl<QLabel>(this, QStringLiteral("LabelKanal"), LabelKanalPlace);
    m_labelKanal->setAutoFillBackground(true);
    m_labelKanal->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont labelFont = m_labelKanal->font();
    labelFont.setBold(true);
    m_labelKanal->setFont(labelFont);
    QPalette labelPalette = m_labelKanal->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::red);
    m_labelKanal->setPalette(labelPalette);
    m_labelKanal->hide();

    openWindowMenuOnShiftF10(*this);
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        const QPoint topLeft = lampTopLeft(m_layout[lamp]);
        m_lamps.add({topLeft, QSize(twipsToPixels(LampDiameter), twipsToPixels(LampDiameter))},
                    startsRed(lamp) ? Red : Black);
    }
}

void SimulatorWindow::setLampColours(const std::array<Bgr, LampCount>& colours) {
    // One area around every lamp that changed: a region of many small pieces costs more
    // to build than copying the lamps inside their bounding box.
    QRect changed;
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        changed |= m_lamps.setFill(lamp, colours[lamp]);
    }
    update(changed);
}

void SimulatorWindow::setLayout(const LampLayout& layout) {
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        moveLamp(lamp, layout[lamp]);
    }
}

void SimulatorWindow::moveLamp(int lamp, LampPosition position) {
    m_layout[lamp] = position;
    update(m_lamps.moveTo(lamp, lampTopLeft(position)));
}

void SimulatorWindow::setBackground(const QPixmap& picture) {
    m_background = picture;
    // One picture pixel on one window pixel (15 units), as the lamps are placed: a layout
    // made over a board picture keeps its lamps on their places at any screen scale.
    m_background.setDevicePixelRatio(1.0);
    update();
}

void SimulatorWindow::formMouseMove(int buttons, float x, float y) {
    const auto lamp = lampAt(m_layout, x, y);
    if (!lamp) {
        m_labelKanal->clear();
        m_labelKanal->hide(); // an empty box would hide part of the board for nothing
        return;
    }
    m_labelKanal->setText(QString::number(channelLabelOf(*lamp, m_kanalCount.value())));
    m_labelKanal->show();
    m_labelKanal->move(twipsToPixels(x + LabelOffset), twipsToPixels(y + LabelOffset));
    if (buttons == 1) {
        moveLamp(*lamp, {x - DragOffset, y - DragOffset});
    }
}

std::optional<QString> SimulatorWindow::chooseFile(bool forSaving) {
    const QString start =
        safeDialogStart(m_lastPath.isEmpty() ? QDir::currentPath() : m_lastPath, m_fallbackFolder);
    auto path = forSaving ? chooseFileToSave(this, QString(), start)
                          : chooseFileToOpen(this, QString(), start);
    if (path) {
        m_lastPath = *path;
    }
    return path;
}

void SimulatorWindow::saveLayout() {
    if (const auto path = chooseFile(true)) {
        if (auto failure = saveLayoutFile(*path, m_layout)) {
            m_reports.report(this, *failure);
        }
    }
}

void SimulatorWindow::loadLayout() {
    if (const auto path = chooseFile(false)) {
        LampLayout layout = m_layout;
        if (auto failure = loadLayoutFile(*path, layout)) {
            m_reports.report(this, *failure);
            return;
        }
        setLayout(layout);
    }
}

void SimulatorWindow::changeBackground() {
    if (const auto path = chooseFile(false)) {
        QPixmap picture;
        if (auto failure = loadBackgroundPicture(*path, picture)) {
            m_reports.report(this, *failure);
            return;
        }
        setBackground(picture);
    }
}

void SimulatorWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!m_background.isNull()) {
        painter.drawPixmap(0, 0, m_background);
    }
    paintLines(painter, palette(), Line1);
    m_lamps.paint(painter, event->rect());
}

void SimulatorWindow::mouseMoveEvent(QMouseEvent* event) {
    formMouseMove(buttonMask(event->buttons()),
                  static_cast<float>(pixelsToTwips(event->position().x())),
                  static_cast<float>(pixelsToTwips(event->position().y())));
}

void SimulatorWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse &&
        (QGuiApplication::mouseButtons() & Qt::RightButton)) {
        m_menuPress = event->globalPos();
        return;
    }
    popUpWindowMenu(*this, event->globalPos());
}

void SimulatorWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton || !m_menuPress) {
        return;
    }
    const QPoint pressed = *std::exchange(m_menuPress, std::nullopt);
    const QPoint released = event->globalPosition().toPoint();
    if ((released - pressed).manhattanLength() < QApplication::startDragDistance()) {
        popUpWindowMenu(*this, released);
    }
}

void SimulatorWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}

} // namespace chaserom
