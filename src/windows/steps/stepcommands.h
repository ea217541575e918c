#pragma once

#include "core/steps/stepoperations.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QDialog;
class QStatusBar;
class QWidget;

namespace chaserom {

class FailureReports;
class ImageDocument;
class StepGridView;
class StepsModel;
struct PaintedLamp;

/// The edits that change the target steps in place and ask the user nothing.
enum class StepEdit { Delete, Invert, Reverse, Mirror, RotateLeft, RotateRight };

/// The step editor's commands that change the image: painting, the clipboard, fill, patterns
/// and the edits of whole steps. Each takes the selected steps (or the cursor's), names the
/// change, makes it as one step of the history, and reports what went wrong.
class StepCommands {
    Q_DECLARE_TR_FUNCTIONS(StepCommands)

public:
    /// Dialogs and reports open over `parent`; messages go to `status`.
    StepCommands(ImageDocument& document, const StepsModel& steps, StepGridView& grid,
                 FailureReports& reports, QWidget* parent, QStatusBar& status);

    /// How the editor names steps: "шаг 4", or "шаги 4–7 (4)".
    [[nodiscard]] static QString stepsText(StepSpan span);

    void paintLamps(const QList<PaintedLamp>& lamps);
    /// Puts the target steps on the clipboard as hex text.
    void copy();
    /// Copies the target steps and darkens them.
    void cut();
    /// Writes the clipboard's bytes over the image from the cursor's step on.
    void pasteOver();
    /// Inserts the clipboard's bytes, made up to whole steps, before the cursor's step.
    void pasteInserting();
    /// Asks for bytes and fills the target steps with them.
    void fill();
    /// Asks for a pattern, previewed in the grid, and writes it into the target steps.
    void generate();
    void apply(StepEdit edit);

private:
    /// Moves a dialog that previews into the grid to where it covers none of the grid.
    void placeBesideGrid(QDialog& dialog) const;
    /// The selected steps, or the cursor's step when none is selected.
    [[nodiscard]] StepSpan targetSteps() const;
    /// Changes the image as one step of the history, reporting a failure.
    void change(const QString& label, const std::function<void(QByteArray&)>& transform);
    /// The clipboard's hex text as bytes; reports what is wrong with it.
    [[nodiscard]] std::optional<QByteArray> clipboardBytes();

    ImageDocument& m_document;
    const StepsModel& m_steps;
    StepGridView& m_grid;
    FailureReports& m_reports;
    QWidget* m_parent;
    QStatusBar& m_status;
};

} // namespace chaserom
