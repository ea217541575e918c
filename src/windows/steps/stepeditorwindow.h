#pragma once

#include "core/files/fileerror.h"
#include "core/formats/recordfile.h"
#include "core/image/imagecompare.h"
#include "core/steps/bytepattern.h"
#include "core/steps/stepoperations.h"
#include "render/simulatoranimation.h"

#include <QMainWindow>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QListWidget;
class QDockWidget;

namespace chaserom {

class ChannelColourModel;
class DisplayHold;
class FailureReports;
class KanalCount;
class ImageDocument;
class PageRows;
class StepGridView;
class StepsModel;
struct PaintedLamp;

/// The step editor, "Шаги эффекта": the whole effect as a grid of channels over steps, with
/// painting, selections of whole steps, the clipboard, fill, patterns, go to and find. Every
/// change it makes is a whole-image change of the page model and one step of the history.
class StepEditorWindow : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY(StepEditorWindow)

public:
    StepEditorWindow(ImageDocument& document, const PageRows& page, const KanalCount& kanalCount,
                     const ChannelColourModel& colours, FailureReports& reports,
                     DisplayHold& display);

    [[nodiscard]] StepGridView& grid() const { return *m_grid; }
    /// Marks the step playing and keeps it in view while playback runs.
    void setPlaying(bool playing);
    /// Adds the actions every window of the program offers (undo, redo) to the Edit menu.
    void addCommonActions(const QList<QAction*>& actions);
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
    /// The window was closed: it is gone.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createGrid();
    void createFileActions();
    void createDifferencesPanel();
    void createEditActions();
    void createViewActions();
    void createGoActions();
    void createStatusBar();
    void restoreSettings();
    void saveSettings() const;

    QAction* addAction(QMenu* menu, const QString& name, const QString& text,
                       const QString& toolTip, const QList<QKeySequence>& keys,
                       const std::function<void(StepEditorWindow*)>& slot);

    /// The selected steps, or the cursor's step when none is selected.
    [[nodiscard]] StepSpan targetSteps() const;
    [[nodiscard]] QString stepsText(StepSpan span) const;
    /// Changes the image as one step of the history, reporting a failure.
    void change(const QString& label, const std::function<void(QByteArray&)>& transform);

    void paintLamps(const QList<PaintedLamp>& lamps);
    void copySteps();
    void cutSteps();
    void pasteOver();
    /// Whether an export may be written to `path`: the image is still the file that was
    /// opened, and `path` is none of the files that must not be replaced. Reports why not.
    [[nodiscard]] bool mayWriteExport(const QString& path, FileAction action,
                                      const QList<QString>& inputs = {});
    void pasteInserting();
    void deleteSteps();
    void selectAll();
    void fill();
    void invert();
    void reverseOrder();
    void mirror();
    void rotateLeft();
    void rotateRight();
    void zoomIn();
    void zoomOut();
    void goTo();
    void find();
    void findNext();
    void findPrevious();
    void findFrom(qint64 from, bool forward);
    /// The address of the byte the cursor's lamp lies in.
    [[nodiscard]] qint64 cursorAddress() const;
    [[nodiscard]] std::optional<QByteArray> clipboardBytes();
    void showStatus();
    void showChecksums();
    void showChecksumsNow();
    void generate();
    void exportRecords(RecordFormat format);
    void exportIntelHex();
    void exportSRecords();
    void exportAnimation();
    void compareWithImage();
    void nextDifference();
    void previousDifference();
    void showDifference(int index);
    /// Marks a difference in the list and puts the cursor on it.
    void goToDifference(int index);

    ImageDocument& m_document;
    StepsModel& m_steps;
    FailureReports& m_reports;
    StepGridView* m_grid = nullptr;
    QMenu* m_editMenu = nullptr;
    QAction* m_editStart = nullptr;
    QAction* m_channelColours = nullptr;
    QAction* m_follow = nullptr;
    QLabel* m_lengthLabel = nullptr;
    QLabel* m_selectionLabel = nullptr;
    QLabel* m_checksumLabel = nullptr;
    QDockWidget* m_differencesPanel = nullptr;
    QListWidget* m_differencesList = nullptr;
    /// The differing steps of the last comparison, in address order.
    QList<StepSpan> m_differences;
    std::function<SimulatorAnimation()> m_animationSource;
    /// Checksums are taken once for a burst of changes.
    bool m_checksumsDue = false;
    QString m_lastFolder;
    std::optional<BytePattern> m_searched;
    QString m_searchedText;
};

} // namespace chaserom
