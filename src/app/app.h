#pragma once

#include "app/boardkeeper.h"
#include "core/board/boardlamps.h"
#include "core/board/programchoice.h"
#include "core/colours/channelcolourmodel.h"
#include "core/image/imagedocument.h"
#include "core/page/kanalcount.h"
#include "core/page/pagerows.h"
#include "core/page/playback.h"
#include "windows/board/boardwindow.h"
#include "windows/colours/colourpanel.h"
#include "windows/common/displayhold.h"
#include "windows/common/failurereports.h"
#include "windows/common/historyactions.h"
#include "windows/common/lazywindow.h"
#include "windows/simulator/simulatorwindow.h"
#include "windows/steps/stepeditorwindow.h"

#include <QObject>
#include <QString>
#include <memory>

namespace chaserom {

class CodeViewWindow;

/// Owns the models (the image document and its page, playback, the channel count and
/// colours), the windows and the failure reports, and wires them together in one place:
/// the code view asks for images to open and the app opens them; the lamps light in the
/// channel colours. The simulator, the colour panel and the step editor are created on
/// first use and again after they were closed.
class App : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(App)

public:
    App();
    ~App() override;

    /// Starts the program: shows the simulator and the colour panel, prepares the code
    /// view, opens `image` (or asks for one when it is empty), then shows the code view.
    void start(const QString& image, bool showSteps = false);

    /// Opens an image; a failure is reported over the code view and changes nothing. An
    /// image that another copy of the program holds open is opened only if the user says so.
    void openImage(const QString& path);
    /// Tells the programs how many steps the open image has.
    void countImageSteps();

    [[nodiscard]] CodeViewWindow& codeView() { return *m_codeView; }
    [[nodiscard]] ImageDocument& document() { return m_document; }
    [[nodiscard]] PageRows& page() { return m_page; }
    [[nodiscard]] Playback& playback() { return m_playback; }
    [[nodiscard]] ProgramChoice& programs() { return m_programs; }
    [[nodiscard]] BoardLamps& boardLamps() { return m_boardLamps; }
    [[nodiscard]] KanalCount& kanalCount() { return m_kanalCount; }
    [[nodiscard]] ChannelColourModel& channelColours() { return m_channelColours; }
    [[nodiscard]] FailureReports& reports() { return m_reports; }
    /// The simulator and the colour panel, created hidden if they do not exist.
    [[nodiscard]] SimulatorWindow& simulator() { return m_simulator.get(); }
    [[nodiscard]] ColourPanel& colourPanel() { return m_colourPanel.get(); }
    [[nodiscard]] SimulatorWindow* existingSimulator() const { return m_simulator.existing(); }
    [[nodiscard]] ColourPanel* existingColourPanel() const { return m_colourPanel.existing(); }
    /// The step editor, created hidden if it does not exist.
    [[nodiscard]] StepEditorWindow& stepEditor() { return m_stepEditor.get(); }
    [[nodiscard]] BoardWindow& boardWindow() { return m_boardWindow.get(); }
    [[nodiscard]] BoardWindow* existingBoardWindow() const { return m_boardWindow.existing(); }
    void showBoardWindow();
    /// The board's picture, shown by the simulator and the board window and kept from being
    /// written over.
    void setBoardPicture(const QImage& picture, const QString& path);
    [[nodiscard]] StepEditorWindow* existingStepEditor() const { return m_stepEditor.existing(); }
    /// Shows the step editor, raised.
    void showStepEditor();

    [[nodiscard]] HistoryActions& historyActions() { return m_historyActions; }

    /// Closes the program: the simulator and the colour panel (which writes its colours)
    /// are closed, the page is written back while saving is on, and the image is closed.
    void shutDown();
    /// Closes the program as the code view's close box asks: at once, or, while a dialog,
    /// a menu or a progress is open, once they have been cancelled and have returned.
    void requestShutDown();
    /// Closes the program for a termination signal, as the close box does, with any failure
    /// written to the standard error stream, since nobody may be there to answer a box.
    void shutDownForSignal();
    [[nodiscard]] bool hasShutDown() const { return m_shutDown; }

    /// Runs the event loop until the program has been closed, then finishes a shut-down
    /// that had to wait for it; the program's exit status.
    int exec();

signals:
    void finished();

private:
    SimulatorWindow* createSimulator();
    ColourPanel* createColourPanel();
    /// Reads the colour file into the channel colours, or writes it from them; a failure is
    /// reported over `over`.
    void loadColours(QWidget* over);
    void saveColours(QWidget* over);
    StepEditorWindow* createStepEditor();
    BoardWindow* createBoardWindow();
    /// Writes the board's shown layout to a layout file the simulator's «Загрузить» reads.
    void exportBoardLayout(QWidget* parent);
    [[nodiscard]] std::array<Bgr, LampCount> lampColours();
    void relightLamps();
    /// The board's programs follow the image's steps, and playback loops the chosen one.
    void followPrograms();
    void showSwatchesForChannelCount();
    void showSimulator();
    /// Adds what every window offers (undo, redo) to a window, for its keys and its menu.
    void addCommonActions(QWidget& window);
    void undo();
    void redo();
    /// Asks for an Intel HEX or S-record file, writes the image it describes beside it (under a
    /// name the user confirms) and opens that image.
    void importRecordFile(QWidget* parent);
    /// Asks for a name and saves the image under it, then works on that copy.
    void saveImageAs(QWidget* parent);
    /// Asks for a chip or a length, a fill byte and a name, writes that blank image and opens
    /// it.
    void createNewImage(QWidget* parent);
    /// What an animation exported now shows: the simulator's layout and picture, the channel
    /// colours and the playback interval.
    [[nodiscard]] SimulatorAnimation animationSource();
    void reportOverActiveWindow(const FileError& failure);
    /// Whether something is running an event loop of its own over the windows (a dialog, a
    /// message box, a menu, a progress): closing the windows under it would pull them away
    /// from code that is still using them.
    [[nodiscard]] static bool modalWorkUnderway();
    /// Cancels every open dialog and progress, closes menus, and ends every event loop; the
    /// shut-down follows in exec(), when they have all returned.
    void shutDownWhenUnwound();
    [[nodiscard]] QString imageFolder() const;

    FailureReports m_reports;
    DisplayHold m_display;
    KanalCount m_kanalCount;
    ImageDocument m_document;
    PageRows m_page;
    Playback m_playback;
    ProgramChoice m_programs;
    BoardLamps m_boardLamps;
    BoardKeeper* m_board = nullptr;
    ChannelColourModel m_channelColours;
    HistoryActions m_historyActions;
    std::unique_ptr<CodeViewWindow> m_codeView;
    LazyWindow<SimulatorWindow> m_simulator;
    LazyWindow<ColourPanel> m_colourPanel;
    LazyWindow<StepEditorWindow> m_stepEditor;
    LazyWindow<BoardWindow> m_boardWindow;
    /// "Шаги эффекта…" (F2), offered in every window.
    QAction* m_stepEditorAction = nullptr;
    QAction* m_boardAction = nullptr;
    /// "Новый образ…" (Ctrl+N), offered in every window.
    QAction* m_newImageAction = nullptr;
    bool m_shutDown = false;
    /// The shut-down waits for the event loops to end.
    bool m_shutDownDeferred = false;
    bool m_lampsFollowPage = false;
    /// The lamps changed while the display was held.
    bool m_lampsHeld = false;
};

} // namespace chaserom
