#include "windows/steps/stepexports.h"

#include "core/board/programchoice.h"
#include "core/files/atomicfile.h"
#include "core/files/fileio.h"
#include "core/image/imagedocument.h"
#include "core/steps/stepsmodel.h"
#include "windows/common/dialogs.h"
#include "windows/common/failurereports.h"
#include "windows/common/messages.h"
#include "windows/steps/gifexportdialog.h"
#include "windows/steps/stepgridview.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStatusBar>

namespace chaserom {

StepExports::StepExports(const ImageDocument& document, const StepsModel& steps,
                         const StepGridView& grid, const ProgramChoice& programs,
                         FailureReports& reports, QWidget* parent, QStatusBar& status)
    : m_document(document)
    , m_steps(steps)
    , m_grid(grid)
    , m_programs(programs)
    , m_reports(reports)
    , m_parent(parent)
    , m_status(status) {}

void StepExports::setAnimationSource(std::function<SimulatorAnimation()> source) {
    m_animationSource = std::move(source);
}

void StepExports::exportRecords(RecordFormat format) {
    if (!m_document.hasImage()) {
        m_reports.report(m_parent, messages::noImageOpen());
        return;
    }
    const QFileInfo image(m_document.path());
    const QString suggested = image.dir().filePath(
        image.completeBaseName() +
        (format == RecordFormat::IntelHex ? QStringLiteral(".hex") : QStringLiteral(".s19")));
    const auto path = chooseFileToSave(m_parent, tr("Экспорт образа"), suggested);
    if (!path || !mayWriteExport(*path, FileAction::WriteRecords)) {
        return;
    }
    // What is exported is what the grid shows: the page's rows included.
    const QByteArray records =
        recordFileText(format, m_steps.shownBytes(), DefaultRecordSize, image.fileName());
    if (auto failure = writeFileAtomically(*path, records, FileAction::WriteRecords)) {
        m_reports.report(m_parent, *failure);
        return;
    }
    m_status.showMessage(tr("Записано: %1").arg(*path), 5000);
}

bool StepExports::mayWriteExport(const QString& path, FileAction action,
                                 const QList<QString>& inputs) {
    // The grid shows the file as it was opened: once another file has taken its name, an
    // export would pass off old bytes as the image's.
    auto failure = m_document.checkStillOnDisk(FileAction::ReadImage);
    if (!failure) {
        failure = m_document.protectedFiles().checkTarget(path, action, inputs);
    }
    if (failure) {
        m_reports.report(m_parent, *failure);
        return false;
    }
    return true;
}

std::optional<SimulatorAnimation> StepExports::chooseAnimation() {
    SimulatorAnimation animation = m_animationSource();
    const auto selection = m_grid.selection();
    AnimationOffer offer;
    if (m_programs.stepsPerProgram() != 0) {
        offer.program = m_programs.program();
    }
    offer.hasSelection = selection.has_value();
    offer.intervalMs = animation.centiseconds * 10;
    GifExportDialog dialog(m_parent, offer);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const AnimationChoice choice = dialog.choice();
    StepSpan chosen{0, m_steps.stepCount()};
    if (choice.part == AnimationPart::Selection && selection) {
        chosen = *selection;
    } else if (choice.part == AnimationPart::Program && offer.program) {
        chosen = m_programs.programSteps(*offer.program).value_or(chosen);
    }
    constexpr int MostFrames = 10000;
    const StepSpan span{chosen.first, std::min(chosen.count, MostFrames)};
    animation.image = m_steps.shownBytes();
    animation.channels = m_steps.channelCount();
    animation.address = qint64{span.first} * m_steps.stepLength();
    animation.steps = std::min<qint64>(span.count, (animation.image.size() - animation.address) /
                                                       m_steps.stepLength());
    if (animation.steps <= 0) {
        m_reports.report(m_parent, tr("В выделенных шагах нет ни одного целого шага."));
        return std::nullopt;
    }
    // GIF counts time in hundredths of a second.
    animation.centiseconds = std::max(2, (choice.delayMs + 5) / 10);
    animation.scalePercent = choice.scalePercent;
    animation.cropToLamps = choice.cropToLamps;
    return animation;
}

void StepExports::exportAnimation() {
    if (!m_document.hasImage() || !m_animationSource) {
        m_reports.report(m_parent, messages::noImageOpen());
        return;
    }
    if (m_steps.stepCount() == 0) {
        m_reports.report(m_parent, messages::noWholeStep());
        return;
    }
    const auto chosen = chooseAnimation();
    if (!chosen) {
        return;
    }
    const SimulatorAnimation& animation = *chosen;
    const QFileInfo image(m_document.path());
    const auto path = chooseFileToSave(m_parent, tr("Экспорт GIF"),
                                       image.dir().filePath(image.completeBaseName() + ".gif"));
    if (!path || !mayWriteExport(*path, FileAction::WriteAnimation)) {
        return;
    }
    AtomicFile file(*path, FileAction::WriteAnimation);
    if (auto failure = file.open()) {
        m_reports.report(m_parent, *failure);
        return;
    }
    QProgressDialog progress(tr("Кадры анимации…"), tr("Отмена"), 0,
                             static_cast<int>(animation.steps), m_parent);
    progress.setWindowTitle(tr("Экспорт GIF"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const AnimationOutcome outcome =
        writeSimulatorAnimation(animation, file.device(), [&progress](qint64 done) {
            progress.setValue(static_cast<int>(done));
            return !progress.wasCanceled();
        });
    progress.reset();
    if (outcome.cancelled) {
        m_status.showMessage(tr("Экспорт GIF отменён; файл не записан"), 5000);
        return;
    }
    if (outcome.fault) {
        m_reports.report(m_parent, FileError{FileAction::WriteAnimation, *path, *outcome.fault});
        return;
    }
    if (auto failure = file.commit()) {
        m_reports.report(m_parent, *failure);
        return;
    }
    m_status.showMessage(tr("Записано: %1").arg(*path), 5000);
}

} // namespace chaserom
