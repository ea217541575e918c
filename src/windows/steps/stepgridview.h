#pragma once

#include "core/geometry/stepgridlayout.h"
#include "core/steps/stepoperations.h"
#include "core/steps/steprowtexts.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QList>
#include <optional>

namespace chaserom {

class ChannelColourModel;
class DisplayHold;
class ProgramChoice;
class StepGridHeader;
class StepsModel;

/// One lamp the user painted in the grid, and the state it took.
struct PaintedLamp {
    int step;
    int channel;
    bool lit;
    friend bool operator==(const PaintedLamp&, const PaintedLamp&) = default;
};

/// Where the left column writes a step's number, address and bytes, in grid pixels.
struct StepRowFields {
    struct Field {
        int left;
        int width;
    };
    Field number;
    Field address;
    Field bytes;
    /// The whole column, with room for program numbers while the board has programs.
    int width;
};

/// The grid of the whole effect: a header of channel numbers, then one row per step with its
/// number, address and bytes, one cell per channel, lit lamps in white or their channel's
/// colour with a light outline, dark ones dark grey. Only the rows in view are painted. A click
/// flips a lamp and a drag paints the state the first lamp took; the address column selects whole
/// steps. It asks for changes with signals and makes none itself.
class StepGridView : public QAbstractScrollArea {
    Q_OBJECT
    Q_DISABLE_COPY(StepGridView)

public:
    StepGridView(const StepsModel& steps, const ChannelColourModel& colours, DisplayHold& display,
                 QWidget* parent = nullptr);

    [[nodiscard]] int cell() const { return m_cell; }
    void setCell(int cell);
    /// Zooms in (+1) or out (-1) one size.
    void zoom(int direction);

    [[nodiscard]] bool channelColoursShown() const { return m_channelColours; }
    void setChannelColoursShown(bool shown);
    /// Lamps as the board shows them: dark ones black, lit ones without an outline.
    [[nodiscard]] bool boardLook() const { return m_boardLook; }
    void setBoardLook(bool boardLook);
    /// While playback runs, the page's first step is marked as the one playing, and kept in
    /// view when `follow` is on.
    void setPlaying(bool playing);
    void setFollowPlayback(bool follow) { m_follow = follow; }
    [[nodiscard]] bool followsPlayback() const { return m_follow; }

    [[nodiscard]] int cursorStep() const { return m_cursorStep; }
    [[nodiscard]] int cursorChannel() const { return m_cursorChannel; }
    void setCursor(int step, int channel);
    /// The lamp under the cursor in words, as a screen reader says it.
    [[nodiscard]] QString cursorText() const;
    /// The selected whole steps, if any.
    [[nodiscard]] std::optional<StepSpan> selection() const;
    void setSelection(std::optional<StepSpan> span);
    void selectAll();
    /// Steps that differ from an image compared with this one, marked in the address column.
    void setDifferences(QList<StepSpan> differences);
    /// The board's programs: a line over each one's first step, with its number.
    void setPrograms(const ProgramChoice* programs);
    /// Bytes shown instead of the image's, for a preview; none to show the image again.
    void setPreview(std::optional<QByteArray> bytes);
    void ensureStepVisible(int step);

    /// Where a lamp is painted, in the viewport's pixels.
    [[nodiscard]] QRect cellRect(int step, int channel) const;
    /// Where a step's address is written, in the viewport's pixels.
    [[nodiscard]] QRect addressRect(int step) const;
    [[nodiscard]] StepGridLayout layout() const;
    [[nodiscard]] StepRowFields rowFields() const;
    /// How wide the grid must be to show `channels` channels of this image without scrolling
    /// sideways.
    [[nodiscard]] int widthShowing(int channels) const;
    /// The left column's font: fixed pitch, so that numbers and bytes line up.
    [[nodiscard]] const QFont& rowFont() const { return m_rowFont; }
    [[nodiscard]] StepGridHeader& header() { return *m_header; }

    /// The colour that marks the cursor: its cell's frame, its step and its channel number.
    static constexpr QColor CursorColour = QColor(255, 200, 0);

signals:
    /// The user flipped or painted lamps: one stroke, to be one step of the history.
    void lampsPainted(const QList<PaintedLamp>& lamps);
    /// The user double-clicked a step's address: show it in the code view.
    void pageRequested(int address);
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    /// A lamp's key in a stroke: its step and channel as one number.
    [[nodiscard]] static qint64 lampKey(int step, int channel) {
        return qint64{step} * 32 + channel;
    }
    void connectModel();
    void updateScrollBars();
    void repaintSteps(int first, int last);
    void showHeldChanges();
    void followPage();
    void placeHeader();
    [[nodiscard]] StepRowFields rowFields(const StepRowColumns& columns) const;
    [[nodiscard]] bool shownLit(int step, int channel) const;
    [[nodiscard]] QColor litColour(int channel) const;
    /// What every row's texts are written with, worked out once a paint.
    struct RowTextPaint {
        StepRowFields fields;
        StepRowColumns columns;
        int textHeight;
    };
    void paintRowTexts(QPainter& painter, int step, const RowTextPaint& look, int y) const;
    [[nodiscard]] QByteArray shownStepBytes(int step) const;
    void paintCells(QPainter& painter, int step, const StepGridLayout& layout, int y) const;
    void paintProgramStart(QPainter& painter, int step, const StepGridLayout& layout, int y) const;
    [[nodiscard]] QPoint gridPoint(const QPointF& viewportPoint) const;
    void paintLampAt(const QPoint& gridPoint);
    void extendSelection(int step);
    void moveCursor(int step, int channel, bool extendSelection);

    const StepsModel& m_steps;
    const ChannelColourModel& m_colours;
    DisplayHold& m_display;
    const ProgramChoice* m_programs = nullptr;
    int m_cell = StepGridLayout::DefaultCell;
    StepGridHeader* m_header;
    QFont m_rowFont;
    /// The left column's fields for the image's length, step length and programs, measured
    /// once for them rather than at every layout() and paint.
    struct MeasuredFields {
        qint64 length;
        int stepLength;
        bool programs;
        StepRowFields fields;
    };
    mutable std::optional<MeasuredFields> m_measuredFields;
    bool m_channelColours = true;
    bool m_boardLook = false;
    bool m_playing = false;
    bool m_follow = true;
    bool m_repaintHeld = false;
    int m_cursorStep = 0;
    int m_cursorChannel = 0;
    int m_anchorStep = 0;
    std::optional<StepSpan> m_selection;
    bool m_selecting = false;
    QList<StepSpan> m_differences;
    std::optional<QByteArray> m_preview;
    /// The stroke being painted: the state its lamps take, and the lamps (step * 32 + channel).
    bool m_stroking = false;
    bool m_strokeLit = false;
    QHash<qint64, PaintedLamp> m_stroke;
    QPoint m_lastStrokePoint;
};

} // namespace chaserom
