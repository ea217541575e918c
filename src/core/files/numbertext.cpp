#include "core/files/numbertext.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace chaserom {

namespace {

QByteArray numberLine(bool negative, QByteArrayView digits) {
    QByteArray line;
    line.reserve(digits.size() + 4);
    line.append(negative ? '-' : ' ');
    line.append(digits);
    line.append(" \r\n");
    return line;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isSeparator(char c) {
    return c == ',' || c == '\n' || c == '\r';
}

/// The text without a leading plus sign, which from_chars does not take.
QByteArrayView withoutPlus(QByteArrayView text) {
    return text.startsWith('+') && !text.sliced(1).startsWith('-') ? text.sliced(1) : text;
}

template <typename Number> std::optional<Number> parseNumber(QByteArrayView text) {
    text = withoutPlus(text);
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.isEmpty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

QByteArray printNumberLine(qint64 value) {
    const bool negative = value < 0;
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(value) : value;
    return numberLine(negative, QByteArray::number(magnitude));
}

QByteArray printNumberLine(float value) {
    const bool negative = std::signbit(value) && value != 0.0F;
    // Plain digits, never an exponent: 100000 is " 100000 ", not " 1e+05 ". The shortest
    // digits that read back to the same value, however small or large (up to 39 digits
    // before the point, 45 after it).
    char digits[64];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed);
    return numberLine(negative, QByteArrayView(digits, result.ptr - digits));
}

NumberReader::NumberReader(QByteArrayView text)
    : m_text(text) {}

std::optional<QByteArrayView> NumberReader::next() {
    while (m_position < m_text.size()) {
        qsizetype end = m_position;
        while (end < m_text.size() && !isSeparator(m_text[end])) {
            ++end;
        }
        qsizetype first = m_position;
        qsizetype last = end;
        while (first < last && isBlank(m_text[first])) {
            ++first;
        }
        while (last > first && isBlank(m_text[last - 1])) {
            --last;
        }
        m_position = end + 1;
        if (first < last) {
            ++m_count;
            return m_text.sliced(first, last - first);
        }
    }
    return std::nullopt;
}

QString quotedToken(QByteArrayView text) {
    constexpr qsizetype Longest = 40;
    return QString::fromUtf8(text.first(std::min(text.size(), Longest)));
}

std::optional<float> parseFloat(QByteArrayView text) {
    const auto value = parseNumber<float>(text);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

bool isDecimalNumber(QByteArrayView text) {
    text = withoutPlus(text);
    const QByteArrayView digits = text.startsWith('-') ? text.sliced(1) : text;
    // from_chars reads "inf" and "nan" too; a number starts with a digit or a point.
    if (digits.isEmpty() ||
        !(std::isdigit(static_cast<unsigned char>(digits.front())) != 0 || digits.front() == '.')) {
        return false;
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return stop == end && (error == std::errc() || error == std::errc::result_out_of_range);
}

std::optional<qint32> parseInt32(QByteArrayView text) {
    const auto value = parseNumber<double>(text);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(*value);
    if (rounded < std::numeric_limits<qint32>::min() ||
        rounded > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return static_cast<qint32>(rounded);
}

std::optional<qint64> parseTypedNumber(QStringView text) {
    const QStringView trimmed = text.trimmed();
    const bool hex = trimmed.startsWith(u"0x", Qt::CaseInsensitive);
    const QStringView digits = hex ? trimmed.sliced(2) : trimmed;
    // Qt's conversion takes a sign and blanks of its own: only digits are a typed number.
    const auto isDigit = [hex](QChar c) {
        return (c >= u'0' && c <= u'9') ||
               (hex && ((c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')));
    };
    if (digits.isEmpty() || digits.size() > 13 ||
        !std::all_of(digits.begin(), digits.end(), isDigit)) {
        return std::nullopt;
    }
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok, hex ? 16 : 10);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace chaserom
