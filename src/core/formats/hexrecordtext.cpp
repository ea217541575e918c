#include "core/formats/hexrecordtext.h"

#include <QCoreApplication>
#include <array>

namespace chaserom {

namespace {

constexpr std::array<char, 16> UpperDigits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                              '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};

constexpr bool isBlank(char character) {
    return character == ' ' || character == '\t' || character == '\r';
}

} // namespace

Failure<> decodeHexDigits(QByteArrayView digits, QByteArray& bytes) {
    bytes.resize(digits.size() / 2);
    char* out = bytes.data();
    for (qsizetype i = 0; i + 1 < digits.size(); i += 2) {
        const int high = hexDigitValue(digits[i]);
        const int low = hexDigitValue(digits[i + 1]);
        if (high < 0 || low < 0) {
            const char bad = high < 0 ? digits[i] : digits[i + 1];
            return QCoreApplication::translate("HexRecordText",
                                               "символ %1 не является шестнадцатеричной цифрой")
                .arg(quotedCharacter(bad));
        }
        *out++ = static_cast<char>(high << 4 | low);
    }
    if (digits.size() % 2 != 0) {
        const char last = digits.back();
        if (hexDigitValue(last) < 0) {
            return QCoreApplication::translate("HexRecordText",
                                               "символ %1 не является шестнадцатеричной цифрой")
                .arg(quotedCharacter(last));
        }
        return QCoreApplication::translate("HexRecordText",
                                           "нечётное число шестнадцатеричных цифр");
    }
    return std::nullopt;
}

HexRecordText::HexRecordText(const RecordTextSink& sink)
    : m_sink(sink) {
    // Room for a piece and the longest line that may end past it.
    m_text.reserve(PieceLength + 1024);
}

void HexRecordText::startRecord(QByteArrayView prefix) {
    m_text.append(prefix);
    m_sum = 0;
}

void HexRecordText::addByte(quint8 byte) {
    m_sum = static_cast<quint8>(m_sum + byte);
    const char digits[2] = {UpperDigits[byte >> 4], UpperDigits[byte & 0x0F]};
    m_text.append(digits, 2);
}

void HexRecordText::addBytes(QByteArrayView bytes) {
    const qsizetype start = m_text.size();
    m_text.resize(start + 2 * bytes.size());
    char* out = m_text.data() + start;
    quint8 sum = m_sum;
    for (const char signedByte : bytes) {
        const auto byte = static_cast<quint8>(signedByte);
        sum = static_cast<quint8>(sum + byte);
        *out++ = UpperDigits[byte >> 4];
        *out++ = UpperDigits[byte & 0x0F];
    }
    m_sum = sum;
}

void HexRecordText::endRecord(quint8 checksum) {
    addByte(checksum);
    m_text.append('\n');
    if (m_text.size() >= PieceLength) {
        handOver();
    }
}

void HexRecordText::finish() {
    if (!m_text.isEmpty()) {
        handOver();
    }
}

void HexRecordText::handOver() {
    if (!m_stopped && !m_sink(m_text)) {
        m_stopped = true;
    }
    // resize() keeps the room reserved for the next piece; clear() would give it back.
    m_text.resize(0);
}

char lineEndOf(QByteArrayView text) {
    return text.contains('\n') ? '\n' : '\r';
}

std::optional<QByteArrayView> TextLines::next() {
    if (m_position >= m_text.size()) {
        return std::nullopt;
    }
    qsizetype end = m_text.indexOf(m_lineEnd, m_position);
    if (end < 0) {
        end = m_text.size();
    }
    qsizetype first = m_position;
    qsizetype last = end;
    m_position = end + 1;
    ++m_number;
    while (first < last && isBlank(m_text[first])) {
        ++first;
    }
    while (last > first && isBlank(m_text[last - 1])) {
        --last;
    }
    return m_text.sliced(first, last - first);
}

QString upperHex(qint64 value, int digits) {
    return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

QString quotedCharacter(char character) {
    const auto code = static_cast<quint8>(character);
    if (code > 0x20 && code < 0x7F) {
        return QCoreApplication::translate("HexRecordText", "«%1»").arg(QLatin1Char(character));
    }
    return QCoreApplication::translate("HexRecordText", "с кодом 0x%1").arg(upperHex(code, 2));
}

} // namespace chaserom
