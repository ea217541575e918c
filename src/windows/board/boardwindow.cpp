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
#include "windows/common/mnemonics.h"

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
    setWindowTitle(tr("Плата"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setCentralWidget(m_view);
    createActions();
    createTools();
    createColourList();
    connect(m_view, &BoardView::lampsMoved, this,
            [this](const LampLayout& before, const LampLayout& after) {
                moveLamps(tr("перемещение ламп"), before, after);
            });
    connect(&m_lamps, &BoardLamps::changed, this, &BoardWindow::showLamps);
    connect(&m_colours, &ChannelColourModel::colourChanged, this, &BoardWindow::showLook);
    connect(&m_colours, &ChannelColourModel::coloursReplaced, this, &BoardWindow::showLook);
    connect(&m_kanalCount, &KanalCount::changed, this, &BoardWindow::showLook);
    showLamps();
    showLook();
    assignMnemonics(*menuBar(), *this);
    resize(900, 700);
}

void BoardWindow::createActions() {
    QMenu* file = menuBar()->addMenu(tr("&Файл"));
    QAction* save =
        file->addAction(tr("Сохранить плату"), this, [this] { emit saveBoardRequested(); });
    save->setObjectName(QStringLiteral("ActionSaveBoard"));
    save->setShortcut(QKeySequence::Save);
    QAction* exportLayout =
        file->addAction(tr("Экспорт раскладки…"), this, [this] { emit exportLayoutRequested(); });
    exportLayout->setObjectName(QStringLiteral("ActionExportLayout"));
    QAction* picture = file->addAction(tr("Картинка…"), this, &BoardWindow::choosePicture);
    picture->setObjectName(QStringLiteral("ActionBoardPicture"));
    file->addSeparator();
    file->addAction(tr("Закрыть"), QKeySequence::Close, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Правка"));
    QAction* undo = m_history.createUndoAction(this, tr("Отменить"));
    undo->setObjectName(QStringLiteral("ActionBoardUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = m_history.createRedoAction(this, tr("Повторить"));
    redo->setObjectName(QStringLiteral("ActionBoardRedo"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    edit->addAction(undo);
    edit->addAction(redo);

    QMenu* view = menuBar()->addMenu(tr("&Вид"));
    QAction* zoomIn = view->addAction(tr("Крупнее"), this, [this] { m_view->zoom(1); });
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* zoomOut = view->addAction(tr("Мельче"), this, [this] { m_view->zoom(-1); });
    zoomOut->setShortcut(QKeySequence::ZoomOut);
}

void BoardWindow::createTools() {
    QMenu* arrangeMenu = menuBar()->addMenu(tr("&Расставить"));
    QToolBar* tools = addToolBar(tr("Расставить"));
    tools->setObjectName(QStringLiteral("ArrangeTools"));
    const auto add = [&](const char* name, const QString& caption,
                         const std::function<void()>& slot) {
        QAction* action = arrangeMenu->addAction(caption, this, slot);
        action->setObjectName(QLatin1String(name));
        tools->addAction(action);
    };
    add("ActionInRow", tr("В ряд"),
        [this] { arrange(tr("в ряд"), [](auto lamps) { return arrangedInRow(lamps); }); });
    add("ActionInColumn", tr("В столбец"),
        [this] { arrange(tr("в столбец"), [](auto lamps) { return arrangedInColumn(lamps); }); });
    add("ActionOnArc", tr("По дуге"),
        [this] { arrange(tr("по дуге"), [](auto lamps) { return arrangedOnArc(lamps); }); });
    add("ActionInGrid", tr("Сеткой…"), [this] { arrangeInGrid(); });
    add("ActionAlignTop", tr("Выровнять по верху"),
        [this] { arrange(tr("по верху"), [](auto lamps) { return alignedTop(lamps); }); });
    add("ActionAlignLeft", tr("Выровнять по левому краю"),
        [this] { arrange(tr("по левому краю"), [](auto lamps) { return alignedLeft(lamps); }); });

    QToolBar* board = addToolBar(tr("Плата"));
    board->setObjectName(QStringLiteral("BoardTools"));
    board->addWidget(new QLabel(tr("Ламп на плате "), this));
    m_count = new QSpinBox(this);
    m_count->setObjectName(QStringLiteral("LampCount"));
    m_count->setAccessibleName(tr("Ламп на плате"));
    m_count->setRange(1, LampCount);
    m_count->setValue(m_lamps.count());
    connect(m_count, &QSpinBox::editingFinished, this,
            [this] { chooseLampCount(m_count->value()); });
    board->addWidget(m_count);
    board->addWidget(new QLabel(tr(" Сетка, пикс. "), this));
    auto* snap = new QSpinBox(this);
    snap->setObjectName(QStringLiteral("SnapGrid"));
    snap->setAccessibleName(tr("Сетка, пикс."));
    snap->setRange(0, 200);
    snap->setSpecialValueText(tr("нет"));
    snap->setToolTip(tr("Лампы встают на сетку с таким шагом; 0 — без сетки"));
    connect(snap, &QSpinBox::valueChanged, this,
            [this](int pixels) { m_view->setSnap(pixels * 15); });
    board->addWidget(snap);
}

void BoardWindow::createColourList() {
    auto* dock = new QDockWidget(tr("Цвета каналов"), this);
    dock->setObjectName(QStringLiteral("ChannelColoursDock"));
    m_colourList = new QListWidget(dock);
    m_colourList->setObjectName(QStringLiteral("ChannelColours"));
    m_colourList->setAccessibleName(tr("Цвета каналов"));
    for (int channel = 0; channel < ChannelColourCount; ++channel) {
        m_colourList->addItem(tr("Канал %1").arg(channel + 1));
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
        QInputDialog::getInt(this, tr("Сеткой"), tr("Столбцов:"), 4, 1, LampCount, 1, &ok);
    if (!ok) {
        return;
    }
    const int spacing =
        QInputDialog::getInt(this, tr("Сеткой"), tr("Шаг, пикселей:"), 30, 1, 1000, 1, &ok);
    if (!ok) {
        return;
    }
    arrange(tr("сеткой"), [columns, spacing](auto lamps) {
        return arrangedInGrid(lamps, columns, static_cast<float>(spacing * 15));
    });
}

void BoardWindow::chooseLampCount(int count) {
    const int before = m_lamps.count();
    if (count == before) {
        return;
    }
    change(
        tr("ламп на плате: %1").arg(count), [this, count] { m_lamps.setCount(count); },
        [this, before] { m_lamps.setCount(before); });
}

void BoardWindow::choosePicture() {
    const auto path = chooseFileToOpen(this, tr("Картинка платы"), QString());
    if (!path) {
        return;
    }
    const auto picture = loadBackgroundPicture(*path);
    if (!picture) {
        QMessageBox::critical(this, tr("Ошибка"), failureText(picture.failure()));
        return;
    }
    const QImage before = m_picture;
    const QString beforePath = m_picturePath;
    change(
        tr("картинка"),
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
        QColorDialog::getColor(toQColor(before), this, tr("Цвет канала %1").arg(channel + 1));
    if (!chosen.isValid() || toBgr(chosen) == before) {
        return;
    }
    const Bgr after = toBgr(chosen);
    change(
        tr("цвет канала %1").arg(channel + 1),
        [this, channel, after] { m_colours.setColour(channel, after); },
        [this, channel, before] { m_colours.setColour(channel, before); });
}

void BoardWindow::closeEvent(QCloseEvent* event) {
    if (m_askOnClose && !m_history.isClean()) {
        const auto answer =
            QMessageBox::question(this, tr("Плата"), tr("Сохранить плату?"),
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
