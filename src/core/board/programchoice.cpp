#include "core/board/programchoice.h"

#include <algorithm>

namespace chaserom {

std::vector<int> stepsPerProgramChoices(int imageSteps) {
    std::vector<int> choices;
    for (int steps = 2; steps > 0 && steps <= imageSteps; steps *= 2) {
        choices.push_back(steps);
    }
    return choices;
}

ProgramChoice::ProgramChoice(QObject* parent)
    : QObject(parent) {}

void ProgramChoice::setStepsPerProgram(int steps) {
    steps = std::max(steps, 0);
    if (m_stepsPerProgram == steps) {
        return;
    }
    m_stepsPerProgram = steps;
    clampProgram();
    emit changed();
}

void ProgramChoice::setProgram(int number) {
    number = std::clamp(number, 1, programCount());
    if (m_program == number) {
        return;
    }
    m_program = number;
    emit changed();
}

int ProgramChoice::programCount() const {
    if (m_stepsPerProgram == 0) {
        return 1;
    }
    return std::max(1, m_imageSteps / m_stepsPerProgram);
}

void ProgramChoice::setImageSteps(int steps) {
    if (m_imageSteps == steps) {
        return;
    }
    m_imageSteps = steps;
    clampProgram();
    emit changed();
}

void ProgramChoice::clampProgram() {
    m_program = std::clamp(m_program, 1, programCount());
}

std::optional<StepSpan> ProgramChoice::programSteps(int number) const {
    if (m_stepsPerProgram == 0) {
        return std::nullopt;
    }
    return StepSpan{(number - 1) * m_stepsPerProgram, m_stepsPerProgram};
}

std::optional<int> ProgramChoice::programStartingAt(int step) const {
    if (m_stepsPerProgram == 0 || step % m_stepsPerProgram != 0) {
        return std::nullopt;
    }
    return step / m_stepsPerProgram + 1;
}

void ProgramChoice::setPlayedSelection(std::optional<StepSpan> steps) {
    if (m_playedSelection == steps) {
        return;
    }
    m_playedSelection = steps;
    emit changed();
}

std::optional<PlaybackLoop> ProgramChoice::loop(int stepLength) const {
    const std::optional<StepSpan> steps =
        m_playedSelection ? m_playedSelection : programSteps(m_program);
    if (!steps) {
        return std::nullopt;
    }
    return PlaybackLoop{steps->first * stepLength, (steps->first + steps->count) * stepLength};
}

} // namespace chaserom
