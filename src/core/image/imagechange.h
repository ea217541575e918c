#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace chaserom {

/// One change to the image's bytes or length, as it reached the file: the bytes from
/// `address` on were `before` and are now `after`, and the file's length went from
/// `lengthBefore` to `lengthAfter`. `before` holds only what the file held: it is shorter
/// than `after` where the change wrote past the old end.
struct ImageChange {
    qint64 address = 0;
    QByteArray before;
    QByteArray after;
    qint64 lengthBefore = 0;
    qint64 lengthAfter = 0;

    /// Whether the change left every byte and the length as they were.
    [[nodiscard]] bool changesNothing() const {
        return lengthBefore == lengthAfter && before == after;
    }
};

} // namespace chaserom
