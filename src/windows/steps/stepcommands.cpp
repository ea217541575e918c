#include "windows/steps/stepcommands.h"

#include "core/geometry/placebeside.h"
#include "core/image/imagedocument.h"
#include "core/patterns/pattern.h"
#include "core/steps/hexbytestext.h"
#include "core/steps/stepsmodel.h"
#include "windows/common/failurereports.h"
#include "windows/common/messages.h"
#include "windows/steps/checkedtextdialog.h"
#include "windows/steps/patterndialog.h"
#include "windows/steps/stepgridview.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>
#include <array>

namespace chaserom {

namespace {

/// An edit of whole steps in place: the label of its history step, with %1 for the steps,
/// and what it does to the image.
struct InPlaceEdit {
    StepEdit edit;
    const char* label;
    void (*transform)(QByteArray& image, int stepLength, StepSpan span);
};

constexpr std::array InPlaceEdits{
    InPlaceEdit{StepEdit::Delete, QT_TRANSLATE_NOOP("StepCommands", "удаление: %1"), &deleteSteps},
    InPlaceEdit{StepEdit::Invert, QT_TRANSLATE_NOOP("StepCommands", "инверсия: %1"), &invertSteps},
    InPlaceEdit{StepEdit::Reverse, QT_TRANSLATE_NOOP("StepCommands", "обратный порядок: %1"),
                &reverseSteps},
    InPlaceEdit{StepEdit::Mirror, QT_TRANSLATE_NOOP("StepCommands", "зеркально по каналам: %1"),
                &mirrorChannels},
    InPlaceEdit{StepEdit::RotateLeft, QT_TRANSLATE_NOOP("StepCommands", "сдвиг каналов влево: %1"),
                [](QByteArray& image, int stepLength, StepSpan span) {
                    rotateChannels(image, stepLength, span, -1);
                }},
    InPlaceEdit{StepEdit::RotateRight,
                QT_TRANSLATE_NOOP("StepCommands", "сдвиг каналов вправо: %1"),
                [](QByteArray& image, int stepLength, StepSpan span) {
                    rotateChannels(image, stepLength, span, 1);
                }},
};

} // namespace

StepCommands::StepCommands(ImageDocument& document, const StepsModel& steps, StepGridView& grid,
                           FailureReports& reports, QWidget* parent, QStatusBar& status)
    : m_document(document)
    , m_steps(steps)
    , m_grid(grid)
    , m_reports(reports)
    , m_parent(parent)
    , m_status(status) {}

QString StepCommands::stepsText(StepSpan span) {
    if (span.count == 1) {
        return tr("шаг %1").arg(span.first);
    }
    return tr("шаги %1–%2 (%3)").arg(span.first).arg(span.first + span.count - 1).arg(span.count);
}

StepSpan StepCommands::targetSteps() const {
    if (const auto selection = m_grid.selection()) {
        return *selection;
    }
    return {m_grid.cursorStep(), m_steps.stepCount() > 0 ? 1 : 0};
}

void StepCommands::change(const QString& label, const std::function<void(QByteArray&)>& transform) {
    if (!m_document.hasImage()) {
        m_reports.report(m_parent, messages::noImageOpen());
        return;
    }
    if (auto failure = m_document.transform(label, m_steps.length(), transform)) {
        m_reports.report(m_parent, *failure);
    }
}

void StepCommands::paintLamps(const QList<PaintedLamp>& lamps) {
    const int stepLength = m_steps.stepLength();
    const QString label =
        lamps.size() == 1
            ? tr("лампа канала %1 в шаге %2").arg(lamps[0].channel + 1).arg(lamps[0].step)
            : tr("рисование, ламп: %1").arg(lamps.size());
    change(label, [&](QByteArray& image) {
        for (const PaintedLamp& lamp : lamps) {
            setLamp(image, stepLength, lamp.step, lamp.channel, lamp.lit);
        }
    });
}

void StepCommands::copy() {
    const QByteArray bytes = stepBytes(m_steps.shownBytes(), m_steps.stepLength(), targetSteps());
    if (!bytes.isEmpty()) {
        QApplication::clipboard()->setText(bytesToHexText(bytes));
    }
}

void StepCommands::cut() {
    copy();
    const StepSpan span = targetSteps();
    change(tr("вырезание: %1").arg(stepsText(span)), [&](QByteArray& image) {
        fillSteps(image, m_steps.stepLength(), span, QByteArray(1, '\xFF'));
    });
}

std::optional<QByteArray> StepCommands::clipboardBytes() {
    auto bytes = hexTextToBytes(QApplication::clipboard()->text());
    if (!bytes) {
        m_reports.report(m_parent, tr("В буфере обмена нет шагов: %1.").arg(bytes.failure()));
    }
    return bytes.value();
}

void StepCommands::pasteOver() {
    const auto bytes = clipboardBytes();
    if (!bytes) {
        return;
    }
    const int stepLength = m_steps.stepLength();
    const qint64 address = qint64{m_grid.cursorStep()} * stepLength;
    change(tr("вставка поверх с шага %1").arg(m_grid.cursorStep()),
           [&](QByteArray& image) { chaserom::pasteOver(image, address, *bytes); });
    const qint64 beyondEnd = address + bytes->size() - m_steps.length();
    if (beyondEnd > 0) {
        const qint64 steps = (beyondEnd + stepLength - 1) / stepLength;
        m_status.showMessage(
            tr("Не вставлено шагов: %1 (%2 байт) — они не поместились до конца образа")
                .arg(steps)
                .arg(beyondEnd),
            10000);
    }
}

void StepCommands::pasteInserting() {
    const auto bytes = clipboardBytes();
    if (!bytes) {
        return;
    }
    const int at = m_grid.cursorStep();
    // Whole steps are inserted, a last one cut short made up with dark lamps, so that later
    // steps keep their channels.
    QByteArray steps = *bytes;
    const int stepLength = m_steps.stepLength();
    steps.append(QByteArray((stepLength - steps.size() % stepLength) % stepLength, '\xFF'));
    change(tr("вставка со сдвигом перед шагом %1").arg(at),
           [&](QByteArray& image) { insertSteps(image, stepLength, at, steps); });
}

void StepCommands::fill() {
    const StepSpan span = targetSteps();
    const auto answer = CheckedTextDialog::askFor(
        m_parent, tr("Заполнить"), tr("Байты, которыми заполнить %1:").arg(stepsText(span)),
        QStringLiteral("FF"), [](const QString& typed) { return hexTextToBytes(typed); });
    if (!answer) {
        return;
    }
    const QByteArray pattern = answer->value;
    change(tr("заполнение: %1").arg(stepsText(span)),
           [&](QByteArray& image) { fillSteps(image, m_steps.stepLength(), span, pattern); });
}

void StepCommands::placeBesideGrid(QDialog& dialog) const {
    // The preview shows in the grid: the dialog must not cover the lamps it previews.
    const QWidget* view = m_grid.viewport();
    const int shown = std::min(view->width(), m_grid.layout().width());
    const QRect cells(view->mapToGlobal(QPoint(0, 0)), QSize(shown, view->height()));
    const QScreen* screen = view->screen();
    dialog.adjustSize();
    // The frame's title bar and borders take room too.
    const QSize frame = dialog.frameGeometry().size().expandedTo(dialog.size() + QSize(16, 40));
    if (screen) {
        dialog.move(placeBeside(cells, frame, screen->availableGeometry()));
    }
}

void StepCommands::generate() {
    const StepSpan span = targetSteps();
    const QByteArray image = m_steps.shownBytes();
    const int stepLength = m_steps.stepLength();
    const auto generated = [&](const PatternRequest& chosen) {
        PatternRequest request = chosen;
        request.steps = span.count;
        QByteArray changed = image;
        fillSteps(changed, stepLength, span, generatePattern(request));
        return changed;
    };
    PatternDialog dialog(m_parent, m_steps.channelCount(), [&](const PatternRequest& request) {
        m_grid.setPreview(generated(request));
    });
    placeBesideGrid(dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_grid.setPreview(std::nullopt);
    if (!accepted) {
        return;
    }
    PatternRequest request = dialog.request();
    request.steps = span.count;
    const QByteArray pattern = generatePattern(request);
    const auto named =
        std::find_if(PatternNames.begin(), PatternNames.end(),
                     [&](const NamedPattern& p) { return p.pattern == request.pattern; });
    change(tr("узор %1: %2").arg(QLatin1String(named->name), stepsText(span)),
           [&](QByteArray& bytes) { fillSteps(bytes, stepLength, span, pattern); });
}

void StepCommands::apply(StepEdit edit) {
    const auto entry = std::ranges::find(InPlaceEdits, edit, &InPlaceEdit::edit);
    const StepSpan span = targetSteps();
    change(QCoreApplication::translate("StepCommands", entry->label).arg(stepsText(span)),
           [&](QByteArray& image) { entry->transform(image, m_steps.stepLength(), span); });
}

} // namespace chaserom
