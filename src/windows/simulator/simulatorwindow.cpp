#include "windows/simulator/simulatorwindow.h"

#include "core/files/dialogstart.h"
#include "core/files/layoutfile.h"
#include "core/files/protectedfiles.h"
#include "core/geometry/lamphittest.h"
#include "core/geometry/twips.h"
#include "core/page/kanalcount.h"
#include "render/backgroundpicture.h"
#include "windows/common/dialogs.h"
#include "windows/common/failurereports.h"
#include "windows/common/pointer.h"
#include "windows/common/windowmenu.h"
#include "windows/common/windowsetup.h"
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

/// Lamps 0, 32, 64, ... start red; the others start black.
std::array<Bgr, LampCount> startColours() {
    std::array<Bgr, LampCount> colours{};
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        colours[lamp] = lamp % 32 == 0 ? Red : Black;
    }
    return colours;
}

} // namespace

QString SimulatorWindow::paintedName(int index) const {
    const int channel = index % m_kanalCount.value() + 1;
    return m_scene.lampColour(index) != Black
               ? tr("Лампа %1, канал %2: горит").arg(index).arg(channel)
               : tr("Лампа %1, канал %2: не горит").arg(index).arg(channel);
}

SimulatorWindow::SimulatorWindow(const KanalCount& kanalCount, FailureReports& reports)
    : m_kanalCount(kanalCount)
    , m_reports(reports)
    , m_scene(startColours()) {
    setUpFixedWindow(*this, QStringLiteral("Panel_Simulator"), tr("Симулятор экрана"), ClientWidth,
                     ClientHeight);
    setMouseTracking(true);
    PaintedItems::makeAccessible();

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
}

void SimulatorWindow::setLampColours(const std::array<Bgr, LampCount>& colours) {
    update(m_scene.setLampColours(colours));
}

void SimulatorWindow::setLayout(const LampLayout& layout) {
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        moveLamp(lamp, layout[lamp]);
    }
}

void SimulatorWindow::moveLamp(int lamp, LampPosition position) {
    update(m_scene.moveLamp(lamp, position));
}

void SimulatorWindow::setBackground(const QImage& picture) {
    m_scene.setBackground(picture);
    update();
}

void SimulatorWindow::formMouseMove(int buttons, float x, float y) {
    const auto lamp = lampAt(m_scene.layout(), x, y);
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
        emit layoutEdited();
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
    const auto path = chooseFile(true);
    if (!path) {
        return;
    }
    // Saving over the layout that was loaded is what saving is for; anything else the program
    // holds is refused.
    FileFailure failure;
    if (m_protectedFiles) {
        failure = m_protectedFiles->checkTarget(*path, FileAction::WriteLayout, {},
                                                ProtectedFiles::Role::Layout);
    }
    if (!failure) {
        failure = saveLayoutFile(*path, m_scene.layout());
    }
    if (failure) {
        m_reports.report(this, *failure);
    } else if (m_protectedFiles) {
        m_protectedFiles->set(ProtectedFiles::Role::Layout, *path);
    }
}

void SimulatorWindow::loadLayout() {
    if (const auto path = chooseFile(false)) {
        LampLayout layout = m_scene.layout();
        if (auto failure = loadLayoutFile(*path, layout)) {
            m_reports.report(this, *failure);
            return;
        }
        setLayout(layout);
        emit layoutEdited();
        if (m_protectedFiles) {
            m_protectedFiles->set(ProtectedFiles::Role::Layout, *path);
        }
    }
}

void SimulatorWindow::changeBackground() {
    if (const auto path = chooseFile(false)) {
        const auto picture = loadBackgroundPicture(*path);
        if (!picture) {
            m_reports.report(this, picture.failure());
            return;
        }
        setBackground(*picture);
        emit backgroundEdited();
        if (m_protectedFiles) {
            m_protectedFiles->set(ProtectedFiles::Role::Picture, *path);
        }
    }
}

void SimulatorWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    m_scene.paint(painter, event->rect(), palette());
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
    // The layout and the picture go with the window: their files are nothing it reads now.
    if (m_protectedFiles) {
        m_protectedFiles->set(ProtectedFiles::Role::Layout, QString());
        m_protectedFiles->set(ProtectedFiles::Role::Picture, QString());
    }
    event->accept();
    emit unloaded();
}

} // namespace chaserom
