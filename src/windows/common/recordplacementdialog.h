#pragma once

#include "core/formats/recordfile.h"
#include "core/result.h"

#include <QDialog>
#include <optional>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace chaserom {

/// «Где лежат данные»: asked by an import when a record file's data does not start at
/// address 0, as a programmer file of a ROM at 0xE000 or of flash at 0x08000000 does. It
/// names where the data lies and asks which address becomes the image's byte 0 (the start
/// of the smallest chip that holds the data, to begin with) and, if only part is wanted, the
/// window of addresses to read. OK stays greyed while what is typed is wrong, and it says
/// why.
class RecordPlacementDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(RecordPlacementDialog)

public:
    RecordPlacementDialog(QWidget* parent, const DataExtent& extent);

    /// The placement typed, when it is right.
    [[nodiscard]] Result<RecordReadOptions> placement() const;

    /// Asks; the reading options when the user accepts, nothing when they cancel.
    [[nodiscard]] static std::optional<RecordReadOptions> ask(QWidget* parent,
                                                              const DataExtent& extent);

private:
    void check();

    QLineEdit* m_base = nullptr;
    QLineEdit* m_windowFirst = nullptr;
    QLineEdit* m_windowLast = nullptr;
    QLabel* m_problem = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace chaserom
