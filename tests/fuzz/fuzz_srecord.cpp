// The S-record reader on any bytes: a refused file names a line of it and gives no image;
// an accepted one is at most 16 MiB and reads back the same after writing it out again.
#include "core/formats/hexrecordtext.h"
#include "core/formats/srecord.h"
#include "fuzzcheck.h"

#include <cstdint>

using namespace chaserom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RecordReadResult result = readSRecords(text, {});
    // Lines end with LF, or with CR in a text that has no LF at all.
    const int lines = static_cast<int>(text.count(lineEndOf(text))) + 1;
    if (result.fault) {
        FUZZ_CHECK(result.fault->line >= 1 && result.fault->line <= lines);
        FUZZ_CHECK(!result.fault->text.isEmpty());
        FUZZ_CHECK(result.image.isEmpty());
        return 0;
    }
    FUZZ_CHECK(result.image.size() <= RecordImageLimit);
    for (const LineNote& warning : result.warnings) {
        FUZZ_CHECK(warning.line >= 1 && warning.line <= lines);
    }
    // Writing out a large image costs more than the reader: check the smaller ones.
    if (result.image.size() <= 0x20000) {
        const RecordReadResult again =
            readSRecords(sRecordText(result.image, 16, QStringLiteral("fuzz")), {});
        FUZZ_CHECK(!again.fault);
        FUZZ_CHECK(again.image == result.image);
    }
    return 0;
}
