#pragma once

#include "core/result.h"

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace chaserom {

/// A byte pattern to find: bytes in hexadecimal, "??" for any byte ("7F ?? DF").
class BytePattern {
public:
    /// Reads a pattern; fails with what is wrong when it is not one.
    [[nodiscard]] static Result<BytePattern> read(QStringView text);

    [[nodiscard]] qsizetype size() const { return static_cast<qsizetype>(m_bytes.size()); }

    /// The address of the next match at or after `from` (searching forward) or at or before
    /// `from` (backward), going round the end of the image; empty when there is none.
    [[nodiscard]] std::optional<qint64> find(QByteArrayView image, qint64 from, bool forward) const;

private:
    [[nodiscard]] bool matchesAt(QByteArrayView image, qint64 at) const;

    /// Each byte of the pattern, or none for "??".
    std::vector<std::optional<quint8>> m_bytes;
};

} // namespace chaserom
