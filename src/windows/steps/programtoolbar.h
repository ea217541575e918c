#pragma once

#include <QToolBar>

class QComboBox;
class QLabel;
class QSpinBox;

namespace chaserom {

class Playback;
class ProgramChoice;

/// The board's tool bar in the step editor: «Шагов в программе» (`StepsPerProgram`, the
/// whole image or a power of two), «Программа» (`ProgramNumber`, «из N» beside it) and
/// «Интервал, мс» (`IntervalMs`, bound both ways to the code view's interval scroll bar
/// through the playback). It shows the program choice and the playback and changes them.
class ProgramToolBar : public QToolBar {
    Q_OBJECT
    Q_DISABLE_COPY(ProgramToolBar)

public:
    ProgramToolBar(ProgramChoice& programs, Playback& playback, QWidget* parent);

private:
    void showPrograms();
    void fillStepsPerProgram();

    ProgramChoice& m_programs;
    Playback& m_playback;
    QComboBox* m_stepsPerProgram = nullptr;
    QSpinBox* m_program = nullptr;
    QLabel* m_programCount = nullptr;
    QSpinBox* m_interval = nullptr;
    /// The image's steps the steps-per-program list was made for.
    int m_listedFor = -1;
};

} // namespace chaserom
