#pragma once

#include "core/steps/steprowtexts.h"

#include <QWidget>

namespace chaserom {

class StepGridView;

/// The row over the step grid that stays in place as the grid scrolls down: the captions of
/// the left column and the channel numbers, 1 to 32 in groups of a byte, the cursor's channel
/// marked. It follows the grid's sideways scrolling.
class StepGridHeader : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(StepGridHeader)

public:
    explicit StepGridHeader(const StepGridView& grid, QWidget* parent);

    /// The height the header needs for its font.
    [[nodiscard]] int neededHeight() const;
    [[nodiscard]] QFont numberFont() const;
    /// The captions over the left column's fields.
    [[nodiscard]] static StepRowTexts captions();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintCaptions(QPainter& painter) const;
    void paintChannelNumbers(QPainter& painter) const;

    const StepGridView& m_grid;
};

} // namespace chaserom
