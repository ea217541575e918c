#include "core/formats/recordfile.h"

#include "core/files/regularfile.h"
#include "core/formats/hexrecordtext.h"
#include "core/formats/intelhex.h"
#include "core/formats/srecord.h"
#include "core/image/romchips.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace chaserom {

namespace {

struct NamedFormat {
    const char* suffix;
    RecordFormat format;
};

constexpr NamedFormat Suffixes[] = {
    {"hex", RecordFormat::IntelHex},  {"ihx", RecordFormat::IntelHex},
    {"ihex", RecordFormat::IntelHex}, {"srec", RecordFormat::SRecord},
    {"s19", RecordFormat::SRecord},   {"s28", RecordFormat::SRecord},
    {"s37", RecordFormat::SRecord},   {"mot", RecordFormat::SRecord},
};

} // namespace

std::optional<RecordFormat> recordFormatOfName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix();
    for (const NamedFormat& named : Suffixes) {
        if (suffix.compare(QLatin1String(named.suffix), Qt::CaseInsensitive) == 0) {
            return named.format;
        }
    }
    return std::nullopt;
}

RecordReadResult readRecordFile(QByteArrayView text, const RecordReadOptions& options) {
    const char lineEnd = lineEndOf(text);
    int line = 1;
    for (const char character : text) {
        if (character == lineEnd) {
            ++line;
            continue;
        }
        switch (character) {
        case ' ':
        case '\t':
        case '\r':
            continue;
        case ':':
            return readIntelHex(text, options);
        case 'S':
        case 's':
            return readSRecords(text, options);
        default:
            RecordReadResult result;
            result.fault = LineNote{line, QCoreApplication::translate(
                                              "RecordFile", "это не Intel HEX (строки с «:») и не "
                                                            "S-записи (строки с «S»)")};
            return result;
        }
    }
    RecordReadResult result;
    result.fault =
        LineNote{line, QCoreApplication::translate("RecordFile", "в файле нет ни одной записи")};
    return result;
}

QByteArray recordFileText(RecordFormat format, QByteArrayView image, int recordSize,
                          const QString& headerName, qint64 base) {
    if (format == RecordFormat::SRecord) {
        return sRecordText(image, recordSize, headerName, base);
    }
    return intelHexText(image, recordSize, base);
}

void writeRecordFile(RecordFormat format, QByteArrayView image, int recordSize,
                     const QString& headerName, const RecordTextSink& sink, qint64 base) {
    if (format == RecordFormat::SRecord) {
        writeSRecords(image, recordSize, headerName, sink, base);
    } else {
        writeIntelHex(image, recordSize, sink, base);
    }
}

FileFailure importRecordFile(const QString& path, const RecordReadOptions& options,
                             RecordReadResult& result) {
    result = {};
    const auto text = readRegularFile(path, RecordTextLimit, FileAction::ReadRecords);
    if (!text) {
        return text.failure();
    }
    result = readRecordFile(*text, options);
    if (result.fault) {
        return recordLineFailure(path, *result.fault);
    }
    return std::nullopt;
}

qint64 suggestedBase(const DataExtent& extent) {
    const auto chip = smallestChipHolding(extent.length());
    qint64 span = chip ? chip->size : 1;
    // Rounded down, the data may reach past the chip: then the next size up holds it.
    while (span < extent.length() || extent.lowest / span * span + span <= extent.highest) {
        span *= 2;
    }
    return extent.lowest / span * span;
}

FileError recordLineFailure(const QString& path, const LineNote& fault) {
    return {
        FileAction::ReadRecords, path,
        QCoreApplication::translate("RecordFile", "строка %1: %2").arg(fault.line).arg(fault.text)};
}

} // namespace chaserom
