#include "core/formats/hexrecordtext.h"
#include "core/image/imagecompare.h"
#include "tool/commands.h"
#include "tool/console.h"

#include <QCoreApplication>

namespace chaserom::tool {

int runCompare(const Arguments& arguments) {
    if (arguments.positional().size() != 2) {
        return usageError("compare",
                          QCoreApplication::translate("Tool", "нужны ровно два образа, A и B"));
    }
    const QString& pathA = arguments.positional()[0];
    const QString& pathB = arguments.positional()[1];
    QByteArray a;
    QByteArray b;
    for (const auto& [path, bytes] : {std::pair{&pathA, &a}, std::pair{&pathB, &b}}) {
        auto read = readInput(*path, FileAction::ReadImage);
        if (!read) {
            printFailure(read.failure());
            return ExitTrouble;
        }
        *bytes = std::move(*read);
    }
    const ImageComparison comparison = compareImages(a, b);
    for (const DifferingRun& run : comparison.runs) {
        printLine(QStringLiteral("0x%1-0x%2").arg(upperHex(run.first, 4), upperHex(run.last, 4)));
    }
    if (comparison.sizeA != comparison.sizeB) {
        printLine(QStringLiteral("size: %1 %2, %3 %4")
                      .arg(pathA, QString::number(comparison.sizeA), pathB,
                           QString::number(comparison.sizeB)));
    }
    return comparison.identical() ? ExitSuccess : ExitDifferent;
}

} // namespace chaserom::tool
