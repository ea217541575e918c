#include "windows/steps/stepeditorwindow.h"
#include "windows/steps/stepgridview.h"

#include <QAction>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

// Where the step editor opens and what it remembers between openings: its geometry, zoom
// and view options, kept inside the screen it shows on.
namespace chaserom {

void StepEditorWindow::restoreSettings() {
    const QSettings stored;
    restoreGeometry(stored.value(QStringLiteral("steps/geometry")).toByteArray());
    m_grid->setCell(stored.value(QStringLiteral("steps/zoom"), m_grid->cell()).toInt());
    m_channelColours->setChecked(
        stored.value(QStringLiteral("steps/channelColours"), true).toBool());
    m_follow->setChecked(stored.value(QStringLiteral("steps/follow"), true).toBool());
    m_boardLook->setChecked(stored.value(QStringLiteral("steps/boardLook"), false).toBool());
    if (stored.value(QStringLiteral("steps/geometry")).isNull()) {
        placeAtFirstOpening();
    } else {
        keepOnScreen();
    }
}

void StepEditorWindow::placeAtFirstOpening() {
    // Wide enough that no tool bar folds into an overflow menu and the status bar shows its
    // fields whole.
    int width = statusBar()->sizeHint().width();
    for (const QToolBar* tools : findChildren<QToolBar*>()) {
        width = std::max(width, tools->sizeHint().width() + 24);
    }
    // The editor's own tool bars share the first row.
    int firstRow = 24;
    for (const char* name : {"EditTools", "ViewTools", "GoTools"}) {
        if (const auto* tools = findChild<QToolBar*>(QLatin1String(name))) {
            firstRow += tools->sizeHint().width();
        }
    }
    // 32 channels show without scrolling sideways.
    width = std::max(width, m_grid->widthShowing(32));
    resize(std::max({560, width, firstRow}), 640);
    const QScreen* shown = screen();
    if (!shown) {
        return;
    }
    const QRect available = shown->availableGeometry();
    // Beside the described windows, at the right of the screen, where it allows.
    move(available.right() - frameGeometry().width(), available.top());
    keepOnScreen();
}

void StepEditorWindow::keepOnScreen() {
    const QScreen* shown = screen();
    if (!shown) {
        return;
    }
    const QRect available = shown->availableGeometry();
    const QSize size(std::min(width(), available.width()), std::min(height(), available.height()));
    if (size != this->size()) {
        resize(size);
    }
    QRect frame = frameGeometry();
    frame.moveLeft(std::clamp(frame.left(), available.left(),
                              std::max(available.left(), available.right() - frame.width())));
    frame.moveTop(std::clamp(frame.top(), available.top(),
                             std::max(available.top(), available.bottom() - frame.height())));
    move(frame.topLeft());
}

void StepEditorWindow::saveSettings() const {
    QSettings stored;
    stored.setValue(QStringLiteral("steps/geometry"), saveGeometry());
    stored.setValue(QStringLiteral("steps/zoom"), m_grid->cell());
    stored.setValue(QStringLiteral("steps/channelColours"), m_channelColours->isChecked());
    stored.setValue(QStringLiteral("steps/follow"), m_follow->isChecked());
    stored.setValue(QStringLiteral("steps/boardLook"), m_boardLook->isChecked());
}

} // namespace chaserom
