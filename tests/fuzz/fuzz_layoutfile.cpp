// The layout-file reader on any bytes: a fault moves no lamp, and a layout read whole
// writes back to 512 lines that read again to the very same positions.
#include "core/files/layoutfile.h"
#include "fuzzcheck.h"

#include <cmath>
#include <cstdint>

using namespace chaserom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    LampLayout layout = LampStartPositions;
    const auto fault = readLayoutFileText(text, layout);
    if (fault) {
        FUZZ_CHECK(layout == LampStartPositions);
        return 0;
    }
    for (const LampPosition& lamp : layout) {
        FUZZ_CHECK(std::isfinite(lamp.left) && std::isfinite(lamp.top));
    }
    const QByteArray written = layoutFileText(layout);
    FUZZ_CHECK(written.count("\r\n") == 512);
    LampLayout again{};
    FUZZ_CHECK(!readLayoutFileText(written, again));
    FUZZ_CHECK(again == layout);
    return 0;
}
