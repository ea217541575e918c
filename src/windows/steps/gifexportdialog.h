#pragma once

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace chaserom {

/// Which steps an animation shows.
enum class AnimationPart { WholeImage, Program, Selection };

/// What the GIF export is offered: the parts that exist now and the playback's interval.
struct AnimationOffer {
    /// The chosen program's number, while the board has programs.
    std::optional<int> program;
    bool hasSelection = false;
    int intervalMs = 300;
};

/// What the user chose for a GIF export.
struct AnimationChoice {
    AnimationPart part = AnimationPart::WholeImage;
    int delayMs = 300;
    int scalePercent = 100;
    bool cropToLamps = false;
};

/// Asks what a GIF export shows: which steps, how long each frame stands, at what scale,
/// and whether it is cropped to the lamps. The scale and the crop are remembered.
class GifExportDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(GifExportDialog)

public:
    GifExportDialog(QWidget* parent, const AnimationOffer& offer);

    [[nodiscard]] AnimationChoice choice() const;

private:
    void keepChoice() const;

    QComboBox* m_part;
    QSpinBox* m_delay;
    QSpinBox* m_scale;
    QCheckBox* m_crop;
};

} // namespace chaserom
