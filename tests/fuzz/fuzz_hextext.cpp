// The row texts: HexToDec, HexToBin and Inv agree for every text, and a row's binary text
// is always the eight digits of the byte a write-back stores.
#include "core/page/hextext.h"
#include "fuzzcheck.h"

#include <cstdint>

using namespace chaserom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(data),
                                            static_cast<qsizetype>(size / 2));
    const int value = HexToDec(text);
    FUZZ_CHECK(value >= 0 && value <= 255);
    if (text.size() != 2) {
        FUZZ_CHECK(value == 0);
    }
    const QString bits = HexToBin(text);
    FUZZ_CHECK(bits.size() == 8);
    for (int i = 0; i < 8; ++i) {
        FUZZ_CHECK(bits[i] == ((value >> (7 - i)) & 1 ? u'1' : u'0'));
    }
    for (int bit = 0; bit < 8; ++bit) {
        const QString inverted = Inv(value, bit);
        FUZZ_CHECK(inverted.size() == 2);
        FUZZ_CHECK(inverted == inverted.toUpper());
        FUZZ_CHECK(HexToDec(inverted) == (value ^ (1 << bit)));
        FUZZ_CHECK(HexToDec(Inv(HexToDec(inverted), bit)) == value);
    }
    FUZZ_CHECK(HexToDec(byteToHex(value)) == value);
    return 0;
}
