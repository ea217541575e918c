// The colour-file reader on any bytes: it keeps the colours read before a fault, every
// colour it takes is a 24-bit colour, and what it reads whole writes back and reads again
// to the same colours.
#include "core/colours/designcolours.h"
#include "core/files/colourfile.h"
#include "fuzzcheck.h"

#include <cstdint>

using namespace chaserom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ChannelColours colours = DesignColours;
    const auto fault = readColourFileText(text, colours);
    for (const Bgr colour : colours) {
        FUZZ_CHECK(colour <= 0xFFFFFF);
    }
    if (!fault) {
        const QByteArray written = colourFileText(colours);
        FUZZ_CHECK(written.count("\r\n") == 32);
        ChannelColours again{};
        FUZZ_CHECK(!readColourFileText(written, again));
        FUZZ_CHECK(again == colours);
    } else {
        FUZZ_CHECK(!fault->isEmpty());
    }
    return 0;
}
