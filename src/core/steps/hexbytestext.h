#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace chaserom {

/// Bytes as the clipboard carries them between the step editor and hex editors: two
/// upper-case hexadecimal digits a byte, a blank between bytes ("7F BF DF").
[[nodiscard]] QString bytesToHexText(QByteArrayView bytes);

/// Bytes from such a text: pairs of hexadecimal digits in either case, with or without
/// blanks, commas, line ends or "0x" between them. Fails when anything else is in it or
/// no byte is.
[[nodiscard]] Result<QByteArray> hexTextToBytes(QStringView text);

/// A byte of a pattern to find: a value, or any byte ("??").
using PatternByte = std::optional<quint8>;

/// A pattern to find, read as hexTextToBytes() reads bytes, where "??" also stands for any
/// byte. Fails when anything else is in it; no byte at all is an empty list, for the caller
/// to word.
[[nodiscard]] Result<std::vector<PatternByte>> hexTextToPattern(QStringView text);

} // namespace chaserom
