#include "windows/board/boardwindow.h"

#include "core/board/arrangement.h"
#include "core/board/boardlamps.h"
#include "core/colours/channelcolourmodel.h"
#include "core/files/fileerror.h"
#include "core/page/kanalcount.h"
#include "render/backgroundpicture.h"
#include "render/bgrcolour.h"
#include "windows/board/boardview.h"
#include "windows/common/dialogs.h"
#include "windows/common/uitext.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QDockWidget>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QSpinBox>
#include <QToolBar>
#include <QUndoCommand>

namespace chaserom {

namespace {

/// A step of the board's history: what it does and how it is undone.
class BoardChange : public QUndoCommand {
public:
    BoardChange(const QString& label, std::function<void()> redo, std::function<void()> undo)
        : QUndoCommand(label)
        , m_redo(std::move(redo))
        , m_undo(std::move(undo)) {}

    void redo() override { m_redo(); }
    void undo() override { m_undo(); }

private:
    std::function<void()> m_redo;
    std::function<void()> m_undo;
};

QPixmap swatch(Bgr colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(toQColor(colour));
    return pixmap;
}

} // namespace

BoardWindow::BoardWindow(BoardLamps& lamps, ChannelColourModel& colours,
                         const KanalCount& kanalCount)
    : m_lamps(lamps)
    , m_colours(colours)
    , m_kanalCount(kanalCount)
    , m_view(new BoardView(this)) {
    setObjectName(QStringLiteral("Panel_Board"));
    setWindowTitle(uiText("Плата"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setCentralWidget(m_view);
    createActions();
    createTools();
    createColourList();
    connect(m_view, &BoardView::lampsMoved, this,
            [this](const LampLayout& before, const LampLayout& after) {
                moveLamps(uiText("перемещение ламп"), before, after);
            });
    connect(&m_lamps, &BoardLamps::changed, this, &BoardWindow::showLamps);
    connect(&m_colours, &ChannelColourModel::colourChanged, this, &BoardWindow::showLook);
    connect(&m_colours, &ChannelColourModel::coloursReplaced, this, &BoardWindow::showLook);
    connect(&m_kanalCount, &KanalCount::changed, this, &BoardWindow::showLook);
    showLamps();
    showLook();
    resize(900, 700);
}

void BoardWindow::createActions() {
    QMenu* file = menuBar()->addMenu(uiText("&Файл"));
    QAction* save =
        file->addAction(uiText("Сохранить плату"), this, [this] { emit saveBoardRequested(); });
    save->setObjectName(QStringLiteral("ActionSaveBoard"));
    save->setShortcut(QKeySequence::Save);
    QAction* exportLayout = file->addAction(uiText("Экспорт раскладки…"), this,
                                            [this] { emit exportLayoutRequested(); });
    exportLayout->setObjectName(QStringLiteral("ActionExportLayout"));
    QAction* picture = file->addAction(uiText("Картинка…"), this, &BoardWindow::choosePicture);
    picture->setObjectName(QStringLiteral("ActionBoardPicture"));
    file->addSeparator();
    file->addAction(uiText("Закрыть"), QKeySequence::Close, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(uiText("&Правка"));
    QAction* undo = m_history.createUndoAction(this, uiText("Отменить"));
    undo->setObjectName(QStringLiteral("ActionBoardUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = m_history.createRedoAction(this, uiText("Повторить"));
    redo->setObjectName(QStringLiteral("ActionBoardRedo"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    edit->addAction(undo);
    edit->addAction(redo);

    QMenu* view = menuBar()->addMenu(uiText("&Вид"));
    QAction* zoomIn = view->addAction(uiText("Крупнее"), this, [this] { m_view->zoom(1); });
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* zoomOut = view->addAction(uiText("Мельче"), this, [this] { m_view->zoom(-1); });
    zoomOut->setShortcut(QKeySequence::ZoomOut);
}

void BoardWindow::createTools() {
    QMenu* arrangeMenu = menuBar()->addMenu(uiText("&Расставить"));
    QToolBar* tools = addToolBar(uiText("Расставить"));
    tools->setObjectName(QStringLiteral("ArrangeTools"));
    const auto add = [&](const char* name, const QString& caption,
                         const std::function<void()>& slot) {
        QAction* action = arrangeMenu->addAction(caption, this, slot);
        action->setObjectName(QLatin1String(name));
        tools->addAction(action);
    };
    add("ActionInRow", uiText("В ряд"),
        [this] { arrange(uiText("в ряд"), [](auto lamps) { return arrangedInRow(lamps); }); });
    add("ActionInColumn", uiText("В столбец"), [this] {
        arrange(uiText("в столбец"), [](auto lamps) { return arrangedInColumn(lamps); });
    });
    add("ActionOnArc", uiText("По дуге"),
        [this] { arrange(uiText("по дуге"), [](auto lamps) { return arrangedOnArc(lamps); }); });
    add("ActionInGrid", uiText("Сеткой…"), [this] { arrangeInGrid(); });
    add("ActionAlignTop", uiText("Выровнять по верху"),
        [this] { arrange(uiText("по верху"), [](auto lamps) { return alignedTop(lamps); }); });
    add("ActionAlignLeft", uiText("Выровнять по левому краю"), [this] {
        arrange(uiText("по левому краю"), [](auto lamps) { return alignedLeft(lamps); });
    });

    QToolBar* board = addToolBar(uiText("Плата"));
    board->setObjectName(QStringLiteral("BoardTools"));
    board->addWidget(new QLabel(uiText("Ламп на плате "), this));
    m_count = new QSpinBox(this);
    m_count->setObjectName(QStringLiteral("LampCount"));
    m_count->setRange(1, LampCount);
    m_count->setValue(m_lamps.count());
    connect(m_count, &QSpinBox::editingFinished, this,
            [this] { chooseLampCount(m_count->value()); });
    board->addWidget(m_count);
    board->addWidget(new QLabel(uiText(" Сетка, пикс. "), this));
    auto* snap = new QSpinBox(this);
    snap->setObjectName(QStringLiteral("SnapGrid"));
    snap->setRange(0, 200);
    snap->setSpecialValueText(uiText("нет"));
    snap->setToolTip(uiText("Лампы встают на сетку с таким шагом; 0 — без сетки"));
    connect(snap, &QSpinBox::valueChanged, this,
            [this](int pixels) { m_view->setSnap(pixels * 15); });
    board->addWidget(snap);
}

void BoardWindow::createColourList() {
    auto* dock = new QDockWidget(uiText("Цвета каналов"), this);
    dock->setObjectName(QStringLiteral("ChannelColoursDock"));
    m_colourList = new QListWidget(dock);
    m_colourList->setObjectName(QStringLiteral("ChannelColours"));
    for (int channel = 0; channel < ChannelColourCount; ++channel) {
        m_colourList->addItem(uiText("Канал %1").arg(channel + 1));
    }
    connect(m_colourList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { chooseColour(m_colourList->row(item)); });
    dock->setWidget(m_colourList);
    addDockWidget(Qt::RightDockWidgetArea, dock);
}

void BoardWindow::showLamps() {
    m_view->showLamps(m_lamps.positions(), m_lamps.count());
    m_count->setValue(m_lamps.count());
}

void BoardWindow::showLook() {
    std::vector<QColor> colours;
    std::vector<int> channels;
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        const int channel = lamp % m_kanalCount.value();
        colours.push_back(toQColor(m_colours.colour(channel)));
        channels.push_back(channel + 1);
    }
    m_view->showLook(colours, channels);
    for (int channel = 0; channel < ChannelColourCount; ++channel) {
        m_colourList->item(channel)->setIcon(swatch(m_colours.colour(channel)));
    }
}

void BoardWindow::showPicture(const QImage& picture) {
    m_picture = picture;
    m_view->showPicture(picture);
}

void BoardWindow::change(const QString& label, const std::function<void()>& redo,
                         const std::function<void()>& undo) {
    m_history.push(new BoardChange(label, redo, undo));
}

void BoardWindow::moveLamps(const QString& label, const LampLayout& before,
                            const LampLayout& after) {
    change(
        label, [this, after] { m_lamps.setPositions(after); },
        [this, before] { m_lamps.setPositions(before); });
}

void BoardWindow::arrange(
    const QString& label,
    const std::function<std::vector<LampPosition>(std::vector<LampPosition>)>& how) {
    const std::vector<int> selected = m_view->selectedLamps();
    if (selected.size() < 2) {
        return;
    }
    const LampLayout before = m_lamps.positions();
    std::vector<LampPosition> places;
    places.reserve(selected.size());
    for (const int lamp : selected) {
        places.push_back(before[lamp]);
    }
    const std::vector<LampPosition> arranged = how(places);
    LampLayout after = before;
    for (size_t i = 0; i < selected.size(); ++i) {
        after[selected[i]] = arranged[i];
    }
    moveLamps(label, before, after);
}

void BoardWindow::arrangeInGrid() {
    bool ok = false;
    const int columns =
        QInputDialog::getInt(this, uiText("Сеткой"), uiText("Столбцов:"), 4, 1, LampCount, 1, &ok);
    if (!ok) {
        return;
    }
    const int spacing =
        QInputDialog::getInt(this, uiText("Сеткой"), uiText("Шаг, пикселей:"), 30, 1, 1000, 1, &ok);
    if (!ok) {
        return;
    }
    arrange(uiText("сеткой"), [columns, spacing](auto lamps) {
        return arrangedInGrid(lamps, columns, static_cast<float>(spacing * 15));
    });
}

void BoardWindow::chooseLampCount(int count) {
    const int before = m_lamps.count();
    if (count == before) {
        return;
    }
    change(
        uiText("ламп на плате: %1").arg(count), [this, count] { m_lamps.setCount(count); },
        [this, before] { m_lamps.setCount(before); });
}

void BoardWindow::choosePicture() {
    const auto path = chooseFileToOpen(this, uiText("Картинка платы"), QString());
    if (!path) {
        return;
    }
    const auto picture = loadBackgroundPicture(*path);
    if (!picture) {
        QMessageBox::critical(this, uiText("Ошибка"), failureText(picture.failure()));
        return;
    }
    const QImage before = m_picture;
    const QString beforePath = m_picturePath;
    change(
        uiText("картинка"),
        [this, after = *picture, afterPath = *path] {
            m_picturePath = afterPath;
            showPicture(after);
            emit pictureChanged(after, afterPath);
        },
        [this, before, beforePath] {
            m_picturePath = beforePath;
            showPicture(before);
            emit pictureChanged(before, beforePath);
        });
}

void BoardWindow::chooseColour(int channel) {
    const Bgr before = m_colours.colour(channel);
    const QColor chosen =
        QColorDialog::getColor(toQColor(before), this, uiText("Цвет канала %1").arg(channel + 1));
    if (!chosen.isValid() || toBgr(chosen) == before) {
        return;
    }
    const Bgr after = toBgr(chosen);
    change(
        uiText("цвет канала %1").arg(channel + 1),
        [this, channel, after] { m_colours.setColour(channel, after); },
        [this, channel, before] { m_colours.setColour(channel, before); });
}

void BoardWindow::closeEvent(QCloseEvent* event) {
    if (m_askOnClose && !m_history.isClean()) {
        const auto answer =
            QMessageBox::question(this, uiText("Плата"), uiText("Сохранить плату?"),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel) {
            event->ignore();
            return;
        }
        if (answer == QMessageBox::Yes) {
            emit saveBoardRequested();
        }
    }
    event->accept();
    emit unloaded();
}

} // namespace chaserom
