#pragma once

#include "core/formats/recordfile.h"
#include "core/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace chaserom {

/// The image that the data records of a file build, byte by byte at their addresses.
/// Records may come in any order; two records may cover the same byte only with the same
/// value.
class RecordImage {
public:
    explicit RecordImage(const RecordReadOptions& options);

    /// Places a record's bytes from file address `address`, as the base and window say; a
    /// fault in Russian when they lie below the base, reach past the image's limit or differ
    /// from bytes placed there before (nothing is placed then). Addresses in faults have
    /// `digits` hexadecimal digits, as the record that carries them. Data past 16 MiB with
    /// no base is not refused at once: the file is read on to find where its data lies, and
    /// beyondLimit() tells of it at the end.
    [[nodiscard]] Failure<> place(qint64 address, QByteArrayView bytes, int digits, int line);

    /// The fault of data past 16 MiB without a base, naming the lowest data address and the
    /// base that would take it; none when all data fitted.
    [[nodiscard]] std::optional<LineNote> beyondLimit() const;

    /// Where the data placed lies in the file, before the base and the window.
    [[nodiscard]] std::optional<DataExtent> extent() const;

    /// The warning for data left out by the window; none when nothing was.
    [[nodiscard]] std::optional<QString> leftOutWarning() const;

    /// The image from address 0: up to the highest byte placed, or exactly the size asked
    /// for; gaps hold the fill byte.
    [[nodiscard]] QByteArray take();

private:
    void noteExtent(qint64 address, qint64 count);

    [[nodiscard]] bool isPlaced(qint64 address) const;
    void markPlaced(qint64 first, qint64 count);
    void grow(qint64 length);

    RecordReadOptions m_options;
    qint64 m_limit;
    std::optional<DataExtent> m_extent;
    qint64 m_leftOut = 0;
    /// The line of the first record past 16 MiB when no base was given.
    std::optional<int> m_beyondLine;
    QByteArray m_bytes;
    /// One bit a byte: whether a record placed it.
    std::vector<quint64> m_placed;
};

/// Ends a reader's pass over a file: the image, where its data lies, and the warnings for
/// data left out or none at all; or the fault of data past 16 MiB without a base.
void finishRecordRead(RecordReadResult& result, RecordImage& image, int lastLine);

} // namespace chaserom
