#pragma once

#include "core/page/playback.h"
#include "core/steps/stepoperations.h"

#include <QObject>
#include <optional>
#include <vector>

namespace chaserom {

/// The steps per program a board may have for an image of `imageSteps` steps: the powers of
/// two from 2 up to the image's steps.
[[nodiscard]] std::vector<int> stepsPerProgramChoices(int imageSteps);

/// How a board divides its image into programs chosen by switches on the high address
/// lines, while the counter walks the steps of one: the steps per program (none: the whole
/// image is one loop), the program chosen, numbered from 1, and a selection played instead.
class ProgramChoice : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(ProgramChoice)

public:
    explicit ProgramChoice(QObject* parent = nullptr);

    /// Steps per program; 0 for the whole image.
    [[nodiscard]] int stepsPerProgram() const { return m_stepsPerProgram; }
    void setStepsPerProgram(int steps);
    /// The program chosen, from 1 to programCount().
    [[nodiscard]] int program() const { return m_program; }
    void setProgram(int number);
    /// How many programs the image holds: its steps ÷ steps per program; 1 for the whole image.
    [[nodiscard]] int programCount() const;
    /// The image's steps, as the step editor counts them.
    void setImageSteps(int steps);
    [[nodiscard]] int imageSteps() const { return m_imageSteps; }

    /// The steps of program `number`; none for the whole image.
    [[nodiscard]] std::optional<StepSpan> programSteps(int number) const;
    /// The program whose first step `step` is, if it is one.
    [[nodiscard]] std::optional<int> programStartingAt(int step) const;

    /// Selected steps played in a loop instead of the program, until cleared.
    [[nodiscard]] const std::optional<StepSpan>& playedSelection() const {
        return m_playedSelection;
    }
    void setPlayedSelection(std::optional<StepSpan> steps);

    /// What playback loops, for steps of `stepLength` bytes: the played selection, else the
    /// chosen program, else nothing (the whole image, as the code view's timer plays it).
    [[nodiscard]] std::optional<PlaybackLoop> loop(int stepLength) const;

signals:
    /// Steps per program, the program, the image's steps or the played selection changed.
    void changed();

private:
    void clampProgram();

    int m_stepsPerProgram = 0;
    int m_program = 1;
    int m_imageSteps = 0;
    std::optional<StepSpan> m_playedSelection;
};

} // namespace chaserom
