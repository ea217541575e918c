#pragma once

#include "core/geometry/lampstartpositions.h"

#include <QImage>
#include <QMainWindow>
#include <QUndoStack>
#include <functional>

class QListWidget;
class QSpinBox;

namespace chaserom {

class BoardLamps;
class BoardView;
class ChannelColourModel;
class KanalCount;

/// «Плата»: the board laid out on its picture. Lamps stay in the hand while dragged, are
/// arranged in rows, columns, arcs and grids, counted («Ламп на плате»), and the picture and
/// channel colours are chosen here; every change is one step of this window's own history
/// (Ctrl+Z, Ctrl+Shift+Z), apart from the image's. The lamps, colours and channel count are
/// the app's models, so the simulator and every window follow at once.
class BoardWindow : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY(BoardWindow)

public:
    BoardWindow(BoardLamps& lamps, ChannelColourModel& colours, const KanalCount& kanalCount);

    /// The picture the simulator shows, as it changes there.
    void showPicture(const QImage& picture);
    /// The board was saved: closing asks nothing until it changes again.
    void markSaved() { m_history.setClean(); }
    /// Whether closing with unsaved changes asks to save them (not when nobody is there to
    /// answer, as at a shut-down by a signal).
    void setAskOnClose(bool ask) { m_askOnClose = ask; }
    [[nodiscard]] BoardView& view() const { return *m_view; }
    [[nodiscard]] QUndoStack& history() { return m_history; }

signals:
    void saveBoardRequested();
    void exportLayoutRequested();
    /// The user chose a picture (or undid or redid that): the simulator shows it.
    void pictureChanged(const QImage& picture, const QString& path);
    /// The window was closed: it is gone.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createTools();
    void createColourList();
    void showLamps();
    void showLook();
    /// One step of the board's history, done now.
    void change(const QString& label, const std::function<void()>& redo,
                const std::function<void()>& undo);
    void moveLamps(const QString& label, const LampLayout& before, const LampLayout& after);
    void arrange(const QString& label,
                 const std::function<std::vector<LampPosition>(std::vector<LampPosition>)>& how);
    void arrangeInGrid();
    void chooseLampCount(int count);
    void choosePicture();
    void chooseColour(int channel);

    BoardLamps& m_lamps;
    ChannelColourModel& m_colours;
    const KanalCount& m_kanalCount;
    BoardView* m_view = nullptr;
    QSpinBox* m_count = nullptr;
    QListWidget* m_colourList = nullptr;
    QUndoStack m_history;
    QImage m_picture;
    QString m_picturePath;
    bool m_askOnClose = true;
};

} // namespace chaserom
