#pragma once

#include "core/image/imagechange.h"

#include <QString>

namespace chaserom {

/// One step of the image's history, as the user made it.
struct HistoryStep {
    enum class Kind {
        /// A row's text changed: in the page only, or also in the file once the page was
        /// written back.
        RowEdit,
        /// Bytes or the length of the file changed at once (copy, invert, reverse).
        FileChange,
    };

    Kind kind = Kind::RowEdit;
    /// What the step did, in Russian, for "Отменить: …".
    QString label;

    /// A row edit: the image address of the row, its text before and after.
    qint64 address = 0;
    QString textBefore;
    QString textAfter;
    /// Whether a write-back has taken the edit into the file.
    bool written = false;
    /// Characters typed into one row: the next ones typed there join this step.
    bool typing = false;

    /// A file change.
    ImageChange change;

    /// What the step keeps in memory, in bytes, roughly.
    [[nodiscard]] qint64 memoryBytes() const;
};

} // namespace chaserom
