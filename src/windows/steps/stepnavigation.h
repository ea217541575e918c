#pragma once

#include "core/steps/bytepattern.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <optional>

class QStatusBar;
class QWidget;

namespace chaserom {

class ProgramChoice;
class StepGridView;
class StepsModel;

/// Go to and find in the step editor: each asks in a dialog that checks what is typed, and
/// moves the grid's cursor. The bytes searched for are kept for the next and previous match.
class StepNavigation {
    Q_DECLARE_TR_FUNCTIONS(StepNavigation)

public:
    /// Dialogs open over `parent`; messages go to `status`.
    StepNavigation(const StepsModel& steps, ProgramChoice& programs, StepGridView& grid,
                   QWidget* parent, QStatusBar& status);

    /// Asks for an address, a step, a move in steps or a program, and puts the cursor there.
    void goTo();
    /// Asks for a program's number, chooses it and puts the cursor on its first step.
    void goToProgram();
    /// Asks for bytes and selects their first match from the cursor's step on.
    void find();
    /// The next match after the cursor; asks for bytes when none were searched for yet.
    void findNext();
    /// The match before the cursor; asks for bytes when none were searched for yet.
    void findPrevious();

private:
    void findFrom(qint64 from, bool forward);
    /// The address of the byte the cursor's lamp lies in.
    [[nodiscard]] qint64 cursorAddress() const;

    const StepsModel& m_steps;
    ProgramChoice& m_programs;
    StepGridView& m_grid;
    QWidget* m_parent;
    QStatusBar& m_status;
    std::optional<BytePattern> m_searched;
    QString m_searchedText;
};

} // namespace chaserom
