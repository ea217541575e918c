#pragma once

#include "core/board/boardfile.h"

#include <QObject>
#include <QString>

class QWidget;

namespace chaserom {

class App;
class StepEditorWindow;

/// What the program keeps of a board: the board file beside the images
/// (`chaserom-board.json`: chip, channels, steps per program, interval, picture, lamps,
/// colours) and, per image, what the user last chose for it (channel count, interval, steps
/// per program, program, the step editor's cursor). Opening an image applies the board file,
/// then what was remembered for the image over it; what neither holds stays as it is.
class BoardKeeper : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(BoardKeeper)

public:
    explicit BoardKeeper(App& app);

    /// The open image changed: its board file and memory are applied.
    void imageOpened();
    /// Writes the board as the windows show it to the board file in the image's folder;
    /// whether it was written.
    bool saveBoard(QWidget* parent);
    /// Asks for a board file and applies it.
    void openBoard(QWidget* parent);
    /// Keeps the step editor's cursor for the open image, before it closes.
    void rememberStepEditorPosition();
    /// Puts the step editor's cursor where it was for the open image.
    void restoreStepEditorPosition(StepEditorWindow& editor);

private:
    /// Whether what a board sets is kept as the user's choice for the open image.
    enum class Remembered { No, Yes };
    void applyBoard(const BoardDescription& board, const QString& folder,
                    Remembered remembered = Remembered::No);
    void applyRemembered();
    /// Keeps a choice the user made for the open image.
    void remember(const QString& key, int value);
    [[nodiscard]] QString memoryGroup() const;
    [[nodiscard]] QString boardPath() const;
    [[nodiscard]] BoardDescription describeBoard() const;

    App& m_app;
    /// The board file last read, for the fields it holds that this program does not know.
    BoardDescription m_loaded;
    /// While a board or a memory is applied, its values are not remembered as the user's.
    bool m_applying = false;
};

} // namespace chaserom
