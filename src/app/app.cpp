#include "app/app.h"

#include "core/files/colourfile.h"
#include "core/files/fileio.h"
#include "core/files/layoutfile.h"
#include "core/files/regularfile.h"
#include "core/formats/recordfile.h"
#include "core/page/lamplighting.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/codeview/lockedimageprompt.h"
#include "windows/common/dialogs.h"
#include "windows/common/newimagedialog.h"
#include "windows/common/recordplacementdialog.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSettings>
#include <QThread>
#include <utility>

namespace chaserom {

App::App()
    : m_page(m_document)
    , m_historyActions(m_document)
    , m_codeView(
          std::make_unique<CodeViewWindow>(m_page, m_kanalCount, m_playback, m_reports, m_display))
    , m_simulator([this] { return createSimulator(); })
    , m_colourPanel([this] { return createColourPanel(); })
    , m_stepEditor([this] { return createStepEditor(); })
    , m_boardWindow([this] { return createBoardWindow(); })
    , m_stepEditorAction(new QAction(tr("Шаги эффекта…"), this))
    , m_boardAction(new QAction(tr("Плата…"), this))
    , m_newImageAction(new QAction(tr("Новый образ…"), this)) {
    m_newImageAction->setObjectName(QStringLiteral("ActionNewImage"));
    m_newImageAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_newImageAction->setShortcutContext(Qt::WindowShortcut);
    m_newImageAction->setToolTip(tr("Пустой образ целой микросхемы или нужной длины"));
    connect(m_newImageAction, &QAction::triggered, this, [this] {
        QWidget* active = QApplication::activeWindow();
        createNewImage(active ? active : m_codeView.get());
    });
    m_stepEditorAction->setObjectName(QStringLiteral("ActionStepEditor"));
    m_stepEditorAction->setShortcut(QKeySequence(Qt::Key_F2));
    m_stepEditorAction->setShortcutContext(Qt::WindowShortcut);
    m_stepEditorAction->setToolTip(tr("Всё изображение эффекта: шаги и каналы"));
    connect(m_stepEditorAction, &QAction::triggered, this, &App::showStepEditor);
    m_boardAction->setObjectName(QStringLiteral("ActionBoard"));
    m_boardAction->setShortcut(QKeySequence(Qt::Key_F4));
    m_boardAction->setShortcutContext(Qt::WindowShortcut);
    m_boardAction->setToolTip(tr("Лампы на картинке платы: расставить, "
                                 "сосчитать, раскрасить"));
    connect(m_boardAction, &QAction::triggered, this, &App::showBoardWindow);
    connect(&m_page, &PageRows::rowsChanged, this, [this] {
        if (m_display.isHeld()) {
            m_lampsHeld = true;
        } else {
            relightLamps();
        }
    });
    connect(&m_display, &DisplayHold::due, this, [this] {
        if (std::exchange(m_lampsHeld, false)) {
            relightLamps();
        }
    });
    connect(&m_kanalCount, &KanalCount::changed, this, [this] {
        relightLamps();
        showSwatchesForChannelCount();
    });
    connect(&m_channelColours, &ChannelColourModel::colourChanged, this, &App::relightLamps);
    connect(&m_document, &ImageDocument::openedImageChanged, this, [this] {
        if (SimulatorWindow* simulator = m_simulator.existing()) {
            simulator->setFallbackFolder(imageFolder());
        }
    });
    connect(&m_boardLamps, &BoardLamps::changed, this, [this] {
        if (SimulatorWindow* simulator = m_simulator.existing()) {
            simulator->setLayout(m_boardLamps.shownLayout());
        }
    });
    // The board is applied to an image opened before anything else follows it.
    m_board = new BoardKeeper(*this);
    followPrograms();
    connect(m_historyActions.undoAction(), &QAction::triggered, this, &App::undo);
    connect(m_historyActions.redoAction(), &QAction::triggered, this, &App::redo);
    addCommonActions(*m_codeView);
    connect(m_codeView.get(), &CodeViewWindow::openRequested, this, &App::openImage);
    connect(m_codeView.get(), &CodeViewWindow::simulatorRequested, this, &App::showSimulator);
    connect(&m_playback, &Playback::playingChanged, this, [this](bool playing) {
        if (StepEditorWindow* editor = m_stepEditor.existing()) {
            editor->setPlaying(playing);
        }
    });
    connect(m_codeView.get(), &CodeViewWindow::closing, this, &App::requestShutDown);
}

App::~App() {
    delete m_stepEditor.existing();
    delete m_simulator.existing();
    delete m_colourPanel.existing();
    // Windows closed earlier wait for their deferred deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void App::start(const QString& image, bool showSteps) {
    showSimulator();
    m_colourPanel.get().show();
    m_lampsFollowPage = true;
    m_codeView->formLoad();
    if (image.isEmpty()) {
        m_codeView->openAction();
    } else {
        openImage(image);
    }
    m_codeView->show();
    const QSettings stored;
    if (showSteps || stored.value(QStringLiteral("steps/open"), false).toBool()) {
        showStepEditor();
    }
}

void App::openImage(const QString& path) {
    m_board->rememberStepEditorPosition();
    auto failure = m_document.open(path);
    if (failure && failure->action == FileAction::OpenLockedImage &&
        askOpenLockedImage(m_codeView.get(), path)) {
        failure = m_document.open(path, ImageFile::WhenLocked::OpenAnyway);
    }
    if (!failure || failure->action == FileAction::OpenLockedImage) {
        return;
    }
    QString report = failureText(*failure);
    if (failure->action == FileAction::WriteImage) {
        report +=
            tr("\nНовый образ не открыт, страница осталась в окне. Чтобы открыть его без записи "
               "страницы, снимите «Сохранять».");
    }
    m_reports.report(m_codeView.get(), report);
}

void App::shutDown() {
    if (m_shutDown) {
        return;
    }
    m_shutDown = true;
    m_board->rememberStepEditorPosition();
    QSettings stored;
    stored.setValue(QStringLiteral("steps/open"),
                    m_stepEditor.existing() && m_stepEditor.existing()->isVisible());
    m_stepEditor.unload();
    if (BoardWindow* board = m_boardWindow.existing(); board && !m_reports.shownInBoxes()) {
        // Nobody is there to answer at a shut-down by a signal.
        board->setAskOnClose(false);
    }
    m_boardWindow.unload();
    m_simulator.unload();
    m_colourPanel.unload();
    if (auto failure = m_document.close()) {
        m_reports.reportNow(m_codeView.get(), failureText(*failure));
    }
    emit finished();
}

void App::requestShutDown() {
    if (m_shutDown || m_shutDownDeferred) {
        return;
    }
    if (modalWorkUnderway()) {
        shutDownWhenUnwound();
    } else {
        shutDown();
    }
}

void App::shutDownForSignal() {
    m_reports.setShownInBoxes(false);
    requestShutDown();
}

bool App::modalWorkUnderway() {
    // The program's own loop is the first; any deeper one belongs to a dialog or a menu.
    return QApplication::activeModalWidget() != nullptr ||
           QApplication::activePopupWidget() != nullptr ||
           QThread::currentThread()->loopLevel() > 1;
}

void App::shutDownWhenUnwound() {
    m_shutDownDeferred = true;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (auto* progress = qobject_cast<QProgressDialog*>(window)) {
            progress->cancel();
        } else if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible()) {
            dialog->reject();
        }
    }
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    // Every loop returns, and any dialog the code under them opens next returns at once, as
    // if cancelled, until exec() has seen the main loop end.
    QCoreApplication::exit(0);
}

int App::exec() {
    if (!m_shutDown && !m_shutDownDeferred) {
        QApplication::exec();
    }
    shutDown();
    return 0;
}

SimulatorWindow* App::createSimulator() {
    auto* simulator = new SimulatorWindow(m_kanalCount, m_reports);
    simulator->setProtectedFiles(&m_document.protectedFiles());
    addCommonActions(*simulator);
    simulator->setFallbackFolder(imageFolder());
    simulator->setLayout(m_boardLamps.shownLayout());
    connect(simulator, &SimulatorWindow::layoutEdited, this,
            [this, simulator] { m_boardLamps.takeShownLayout(simulator->layout()); });
    connect(simulator, &SimulatorWindow::backgroundEdited, this, [this, simulator] {
        if (BoardWindow* board = m_boardWindow.existing()) {
            board->showPicture(simulator->background());
        }
    });
    // The simulator goes with its layout when it closes, as it always has: the board's
    // lamps start again where a new simulator puts them.
    connect(simulator, &SimulatorWindow::unloaded, this, [this] {
        m_boardLamps.setPositions(LampStartPositions);
        m_boardLamps.setCount(LampCount);
    });
    // A simulator created again shows the current step at once, not its design colours.
    // The first one, made before the colour panel exists, opens in its design colours.
    if (m_lampsFollowPage) {
        simulator->setLampColours(lampColours());
    }
    return simulator;
}

ColourPanel* App::createColourPanel() {
    // The colour file goes with the panel, as the user knows it: read as the panel opens,
    // written as it closes (also at the program's close).
    auto* panel = new ColourPanel(m_channelColours);
    loadColours(panel);
    connect(panel, &ColourPanel::unloaded, this, [this, panel] { saveColours(panel); });
    addCommonActions(*panel);
    return panel;
}

void App::loadColours(QWidget* over) {
    const QString path = colourFileInWorkingDirectory();
    m_document.protectedFiles().set(ProtectedFiles::Role::ColourFile, path);
    if (auto failure = m_channelColours.load(path)) {
        m_reports.report(over, *failure);
    }
}

void App::saveColours(QWidget* over) {
    const QString path = colourFileInWorkingDirectory();
    auto failure = m_document.protectedFiles().checkTarget(path, FileAction::WriteColours, {},
                                                           ProtectedFiles::Role::ColourFile);
    if (!failure) {
        failure = m_channelColours.save(path);
    }
    if (failure) {
        // The panel is closing: the report is answered before it goes.
        m_reports.reportNow(over, failureText(*failure));
    }
}

void App::addCommonActions(QWidget& window) {
    window.addAction(m_historyActions.undoAction());
    window.addAction(m_historyActions.redoAction());
    window.addAction(m_stepEditorAction);
    window.addAction(m_boardAction);
    window.addAction(m_newImageAction);
}

void App::followPrograms() {
    const auto loopPlayback = [this] {
        m_playback.setLoop(m_programs.loop(m_kanalCount.stepLength()));
    };
    connect(&m_programs, &ProgramChoice::changed, this, loopPlayback);
    connect(&m_kanalCount, &KanalCount::changed, this, [this, loopPlayback] {
        countImageSteps();
        loopPlayback();
    });
    connect(&m_document, &ImageDocument::openedImageChanged, this, &App::countImageSteps);
    connect(&m_document, &ImageDocument::imageEdited, this, &App::countImageSteps);
    // A selection plays until playback stops.
    connect(&m_playback, &Playback::playingChanged, this, [this](bool playing) {
        if (!playing) {
            m_programs.setPlayedSelection(std::nullopt);
        }
    });
}

void App::countImageSteps() {
    const qint64 length = m_document.hasImage() ? m_document.length() : 0;
    m_programs.setImageSteps(static_cast<int>(length / m_kanalCount.stepLength()));
}

StepEditorWindow* App::createStepEditor() {
    auto* editor = new StepEditorWindow(m_document, m_page, m_kanalCount, m_channelColours,
                                        m_reports, m_display, m_programs, m_playback);
    editor->addCommonActions({m_historyActions.undoAction(), m_historyActions.redoAction(),
                              m_stepEditorAction, m_boardAction});
    editor->addFileActions({m_newImageAction});
    editor->setPlaying(m_playback.isPlaying());
    editor->setAnimationSource([this] { return animationSource(); });
    connect(editor, &StepEditorWindow::importRequested, this,
            [this, editor] { importRecordFile(editor); });
    connect(editor, &StepEditorWindow::saveAsRequested, this,
            [this, editor] { saveImageAs(editor); });
    connect(editor, &StepEditorWindow::saveBoardRequested, m_board,
            [this, editor] { static_cast<void>(m_board->saveBoard(editor)); });
    connect(editor, &StepEditorWindow::openBoardRequested, m_board,
            [this, editor] { m_board->openBoard(editor); });
    m_board->restoreStepEditorPosition(*editor);
    connect(editor, &StepEditorWindow::pageRequested, m_codeView.get(),
            &CodeViewWindow::showPageAt);
    return editor;
}

SimulatorAnimation App::animationSource() {
    SimulatorAnimation animation;
    if (SimulatorWindow* simulator = m_simulator.existing()) {
        animation.layout = simulator->layout();
        animation.background = simulator->background();
    }
    animation.colours = m_channelColours.colours();
    // GIF counts time in hundredths of a second, and readers show less than 2 as 10.
    animation.centiseconds = std::max(2, (m_playback.interval() + 5) / 10);
    return animation;
}

BoardWindow* App::createBoardWindow() {
    auto* board = new BoardWindow(m_boardLamps, m_channelColours, m_kanalCount);
    board->showPicture(simulator().background());
    connect(board, &BoardWindow::saveBoardRequested, m_board, [this, board] {
        if (m_board->saveBoard(board)) {
            board->markSaved();
        }
    });
    connect(board, &BoardWindow::exportLayoutRequested, this,
            [this, board] { exportBoardLayout(board); });
    connect(board, &BoardWindow::pictureChanged, this, &App::setBoardPicture);
    for (QAction* action : {m_stepEditorAction, m_newImageAction}) {
        board->addAction(action);
    }
    return board;
}

void App::showBoardWindow() {
    BoardWindow& board = m_boardWindow.get();
    board.show();
    board.raise();
    board.activateWindow();
}

void App::setBoardPicture(const QImage& picture, const QString& path) {
    simulator().setBackground(picture);
    m_document.protectedFiles().set(ProtectedFiles::Role::Picture, path);
    if (BoardWindow* board = m_boardWindow.existing()) {
        board->showPicture(picture);
    }
}

void App::exportBoardLayout(QWidget* parent) {
    const auto path = chooseFileToSave(parent, tr("Экспорт раскладки"),
                                       QDir(imageFolder()).filePath(QStringLiteral("layout.txt")));
    if (!path) {
        return;
    }
    auto failure = m_document.protectedFiles().checkTarget(*path, FileAction::WriteLayout, {},
                                                           ProtectedFiles::Role::Layout);
    if (!failure) {
        failure = saveLayoutFile(*path, m_boardLamps.shownLayout());
    }
    if (failure) {
        m_reports.report(parent, *failure);
    }
}

void App::showStepEditor() {
    StepEditorWindow& editor = m_stepEditor.get();
    editor.show();
    editor.raise();
    editor.activateWindow();
}

void App::undo() {
    if (auto failure = m_document.undo()) {
        reportOverActiveWindow(*failure);
    }
}

void App::redo() {
    if (auto failure = m_document.redo()) {
        reportOverActiveWindow(*failure);
    }
}

void App::reportOverActiveWindow(const FileError& failure) {
    QWidget* active = QApplication::activeWindow();
    m_reports.report(active ? active : m_codeView.get(), failure);
}

QString App::imageFolder() const {
    return m_document.hasImage() ? QFileInfo(m_document.path()).absolutePath() : QString();
}

void App::showSimulator() {
    SimulatorWindow& simulator = m_simulator.get();
    if (simulator.isVisible()) {
        simulator.raise();
    }
    simulator.show();
}

std::array<Bgr, LampCount> App::lampColours() {
    // The colours are the colour panel's: a panel closed earlier is created again (hidden),
    // reading the colour file again, before its colours are used.
    m_colourPanel.get();
    const ChannelColours& channelColours = m_channelColours.colours();
    const PageBytes page = m_page.pageBytes();
    const int kanalCount = m_kanalCount.value();
    std::array<Bgr, LampCount> colours{};
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        colours[lamp] = lampColour(page, lamp, kanalCount, channelColours);
    }
    return colours;
}

void App::relightLamps() {
    m_simulator.get().setLampColours(lampColours());
}

void App::showSwatchesForChannelCount() {
    m_colourPanel.get().showSwatchesFor(m_kanalCount.value());
}

} // namespace chaserom
