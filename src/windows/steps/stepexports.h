#pragma once

#include "core/files/fileerror.h"
#include "core/formats/recordfile.h"
#include "render/simulatoranimation.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QStatusBar;
class QWidget;

namespace chaserom {

class FailureReports;
class ImageDocument;
class ProgramChoice;
class StepGridView;
class StepsModel;

/// The step editor's exports: the image as Intel HEX or S-records for a programmer, and the
/// chosen steps as the simulator's animation in a GIF. What is written is what the grid
/// shows; no export replaces the image or a file the program keeps.
class StepExports {
    Q_DECLARE_TR_FUNCTIONS(StepExports)

public:
    /// Dialogs and reports open over `parent`; messages go to `status`.
    StepExports(const ImageDocument& document, const StepsModel& steps, const StepGridView& grid,
                const ProgramChoice& programs, FailureReports& reports, QWidget* parent,
                QStatusBar& status);

    /// Where an animation's layout, picture, colours and interval come from.
    void setAnimationSource(std::function<SimulatorAnimation()> source);

    /// Asks where, and writes the image as records of `format`.
    void exportRecords(RecordFormat format);
    /// Asks what to show (the whole image, the chosen program or the selected steps, the
    /// frames' delay, scale and crop) and where, and writes it as a GIF, with a progress
    /// dialog that can cancel it.
    void exportAnimation();

private:
    /// Whether an export may be written to `path`: the image is still the file that was
    /// opened, and `path` is none of the files that must not be replaced. Reports why not.
    [[nodiscard]] bool mayWriteExport(const QString& path, FileAction action,
                                      const QList<QString>& inputs = {});
    /// Asks what the animation shows and fills it in; none when the user cancelled or it
    /// holds no whole step (reported).
    [[nodiscard]] std::optional<SimulatorAnimation> chooseAnimation();

    const ImageDocument& m_document;
    const StepsModel& m_steps;
    const StepGridView& m_grid;
    const ProgramChoice& m_programs;
    FailureReports& m_reports;
    QWidget* m_parent;
    QStatusBar& m_status;
    std::function<SimulatorAnimation()> m_animationSource;
};

} // namespace chaserom
