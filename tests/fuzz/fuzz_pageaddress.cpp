// The page-address mapping for any scroll position, maximum, length and channel count:
// the page stays inside the image, never below 0, aligned unless the end rule moved it.
#include "core/page/pageaddress.h"
#include "fuzzcheck.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

using namespace chaserom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 7) {
        return 0;
    }
    const auto word = [data](int at) { return data[at] << 8 | data[at + 1]; };
    const int length = word(0) % 32768;
    // After an open the maximum is the length; any maximum must still be safe.
    const int maximum = data[6] & 0x80 ? length : word(2) % 32768;
    const int position = maximum > 0 ? word(4) % (maximum + 1) : 0;
    const int kanalCount = 8 * (1 + (data[6] & 3));
    const Alignment alignment = data[6] & 4 ? Alignment::Unaligned : Alignment::Aligned;

    const int address = pageAddressFor(position, maximum, length, kanalCount, alignment);
    const int last = std::max(0, length - PageRowCount);
    FUZZ_CHECK(address >= 0);
    FUZZ_CHECK(address <= last);
    if (alignment == Alignment::Aligned && address != last) {
        FUZZ_CHECK(address % (kanalCount / 8) == 0 || kanalCount == 8);
        FUZZ_CHECK(kanalCount != 16 || address % 2 == 0);
    }
    if (maximum == length && length > 0 && alignment == Alignment::Unaligned) {
        FUZZ_CHECK(address == std::min(position, last));
    }
    return 0;
}
