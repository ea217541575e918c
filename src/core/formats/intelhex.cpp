#include "core/formats/intelhex.h"

#include "core/formats/hexrecordtext.h"
#include "core/formats/recordimage.h"

#include <QCoreApplication>
#include <algorithm>

namespace chaserom {

namespace {

constexpr qint64 SegmentLength = 0x10000;

enum RecordType : quint8 {
    Data = 0x00,
    EndOfFile = 0x01,
    ExtendedSegmentAddress = 0x02,
    StartSegmentAddress = 0x03,
    ExtendedLinearAddress = 0x04,
    StartLinearAddress = 0x05,
};

void addRecord(HexRecordText& text, RecordType type, quint16 address, QByteArrayView data) {
    text.startRecord(":");
    text.addByte(static_cast<quint8>(data.size()));
    text.addByte(static_cast<quint8>(address >> 8));
    text.addByte(static_cast<quint8>(address));
    text.addByte(type);
    text.addBytes(data);
    text.endRecord(static_cast<quint8>(-text.sum()));
}

/// The data bytes a record of a type must carry, or -1 for any number.
int fixedDataLength(quint8 type) {
    switch (type) {
    case Data:
        return -1;
    case EndOfFile:
        return 0;
    case ExtendedSegmentAddress:
    case ExtendedLinearAddress:
        return 2;
    case StartSegmentAddress:
    case StartLinearAddress:
        return 4;
    default:
        return -2;
    }
}

qint64 bigEndian16(QByteArrayView bytes) {
    return static_cast<quint8>(bytes[0]) << 8 | static_cast<quint8>(bytes[1]);
}

/// Reads one file; the state that records carry from line to line.
class IntelHexReader {
public:
    IntelHexReader(QByteArrayView text, const RecordReadOptions& options)
        : m_lines(text)
        , m_image(options) {}

    RecordReadResult read() {
        while (const auto line = m_lines.next()) {
            if (line->isEmpty()) {
                continue;
            }
            if (m_ended) {
                m_result.warnings.push_back(
                    {m_lines.number(),
                     QCoreApplication::translate("IntelHex",
                                                 "строки после записи конца файла пропущены")});
                break;
            }
            if (auto fault = readLine(*line)) {
                m_result.fault = LineNote{m_lines.number(), *fault};
                return std::move(m_result);
            }
        }
        if (!m_ended) {
            m_result.fault = LineNote{
                std::max(m_lines.number(), 1),
                QCoreApplication::translate("IntelHex", "файл кончается без записи конца файла "
                                                        "(тип 01, «:00000001FF»)")};
            return std::move(m_result);
        }
        finishRecordRead(m_result, m_image, m_lines.number());
        return std::move(m_result);
    }

private:
    /// An address as its record gives it: four digits, eight with an extended address.
    Failure<> place(qint64 address, QByteArrayView data) {
        return m_image.place(address, data, address > 0xFFFF ? 8 : 4, m_lines.number());
    }

    Failure<> readLine(QByteArrayView line) {
        if (line.front() != ':') {
            return QCoreApplication::translate(
                       "IntelHex", "запись Intel HEX должна начинаться с «:», а начинается с %1")
                .arg(quotedCharacter(line.front()));
        }
        if (auto fault = decodeHexDigits(line.sliced(1), m_bytes)) {
            return fault;
        }
        if (m_bytes.size() < 5) {
            return QCoreApplication::translate("IntelHex",
                                               "запись короче пяти байтов (счётчик, адрес, тип, "
                                               "контрольная сумма)");
        }
        const auto* bytes = reinterpret_cast<const quint8*>(m_bytes.constData());
        const int count = bytes[0];
        if (m_bytes.size() != count + 5) {
            return QCoreApplication::translate("IntelHex",
                                               "в записи %1 байт данных, а счётчик говорит %2")
                .arg(m_bytes.size() - 5)
                .arg(count);
        }
        quint8 sum = 0;
        for (const char byte : std::as_const(m_bytes)) {
            sum = static_cast<quint8>(sum + static_cast<quint8>(byte));
        }
        if (sum != 0) {
            const auto stated = bytes[m_bytes.size() - 1];
            return QCoreApplication::translate("IntelHex",
                                               "неверная контрольная сумма: 0x%1, должна быть 0x%2")
                .arg(upperHex(stated, 2), upperHex(static_cast<quint8>(stated - sum), 2));
        }
        const quint8 type = bytes[3];
        const int length = fixedDataLength(type);
        if (length == -2) {
            return QCoreApplication::translate("IntelHex", "неизвестный тип записи 0x%1")
                .arg(upperHex(type, 2));
        }
        if (length >= 0 && count != length) {
            return QCoreApplication::translate(
                       "IntelHex", "в записи типа 0x%1 должно быть %2 байт данных, а не %3")
                .arg(upperHex(type, 2))
                .arg(length)
                .arg(count);
        }
        const quint16 offset = static_cast<quint16>(bytes[1] << 8 | bytes[2]);
        const QByteArrayView data = QByteArrayView(m_bytes).sliced(4, count);
        switch (type) {
        case Data:
            return placeData(offset, data);
        case EndOfFile:
            m_ended = true;
            return std::nullopt;
        case ExtendedSegmentAddress:
            m_base = bigEndian16(data) << 4;
            m_segmented = true;
            return std::nullopt;
        case ExtendedLinearAddress:
            m_base = bigEndian16(data) << 16;
            m_segmented = false;
            return std::nullopt;
        default:
            return std::nullopt; // start addresses mean nothing to an image
        }
    }

    Failure<> placeData(quint16 offset, QByteArrayView data) {
        if (!m_segmented || offset + data.size() <= SegmentLength) {
            return place(m_base + offset, data);
        }
        // A segment address wraps its offset within the 64 KiB segment.
        const qint64 firstPart = SegmentLength - offset;
        if (auto fault = place(m_base + offset, data.first(firstPart))) {
            return fault;
        }
        return place(m_base, data.sliced(firstPart));
    }

    TextLines m_lines;
    RecordImage m_image;
    RecordReadResult m_result;
    QByteArray m_bytes;
    qint64 m_base = 0;
    bool m_segmented = false;
    bool m_ended = false;
};

} // namespace

void writeIntelHex(QByteArrayView image, int recordSize, const RecordTextSink& sink, qint64 base) {
    const qint64 size = image.size();
    const bool segmented = base + size > SegmentLength;
    HexRecordText text(sink);
    qint64 segmentWritten = -1;
    for (qint64 offset = 0; offset < size && !text.stopped();) {
        const qint64 address = base + offset;
        if (segmented && address / SegmentLength != segmentWritten) {
            segmentWritten = address / SegmentLength;
            const auto segment = static_cast<quint16>(segmentWritten);
            const char upper[2] = {static_cast<char>(segment >> 8), static_cast<char>(segment)};
            addRecord(text, ExtendedLinearAddress, 0, QByteArrayView(upper, 2));
        }
        const qint64 segmentEnd = (address / SegmentLength + 1) * SegmentLength;
        const qint64 count = std::min({qint64{recordSize}, segmentEnd - address, size - offset});
        addRecord(text, Data, static_cast<quint16>(address), image.sliced(offset, count));
        offset += count;
    }
    addRecord(text, EndOfFile, 0, {});
    text.finish();
}

QByteArray intelHexText(QByteArrayView image, int recordSize, qint64 base) {
    const qint64 size = image.size();
    QByteArray text;
    // Each record: ':', 5 bytes around its data, 2 digits a byte, LF.
    text.reserve((size / recordSize + 2) * (12 + 1) + 2 * size + size / SegmentLength * 16);
    writeIntelHex(
        image, recordSize,
        [&text](QByteArrayView piece) {
            text.append(piece);
            return true;
        },
        base);
    return text;
}

RecordReadResult readIntelHex(QByteArrayView text, const RecordReadOptions& options) {
    return IntelHexReader(text, options).read();
}

} // namespace chaserom
