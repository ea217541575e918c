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

    /// Places a record's bytes from `address`; a fault in Russian when they reach past the
    /// image's limit or differ from bytes placed there before (nothing is placed then).
    [[nodiscard]] Failure<> place(qint64 address, QByteArrayView bytes);

    /// The image from address 0: up to the highest byte placed, or exactly the size asked
    /// for; gaps hold the fill byte.
    [[nodiscard]] QByteArray take();

private:
    [[nodiscard]] bool isPlaced(qint64 address) const;
    void markPlaced(qint64 first, qint64 count);
    void grow(qint64 length);

    RecordReadOptions m_options;
    qint64 m_limit;
    QByteArray m_bytes;
    /// One bit a byte: whether a record placed it.
    std::vector<quint64> m_placed;
};

} // namespace chaserom
