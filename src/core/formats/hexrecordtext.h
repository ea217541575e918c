#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace chaserom {

/// The value of a hexadecimal digit of either case, or -1.
[[nodiscard]] constexpr int hexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    return -1;
}

/// The bytes of a record's hexadecimal digits, two a byte; a fault in Russian when a
/// character is not a digit or a digit is left over.
[[nodiscard]] std::optional<QString> decodeHexDigits(QByteArrayView digits, QByteArray& bytes);

/// Builds a record file's text: lines of upper-case hexadecimal digit pairs after a short
/// prefix, each byte counted into a running sum for the record's checksum.
class HexRecordText {
public:
    /// Reserves room for about `expectedLength` characters.
    explicit HexRecordText(qsizetype expectedLength);

    /// Starts a line with its prefix (":" or "S1") and restarts the sum.
    void startRecord(QByteArrayView prefix);
    void addByte(quint8 byte);
    void addBytes(QByteArrayView bytes);
    /// The low byte of the sum of the bytes added since the line started.
    [[nodiscard]] quint8 sum() const { return m_sum; }
    /// Adds the checksum byte and ends the line.
    void endRecord(quint8 checksum);

    [[nodiscard]] QByteArray take() { return std::move(m_text); }

private:
    QByteArray m_text;
    quint8 m_sum = 0;
};

/// The lines of a text one after another, without their line ends and the blanks around
/// them; CR LF and LF both end a line.
class TextLines {
public:
    explicit TextLines(QByteArrayView text)
        : m_text(text) {}

    /// The next line, empty at the end of the text.
    [[nodiscard]] std::optional<QByteArrayView> next();
    /// The number of the line next() gave last, counted from 1.
    [[nodiscard]] int number() const { return m_number; }

private:
    QByteArrayView m_text;
    qsizetype m_position = 0;
    int m_number = 0;
};

/// A number in upper-case hexadecimal digits, at least `digits` of them.
[[nodiscard]] QString upperHex(qint64 value, int digits);

/// A character of a record file as a report quotes it: itself when printable, else its
/// code.
[[nodiscard]] QString quotedCharacter(char character);

} // namespace chaserom
