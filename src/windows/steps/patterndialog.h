#pragma once

#include "core/patterns/pattern.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QSpinBox;

namespace chaserom {

/// Asks which pattern to generate into the selected steps (the patterns of chaserom-tool
/// generate), and how many lamps a random step lights and from which seed. Every choice is
/// handed to `preview` at once, so that the grid shows the result before it is accepted.
class PatternDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(PatternDialog)

public:
    PatternDialog(QWidget* parent, int channels,
                  std::function<void(const PatternRequest&)> preview);

    /// The pattern chosen, for the channels given; its steps are left to the caller.
    [[nodiscard]] PatternRequest request() const;

private:
    void restoreLastChoice();
    void keepChoice() const;
    void choiceChanged();

    int m_channels;
    std::function<void(const PatternRequest&)> m_preview;
    QComboBox* m_pattern = nullptr;
    QSpinBox* m_lit = nullptr;
    QSpinBox* m_seed = nullptr;
};

} // namespace chaserom
