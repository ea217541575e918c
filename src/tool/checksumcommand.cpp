#include "core/formats/hexrecordtext.h"
#include "core/image/checksums.h"
#include "tool/commands.h"
#include "tool/console.h"

#include <QCoreApplication>

namespace chaserom::tool {

int runChecksum(const Arguments& arguments) {
    if (arguments.positional().isEmpty()) {
        return usageError("checksum",
                          QCoreApplication::translate("Tool", "нужен хотя бы один ОБРАЗ"));
    }
    // Like other checksum programs, one unreadable file does not stop the others.
    int status = ExitSuccess;
    for (const QString& path : arguments.positional()) {
        const auto bytes = readInput(path, FileAction::ReadImage);
        if (!bytes) {
            printFailure(bytes.failure());
            status = ExitFailure;
            continue;
        }
        const ImageChecksums checksums = checksumsOf(*bytes);
        printLine(QStringLiteral("sum16=%1 sum32=%2 crc32=%3 size=%4 %5")
                      .arg(upperHex(checksums.sum16(), 4), upperHex(checksums.sum32(), 8),
                           upperHex(checksums.crc32(), 8), QString::number(checksums.size()),
                           path));
    }
    return status;
}

} // namespace chaserom::tool
