#pragma once

#include "core/image/newimagerequest.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace chaserom {

/// «Новый образ»: asks for a chip (or a length typed in bytes) and the byte the image is
/// filled with, FF (every lamp dark) unless told otherwise. OK stays greyed while what is
/// typed is no length or no byte, and the dialog says why.
class NewImageDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(NewImageDialog)

public:
    explicit NewImageDialog(QWidget* parent);

    /// The image asked for, when what is chosen and typed is right.
    [[nodiscard]] std::optional<NewImageRequest> request() const;

    /// Asks; the image when the user accepts, nothing when they cancel.
    [[nodiscard]] static std::optional<NewImageRequest> ask(QWidget* parent);

private:
    void check();
    [[nodiscard]] Result<NewImageRequest> read() const;

    QComboBox* m_chip = nullptr;
    QLineEdit* m_size = nullptr;
    QLineEdit* m_fill = nullptr;
    QLabel* m_problem = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace chaserom
