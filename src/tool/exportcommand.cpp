#include "core/files/regularfile.h"
#include "core/formats/hexrecordtext.h"
#include "core/formats/recordfile.h"
#include "tool/commands.h"
#include "tool/console.h"
#include "tool/output.h"

#include <QCoreApplication>
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
        return usageError(command, QCoreApplication::translate("Tool", "нужен ровно один ОБРАЗ"));
    }
    const QString image = arguments.positional().first();
    const QString outputPath = arguments.value("output").value_or(QStringLiteral("-"));
    const auto format = chosenFormat(arguments, outputPath);
    if (!format) {
        return usageError(
            command, QCoreApplication::translate("Tool", "формат «%1» не известен: ihex или srec")
                         .arg(*arguments.value("format")));
    }
    const auto recordSize =
        parseNumber(arguments.value("record-size").value_or(QString::number(DefaultRecordSize)), 1,
                    MaxRecordSize);
    if (!recordSize) {
        return usageError(command, QCoreApplication::translate(
                                       "Tool", "--record-size: от 1 до %1 байт данных в записи")
                                       .arg(MaxRecordSize));
    }
    const auto base =
        parseNumber(arguments.value("base").value_or(QStringLiteral("0")), 0, HighestRecordAddress);
    if (!base) {
        return usageError(command,
                          QCoreApplication::translate("Tool", "--base: адрес от 0 до 0xFFFFFFFF, "
                                                              "десятичный или с 0x"));
    }
    if (const auto fault = overwrittenInput(outputPath, {image})) {
        return usageError(command, *fault);
    }
    // Import reads no more than a record file addresses; export writes no more either, and
    // holds no more than that in memory.
    if (QFileInfo(image).size() > RecordImageLimit) {
        printFailure({FileAction::ReadImage, image,
                      QCoreApplication::translate(
                          "Tool", "образ длиннее предела в 16 МиБ (%1 байт), который "
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
    if (*base + bytes.size() - 1 > HighestRecordAddress) {
        return usageError(command,
                          QCoreApplication::translate(
                              "Tool", "--base: образ в %1 байт с адреса 0x%2 не помещается в "
                                      "32-битные адреса записей")
                              .arg(bytes.size())
                              .arg(upperHex(*base, 8)));
    }
    Output output(outputPath, FileAction::WriteRecords);
    FileFailure failure = output.open();
    if (!failure) {
        // The text is several times the image: it goes out piece by piece as it is made.
        writeRecordFile(
            *format, bytes, static_cast<int>(*recordSize), QFileInfo(image).fileName(),
            [&](QByteArrayView piece) {
                failure = output.write(piece);
                return !failure;
            },
            *base);
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
