#include "core/page/hextext.h"

namespace chaserom {

namespace {

/// The value of one hexadecimal digit; characters outside 0-9, A-F, a-f count 0.
int nibble(QChar character) {
    const char16_t c = character.unicode();
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return 0;
}

constexpr char hexDigits[] = "0123456789ABCDEF";

} // namespace

int HexToDec(QStringView text) {
    if (text.size() != 2) {
        return 0;
    }
    return nibble(text[0]) * 16 + nibble(text[1]);
}

QString HexToBin(QStringView text) {
    const int value = HexToDec(text);
    QString bits(8, u'0');
    for (int i = 0; i < 8; ++i) {
        if (value & (0x80 >> i)) {
            bits[i] = u'1';
        }
    }
    return bits;
}

QString Inv(int value, int bit) {
    return byteToHex((value ^ (1 << bit)) & 0xFF);
}

QString byteToHex(int value) {
    const QChar digits[2] = {QLatin1Char(hexDigits[(value >> 4) & 0xF]),
                             QLatin1Char(hexDigits[value & 0xF])};
    return QString(digits, 2);
}

QString addressToHex(int address) {
    return QString::number(address, 16).toUpper();
}

} // namespace chaserom
