#include "core/files/regularfile.h"
#include "core/formats/recordfile.h"
#include "tool/commands.h"
#include "tool/console.h"
#include "tool/output.h"

#include <QFileInfo>

namespace chaserom::tool {

namespace {

/// The format asked for, else the output's extension's, else Intel HEX.
std::optional<RecordFormat> chosenFormat(const Arguments& arguments, const QString& output) {
    if (const auto format = arguments.value("format")) {
        if (*format == QLatin1String("ihex")) {
            return RecordFormat::IntelHex;
        }
        if (*format == QLatin1String("srec")) {
            return RecordFormat::SRecord;
        }
        return std::nullopt;
    }
    return recordFormatOfName(output).value_or(RecordFormat::IntelHex);
}

} // namespace

int runExport(const Arguments& arguments) {
    const char* command = "export";
    if (arguments.positional().size() != 1) {
        return usageError(command, QStringLiteral("нужен ровно один ОБРАЗ"));
    }
    const QString image = arguments.positional().first();
    const QString outputPath = arguments.value("output").value_or(QStringLiteral("-"));
    const auto format = chosenFormat(arguments, outputPath);
    if (!format) {
        return usageError(command, QStringLiteral("формат «%1» не известен: ihex или srec")
                                       .arg(*arguments.value("format")));
    }
    const auto recordSize =
        parseNumber(arguments.value("record-size").value_or(QString::number(DefaultRecordSize)), 1,
                    MaxRecordSize);
    if (!recordSize) {
        return usageError(
            command,
            QStringLiteral("--record-size: от 1 до %1 байт данных в записи").arg(MaxRecordSize));
    }
    if (const auto fault = overwrittenInput(outputPath, {image})) {
        return usageError(command, *fault);
    }
    // Import reads no more than a record file addresses; export writes no more either, and
    // holds no more than that in memory.
    if (QFileInfo(image).size() > RecordImageLimit) {
        printFailure({FileAction::ReadImage, image,
                      QStringLiteral("образ длиннее предела в 16 МиБ (%1 байт), который "
                                     "описывают Intel HEX и S-записи")
                          .arg(RecordImageLimit)});
        return ExitFailure;
    }
    const auto read = readRegularFile(image, RecordImageLimit, FileAction::ReadImage);
    if (!read) {
        printFailure(read.failure());
        return ExitFailure;
    }
    const QByteArray& bytes = *read;
    Output output(outputPath, FileAction::WriteRecords);
    FileFailure failure = output.open();
    if (!failure) {
        // The text is several times the image: it goes out piece by piece as it is made.
        writeRecordFile(*format, bytes, static_cast<int>(*recordSize), QFileInfo(image).fileName(),
                        [&](QByteArrayView piece) {
                            failure = output.write(piece);
                            return !failure;
                        });
    }
    if (!failure) {
        failure = output.commit();
    }
    if (failure) {
        printFailure(*failure);
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace chaserom::tool
