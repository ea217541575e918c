#pragma once

#include <QString>
#include <QStringView>

namespace chaserom {

/// The value 0..255 of a row text: two hexadecimal digits, either case. A text of another
/// length counts 0, and a character that is not a digit counts 0 in its place.
[[nodiscard]] int HexToDec(QStringView text);

/// The eight binary digits of a row text, most significant first: always the binary form
/// of HexToDec(text), so the lamps show exactly the byte a write-back stores.
[[nodiscard]] QString HexToBin(QStringView text);

/// The two upper-case hexadecimal digits of `value` with bit `bit` (0..7) inverted.
[[nodiscard]] QString Inv(int value, int bit);

/// A byte as two upper-case hexadecimal digits: 10 gives "0A".
[[nodiscard]] QString byteToHex(int value);

/// An address as upper-case hexadecimal without leading zeros: 4080 gives "FF0".
[[nodiscard]] QString addressToHex(int address);

} // namespace chaserom
