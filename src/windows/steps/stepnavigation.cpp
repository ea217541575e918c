#include "windows/steps/stepnavigation.h"

#include "core/board/programchoice.h"
#include "core/steps/gotoaddress.h"
#include "core/steps/stepsmodel.h"
#include "windows/steps/checkedtextdialog.h"
#include "windows/steps/stepgridview.h"

#include <QStatusBar>

namespace chaserom {

StepNavigation::StepNavigation(const StepsModel& steps, ProgramChoice& programs, StepGridView& grid,
                               QWidget* parent, QStatusBar& status)
    : m_steps(steps)
    , m_programs(programs)
    , m_grid(grid)
    , m_parent(parent)
    , m_status(status) {}

void StepNavigation::goTo() {
    const qint64 current = qint64{m_grid.cursorStep()} * m_steps.stepLength();
    const auto read = [this, current](const QString& typed) {
        return readGoToAddress(typed, current, m_steps.stepLength(), m_steps.length(),
                               m_programs.stepsPerProgram());
    };
    const QString question =
        m_programs.stepsPerProgram() == 0
            ? tr("Адрес (100 или 0x64), шаг (#25) или смещение в шагах (+4, -4):")
            : tr("Адрес (100 или 0x64), шаг (#25), смещение в шагах (+4, -4) или "
                 "программа (P3):");
    const auto answer =
        CheckedTextDialog::askFor(m_parent, tr("Перейти"), question, QString(), read);
    if (!answer) {
        return;
    }
    const qint64 address = answer->value;
    m_grid.setCursor(static_cast<int>(address / m_steps.stepLength()),
                     static_cast<int>(address % m_steps.stepLength()) * 8);
}

void StepNavigation::goToProgram() {
    if (m_programs.stepsPerProgram() == 0) {
        m_status.showMessage(
            tr("Программ нет: выберите на панели «Шагов в программе», сколько их шагов."), 5000);
        return;
    }
    const int count = m_programs.programCount();
    const auto read = [count](const QString& typed) -> Result<int> {
        bool ok = false;
        const int number = typed.trimmed().toInt(&ok);
        if (!ok || number < 1 || number > count) {
            return Failed(tr("Номер программы от 1 до %1.").arg(count));
        }
        return number;
    };
    const auto answer = CheckedTextDialog::askFor(m_parent, tr("Программа"),
                                                  tr("Номер программы, от 1 до %1:").arg(count),
                                                  QString::number(m_programs.program()), read);
    if (!answer) {
        return;
    }
    m_programs.setProgram(answer->value);
    if (const auto steps = m_programs.programSteps(answer->value)) {
        m_grid.setCursor(steps->first, 0);
    }
}

void StepNavigation::find() {
    auto answer = CheckedTextDialog::askFor(
        m_parent, tr("Найти"), tr("Байты (?? — любой байт), например 7F ?? DF:"), m_searchedText,
        [](const QString& typed) { return BytePattern::read(typed); });
    if (!answer) {
        return;
    }
    m_searched = std::move(answer->value);
    m_searchedText = answer->text;
    findFrom(qint64{m_grid.cursorStep()} * m_steps.stepLength(), true);
}

void StepNavigation::findNext() {
    if (!m_searched) {
        find();
        return;
    }
    findFrom(cursorAddress() + 1, true);
}

void StepNavigation::findPrevious() {
    if (!m_searched) {
        find();
        return;
    }
    findFrom(cursorAddress() - 1, false);
}

qint64 StepNavigation::cursorAddress() const {
    // A match inside a step of 16 to 32 channels puts the cursor on its byte's channels.
    return qint64{m_grid.cursorStep()} * m_steps.stepLength() + m_grid.cursorChannel() / 8;
}

void StepNavigation::findFrom(qint64 from, bool forward) {
    const QByteArray shown = m_steps.shownBytes();
    const auto found = m_searched->find(shown, from, forward);
    if (!found) {
        m_status.showMessage(tr("«%1» не найдено").arg(m_searchedText), 5000);
        return;
    }
    const int stepLength = m_steps.stepLength();
    const int first = static_cast<int>(*found / stepLength);
    const int last = static_cast<int>((*found + m_searched->size() - 1) / stepLength);
    m_grid.setCursor(first, static_cast<int>(*found % stepLength) * 8);
    m_grid.setSelection(StepSpan{first, last - first + 1});
    m_status.showMessage(tr("Найдено по адресу %1").arg(*found), 5000);
}

} // namespace chaserom
