#pragma once

#include "core/formats/recordfile.h"
#include "core/result.h"

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
[[nodiscard]] Failure<> decodeHexDigits(QByteArrayView digits, QByteArray& bytes);

/// Builds a record file's text: lines of upper-case hexadecimal digit pairs after a short
/// prefix, each byte counted into a running sum for the record's checksum. Whole lines go
/// to a sink in pieces of about PieceLength characters, so that a text far larger than its
/// image is never held whole.
class HexRecordText {
public:
    static constexpr qsizetype PieceLength = qsizetype{1} << 16;

    /// `sink` must outlive the builder.
    explicit HexRecordText(const RecordTextSink& sink);

    /// Starts a line with its prefix (":" or "S1") and restarts the sum.
    void startRecord(QByteArrayView prefix);
    void addByte(quint8 byte);
    void addBytes(QByteArrayView bytes);
    /// The low byte of the sum of the bytes added since the line started.
    [[nodiscard]] quint8 sum() const { return m_sum; }
    /// Adds the checksum byte and ends the line; a full piece goes to the sink.
    void endRecord(quint8 checksum);
    /// Hands what is left to the sink.
    void finish();
    /// Whether the sink refused a piece: nothing more reaches it, and writing on is wasted.
    [[nodiscard]] bool stopped() const { return m_stopped; }

private:
    void handOver();

    const RecordTextSink& m_sink;
    QByteArray m_text;
    quint8 m_sum = 0;
    bool m_stopped = false;
};

/// The character that ends a text's lines: LF, or CR in a text without any LF (as old Mac
/// programs wrote them). A CR before an LF is a blank at the line's end.
[[nodiscard]] char lineEndOf(QByteArrayView text);

/// The lines of a text one after another, without their line ends and the blanks around
/// them; CR LF and LF both end a line, and CR alone does in a text without any LF.
class TextLines {
public:
    explicit TextLines(QByteArrayView text)
        : m_text(text)
        , m_lineEnd(lineEndOf(text)) {}

    /// The next line, empty at the end of the text.
    [[nodiscard]] std::optional<QByteArrayView> next();
    /// The number of the line next() gave last, counted from 1.
    [[nodiscard]] int number() const { return m_number; }

private:
    QByteArrayView m_text;
    char m_lineEnd;
    qsizetype m_position = 0;
    int m_number = 0;
};

/// A number in upper-case hexadecimal digits, at least `digits` of them.
[[nodiscard]] QString upperHex(qint64 value, int digits);

/// A character of a record file as a report quotes it: itself when printable, else its
/// code.
[[nodiscard]] QString quotedCharacter(char character);

} // namespace chaserom
