#pragma once

#include "core/image/imagecompare.h"
#include "render/simulatoranimation.h"
#include "windows/steps/stepcommands.h"
#include "windows/steps/stepexports.h"
#include "windows/steps/stepnavigation.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace chaserom {

class ChannelColourModel;
class DifferencesPanel;
class DisplayHold;
class FailureReports;
class KanalCount;
class ImageDocument;
class PageRows;
class Playback;
class ProgramChoice;
class StepGridView;
class StepsModel;

/// The step editor, "Шаги эффекта": the whole effect as a grid of channels over steps, with
/// painting, selections of whole steps, the clipboard, fill, patterns, go to and find. Every
/// change it makes is a whole-image change of the page model and one step of the history.
/// The window holds the menus, tool bars and status bar; its commands, exports, navigation
/// and the differences panel do the work.
class StepEditorWindow : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY(StepEditorWindow)

public:
    StepEditorWindow(ImageDocument& document, const PageRows& page, const KanalCount& kanalCount,
                     const ChannelColourModel& colours, FailureReports& reports,
                     DisplayHold& display, ProgramChoice& programs, Playback& playback);

    [[nodiscard]] StepGridView& grid() const { return *m_grid; }
    /// Marks the step playing and keeps it in view while playback runs.
    void setPlaying(bool playing);
    /// Adds the actions every window of the program offers (undo, redo) to the Edit menu.
    void addCommonActions(const QList<QAction*>& actions);
    /// Puts actions the app offers everywhere at the top of the Файл menu.
    void addFileActions(const QList<QAction*>& actions);
    /// Where an animation's layout, picture, colours and interval come from: the simulator
    /// and the code view as they are at the moment of the export.
    void setAnimationSource(std::function<SimulatorAnimation()> source);
    /// Marks where the image differs from another one and lists the differences.
    void showComparison(const QString& otherName, const ImageComparison& comparison);

signals:
    /// The user double-clicked a step's address: the code view shows the page there.
    void pageRequested(int address);
    /// The user wants to open an Intel HEX or S-record file as an image.
    void importRequested();
    /// The user wants the image saved under another name, and that copy open.
    void saveAsRequested();
    /// The user wants the board kept in the board file of the image's folder.
    void saveBoardRequested();
    /// The user wants a board file applied.
    void openBoardRequested();
    /// The window was closed: it is gone.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createGrid();
    void createFileActions();
    void createDifferencesPanel();
    void createEditActions();
    void createViewActions();
    void createLanguageMenu(QMenu& view);
    void createGoActions();
    void createBoardTools();
    /// Loops the selected steps until playback stops or the selection is cleared.
    void playSelection();
    void createStatusBar();
    void setThemeIcons();
    void restoreSettings();
    /// The first opening: a size that shows every tool and status field, beside the other
    /// windows, inside the screen.
    void placeAtFirstOpening();
    /// A remembered place kept inside the screen's available area, as screens change.
    void keepOnScreen();
    void saveSettings() const;

    QAction* addAction(QMenu* menu, const QString& name, const QString& text,
                       const QString& toolTip, const QList<QKeySequence>& keys,
                       const std::function<void()>& slot);

    void showStatus();
    void showChecksums();
    void showChecksumsNow();
    /// Asks for another image and compares the grid's bytes with it.
    void compareWithImage();

    ImageDocument& m_document;
    StepsModel& m_steps;
    ProgramChoice& m_programs;
    Playback& m_playback;
    FailureReports& m_reports;
    StepGridView* m_grid = nullptr;
    StepCommands m_commands;
    StepExports m_exports;
    StepNavigation m_navigation;
    DifferencesPanel* m_differences = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QAction* m_editStart = nullptr;
    QAction* m_channelColours = nullptr;
    QAction* m_follow = nullptr;
    QAction* m_boardLook = nullptr;
    QLabel* m_lengthLabel = nullptr;
    QLabel* m_selectionLabel = nullptr;
    QLabel* m_checksumLabel = nullptr;
    /// Checksums are taken once for a burst of changes.
    bool m_checksumsDue = false;
};

} // namespace chaserom
