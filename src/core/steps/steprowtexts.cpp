#include "core/steps/steprowtexts.h"

#include "core/steps/hexbytestext.h"

#include <algorithm>

namespace chaserom {

namespace {

int digits(qint64 value, int base) {
    int count = 1;
    while (value >= base) {
        value /= base;
        ++count;
    }
    return count;
}

/// Four hex digits at least, as the code view writes addresses.
constexpr int FewestAddressDigits = 4;

} // namespace

StepRowColumns::StepRowColumns(qint64 imageLength, int stepLength)
    : m_stepLength(std::max(stepLength, 1)) {
    const qint64 lastAddress = std::max<qint64>(imageLength - 1, 0);
    m_numberDigits = digits(lastAddress / m_stepLength, 10);
    m_addressDigits = std::max(FewestAddressDigits, digits(lastAddress, 16));
}

StepRowTexts StepRowColumns::texts(int step, QByteArrayView bytes) const {
    const qint64 address = qint64{step} * m_stepLength;
    return {QStringLiteral("%1").arg(step, m_numberDigits),
            QStringLiteral("%1").arg(address, m_addressDigits, 16, QChar(u'0')).toUpper(),
            bytesToHexText(bytes.first(std::min<qsizetype>(bytes.size(), m_stepLength)))};
}

StepRowTexts StepRowColumns::widest() const {
    // The column is written in a fixed-pitch font: any digit measures it.
    return {QString(m_numberDigits, u'0'), QString(m_addressDigits, u'0'),
            bytesToHexText(QByteArray(m_stepLength, char(0)))};
}

} // namespace chaserom
