#include "windows/simulator/toolstrip.h"

#include "windows/common/windowsetup.h"
#include "windows/common/wrappingbutton.h"
#include "windows/simulator/simulatorlayout.h"

#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace chaserom {

namespace {

QToolButton* placePictureButton(QWidget* parent, const QString& name, const ControlPlace& place,
                                const QIcon& icon, const QString& toolTip) {
    auto* button = placeControl<QToolButton>(parent, name, place);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setToolTip(toolTip);
    // A picture has no words: the tool tip is what a screen reader says.
    button->setAccessibleName(toolTip);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

using namespace simulator;

ToolStrip::ToolStrip(QWidget* parent)
    : QFrame(parent) {
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    m_commandNew =
        placePictureButton(this, QStringLiteral("CommandNew"), CommandNewPlace,
                           QIcon(QStringLiteral(":/icons/newpage.png")), tr("Создать новый файл"));
    m_commandNew->setIconSize(QSize(16, 17));
    m_commandLoad =
        placeControl<WrappingButton>(this, QStringLiteral("CommandLoad"), CommandLoadPlace);
    m_commandLoad->setText(tr("Загрузить"));
    m_commandSave =
        placeControl<WrappingButton>(this, QStringLiteral("CommandSave"), CommandSavePlace);
    m_commandSave->setText(tr("Сохранить"));
    QIcon folder(QStringLiteral(":/icons/picturesfolder16.png"));
    folder.addFile(QStringLiteral(":/icons/picturesfolder32.png"));
    m_commandFon = placePictureButton(this, QStringLiteral("CommandFon"), CommandFonPlace, folder,
                                      tr("Сменить фоновое изображение"));
    QWidget::setTabOrder(m_commandLoad, m_commandSave);
    QWidget::setTabOrder(m_commandSave, m_commandNew);
    QWidget::setTabOrder(m_commandNew, m_commandFon);
}

void ToolStrip::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    paintLines(painter, palette(), Line2);
}

} // namespace chaserom
