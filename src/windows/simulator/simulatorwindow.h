#pragma once

#include "core/geometry/lampstartpositions.h"
#include "render/simulatorscene.h"
#include "windows/common/painteditems.h"

#include <QImage>
#include <QWidget>
#include <optional>

class QLabel;

namespace chaserom {

class FailureReports;
class ProtectedFiles;
class KanalCount;
class ToolStrip;

/// The screen simulator, "Симулятор экрана": 256 lamps over a background picture, placed
/// by hand and kept in layout files, lit by the code view in their channels' colours.
class SimulatorWindow : public QWidget, public PaintedItems {
    Q_OBJECT
    Q_DISABLE_COPY(SimulatorWindow)

public:
    SimulatorWindow(const KanalCount& kanalCount, FailureReports& reports);

    /// The files a layout must never be written over; the layout and picture this window
    /// loads join them. None are checked until set.
    void setProtectedFiles(ProtectedFiles* files) { m_protectedFiles = files; }

    /// The lamps, for screen readers: «Лампа 12, канал 5: горит».
    [[nodiscard]] int paintedCount() const override { return LampCount; }
    [[nodiscard]] QString paintedName(int index) const override;
    [[nodiscard]] QRect paintedRect(int index) const override { return m_scene.lampRect(index); }

    /// Sets the fill colours of all lamps, lamp 0 first.
    void setLampColours(const std::array<Bgr, LampCount>& colours);
    [[nodiscard]] Bgr lampColour(int lamp) const { return m_scene.lampColour(lamp); }

    [[nodiscard]] const LampLayout& layout() const { return m_scene.layout(); }
    /// Moves every lamp to its place in `layout`.
    void setLayout(const LampLayout& layout);
    /// Sets the background picture, drawn at its natural size from the top-left corner.
    void setBackground(const QImage& picture);
    [[nodiscard]] const QImage& background() const { return m_scene.background(); }

    /// The pointer handler in twips: shows the channel of the lamp under the pointer in the
    /// channel label beside it, and drags that lamp while only the left button is held.
    void formMouseMove(int buttons, float x, float y);

    /// Where the file dialogs open when the last file chosen lies where a dialog must not
    /// open (see safeDialogStart): the open image's folder.
    void setFallbackFolder(const QString& folder) { m_fallbackFolder = folder; }

    /// The layout and background buttons: each asks for a file; a cancelled dialog does
    /// nothing, a failure is reported and changes nothing.
    void saveLayout();
    void loadLayout();
    void changeBackground();

signals:
    /// The window was closed: it is gone, with its layout and picture.
    void unloaded();
    /// The user moved a lamp or loaded a layout.
    void layoutEdited();
    /// The user chose another picture.
    void backgroundEdited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void moveLamp(int lamp, LampPosition position);
    [[nodiscard]] std::optional<QString> chooseFile(bool forSaving);

    const KanalCount& m_kanalCount;
    FailureReports& m_reports;
    ProtectedFiles* m_protectedFiles = nullptr;
    ToolStrip* m_toolStrip = nullptr;
    QLabel* m_labelKanal = nullptr;
    SimulatorScene m_scene;
    QString m_lastPath;
    QString m_fallbackFolder;
    /// Where the right button went down for the window's menu: the menu opens when it comes
    /// up there, so that moves with it held keep showing lamps' channels.
    std::optional<QPoint> m_menuPress;
};

} // namespace chaserom
