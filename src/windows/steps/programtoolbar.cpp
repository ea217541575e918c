#include "windows/steps/programtoolbar.h"

#include "core/board/programchoice.h"
#include "core/page/playback.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace chaserom {

ProgramToolBar::ProgramToolBar(ProgramChoice& programs, Playback& playback, QWidget* parent)
    : QToolBar(tr("Плата"), parent)
    , m_programs(programs)
    , m_playback(playback) {
    setObjectName(QStringLiteral("BoardTools"));
    addWidget(new QLabel(tr("Шагов в программе "), this));
    m_stepsPerProgram = new QComboBox(this);
    m_stepsPerProgram->setObjectName(QStringLiteral("StepsPerProgram"));
    m_stepsPerProgram->setAccessibleName(tr("Шагов в программе"));
    m_stepsPerProgram->setToolTip(
        tr("Сколько шагов проходит счётчик платы; старшие адреса, заданные "
           "переключателями, выбирают программу"));
    addWidget(m_stepsPerProgram);
    addSeparator();
    addWidget(new QLabel(tr("Программа "), this));
    m_program = new QSpinBox(this);
    m_program->setObjectName(QStringLiteral("ProgramNumber"));
    m_program->setAccessibleName(tr("Программа"));
    m_program->setToolTip(tr("Программа, которую играет симуляция, как при этом положении "
                             "переключателей"));
    addWidget(m_program);
    m_programCount = new QLabel(this);
    m_programCount->setObjectName(QStringLiteral("ProgramCount"));
    addWidget(m_programCount);
    addSeparator();
    addWidget(new QLabel(tr("Интервал, мс "), this));
    m_interval = new QSpinBox(this);
    m_interval->setObjectName(QStringLiteral("IntervalMs"));
    m_interval->setAccessibleName(tr("Интервал, мс"));
    m_interval->setRange(Playback::ShortestInterval, Playback::LongestInterval);
    m_interval->setToolTip(tr("Время одного шага симуляции; то же, что полоса интервала в "
                              "окне кода"));
    m_interval->setValue(playback.interval());
    addWidget(m_interval);

    connect(m_stepsPerProgram, &QComboBox::activated, this, [this](int index) {
        m_programs.setStepsPerProgram(m_stepsPerProgram->itemData(index).toInt());
    });
    connect(m_program, &QSpinBox::valueChanged, &m_programs, &ProgramChoice::setProgram);
    connect(&m_programs, &ProgramChoice::changed, this, &ProgramToolBar::showPrograms);
    connect(m_interval, &QSpinBox::valueChanged, &m_playback, &Playback::setInterval);
    connect(&m_playback, &Playback::intervalChanged, this, [this](int milliseconds) {
        const QSignalBlocker blocker(m_interval);
        m_interval->setValue(milliseconds);
    });
    showPrograms();
}

void ProgramToolBar::fillStepsPerProgram() {
    const QSignalBlocker blocker(m_stepsPerProgram);
    m_stepsPerProgram->clear();
    m_stepsPerProgram->addItem(tr("всё изображение"), 0);
    for (const int steps : stepsPerProgramChoices(m_programs.imageSteps())) {
        m_stepsPerProgram->addItem(QString::number(steps), steps);
    }
    m_listedFor = m_programs.imageSteps();
}

void ProgramToolBar::showPrograms() {
    if (m_listedFor != m_programs.imageSteps()) {
        fillStepsPerProgram();
    }
    {
        const QSignalBlocker blocker(m_stepsPerProgram);
        const int index = m_stepsPerProgram->findData(m_programs.stepsPerProgram());
        if (index < 0) {
            // A choice the image no longer has (a board file's, for a shorter image) stays
            // shown as it is.
            m_stepsPerProgram->addItem(QString::number(m_programs.stepsPerProgram()),
                                       m_programs.stepsPerProgram());
        }
        m_stepsPerProgram->setCurrentIndex(
            m_stepsPerProgram->findData(m_programs.stepsPerProgram()));
    }
    const QSignalBlocker blocker(m_program);
    m_program->setRange(1, m_programs.programCount());
    m_program->setValue(m_programs.program());
    m_program->setEnabled(m_programs.stepsPerProgram() != 0);
    m_programCount->setText(tr(" из %1").arg(m_programs.programCount()));
}

} // namespace chaserom
