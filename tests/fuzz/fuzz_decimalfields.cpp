// The decimal fields of the copy and the resized copy on any text: what they accept lies
// in the ranges the operations rely on, and a refusal always says why.
#include "core/image/decimalfields.h"
#include "fuzzcheck.h"

#include <QStringList>
#include <cstdint>

using namespace chaserom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const int length = (data[0] << 8 | data[1]) % 32768;
    const QStringList fields =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2))
            .split(u'|');
    const QString start = fields.value(0);
    const QString end = fields.value(1);
    const QString destination = fields.value(2);

    for (const QString& field : fields) {
        if (const auto number = readDecimalField(field)) {
            FUZZ_CHECK(*number > -1000000000000LL && *number < 1000000000000LL);
            FUZZ_CHECK(readDecimalField(QString::number(*number)) == number);
        }
    }
    if (const auto range = readCopyRange(start, end, destination, length)) {
        FUZZ_CHECK(range->start >= 0 && range->start < length);
        FUZZ_CHECK(range->end >= 0 && range->end < length);
        FUZZ_CHECK(range->destination >= 0 && range->destination <= HighestAddress);
    } else {
        FUZZ_CHECK(!range.failure().isEmpty());
    }
    if (const auto target = readTargetSize(start)) {
        FUZZ_CHECK(*target >= 1 && *target <= LargestResizedCopy);
    } else {
        FUZZ_CHECK(!target.failure().isEmpty());
    }
    return 0;
}
