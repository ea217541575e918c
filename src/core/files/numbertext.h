#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace chaserom {

/// One line of the print-number form in which the colour and layout files keep their
/// numbers: a blank (or a minus sign for a negative value), the shortest decimal digits
/// that read back to the same value, one blank, then CR LF. 255 gives " 255 \r\n".
[[nodiscard]] QByteArray printNumberLine(qint64 value);
[[nodiscard]] QByteArray printNumberLine(float value);

/// Takes the numbers of a text one after another. Numbers are separated by line ends or
/// commas; blanks around them and empty lines are skipped.
class NumberReader {
public:
    explicit NumberReader(QByteArrayView text);

    /// The next number's text, without the blanks around it; empty at the end.
    [[nodiscard]] std::optional<QByteArrayView> next();
    /// How many numbers next() has given so far.
    [[nodiscard]] int count() const { return m_count; }

private:
    QByteArrayView m_text;
    qsizetype m_position = 0;
    int m_count = 0;
};

/// A number's text as it is quoted in a report, cut short when it is long.
[[nodiscard]] QString quotedToken(QByteArrayView text);

/// A number's text as a single-precision value; empty when it is not a decimal number.
[[nodiscard]] std::optional<float> parseFloat(QByteArrayView text);
/// A number's text as a signed 32-bit integer, a fraction rounded half to even; empty when
/// it is not a decimal number or lies outside the 32-bit range.
[[nodiscard]] std::optional<qint32> parseInt32(QByteArrayView text);

/// A number typed into a box: decimal, or hexadecimal after 0x, without a sign, blanks
/// around it ignored; empty for anything else or past 2^53.
[[nodiscard]] std::optional<qint64> parseTypedNumber(QStringView text);

/// Whether a number's text is written as a decimal number, whatever its size: a refused one
/// is then out of range for its reader, not "no number". Infinity and NaN are not.
[[nodiscard]] bool isDecimalNumber(QByteArrayView text);

} // namespace chaserom
