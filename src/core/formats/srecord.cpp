#include "core/formats/srecord.h"

#include "core/formats/hexrecordtext.h"
#include "core/formats/recordimage.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace chaserom {

namespace {

constexpr qint64 S1Limit = 0x10000;
constexpr qint64 S2Limit = 0x1000000;
/// The most an S5 record counts; past it S6 counts in 24 bits.
constexpr qint64 S5Limit = 0xFFFF;
constexpr qint64 S6Limit = 0xFFFFFF;
/// The header's text is cut to fit one record.
constexpr qsizetype HeaderLimit = 250;

/// The bytes of the address field of each record type S0 to S9; 0 for S4, which is
/// undefined.
constexpr std::array<int, 10> AddressLength = {2, 2, 3, 4, 0, 2, 3, 4, 3, 2};

void addRecord(HexRecordText& text, int type, int addressLength, quint32 address,
               QByteArrayView data) {
    const char prefix[2] = {'S', static_cast<char>('0' + type)};
    text.startRecord(QByteArrayView(prefix, 2));
    text.addByte(static_cast<quint8>(addressLength + data.size() + 1));
    for (int shift = 8 * (addressLength - 1); shift >= 0; shift -= 8) {
        text.addByte(static_cast<quint8>(address >> shift));
    }
    text.addBytes(data);
    text.endRecord(static_cast<quint8>(~text.sum()));
}

/// The data records an image needs: S1 up to 64 KiB, S2 up to 16 MiB, S3 beyond.
int dataRecordType(qint64 size) {
    if (size > S2Limit) {
        return 3;
    }
    return size > S1Limit ? 2 : 1;
}

/// A count record seen in a block, checked when the block ends.
struct CountRecord {
    int line;
    int type;
    qint64 count;
};

/// Reads one file; the state that records carry from line to line.
class SRecordReader {
public:
    SRecordReader(QByteArrayView text, const RecordReadOptions& options)
        : m_lines(text)
        , m_image(options) {}

    RecordReadResult read() {
        while (const auto line = m_lines.next()) {
            if (line->isEmpty()) {
                continue;
            }
            if (m_terminated) {
                // Files joined one after another: each keeps its own records and count.
                m_result.warnings.push_back(
                    {m_lines.number(),
                     QCoreApplication::translate(
                         "SRecord", "после завершающей записи начинается новый блок записей")});
                m_terminated = false;
                m_blockDataRecords = 0;
                m_blockCounts.clear();
            }
            if (auto fault = readLine(*line)) {
                return refused(m_lines.number(), *fault);
            }
            if (m_terminated) {
                if (auto wrong = wrongCount()) {
                    return refused(wrong->line, wrong->text);
                }
            }
        }
        if (auto wrong = wrongCount()) {
            return refused(wrong->line, wrong->text);
        }
        if (!m_terminated) {
            if (m_blockCounts.empty()) {
                return refused(std::max(m_lines.number(), 1),
                               QCoreApplication::translate(
                                   "SRecord", "файл кончается без завершающей записи (S7, S8 "
                                              "или S9) и без записи счёта (S5 или S6)"));
            }
            m_result.warnings.push_back(
                {m_blockCounts.back().line,
                 QCoreApplication::translate(
                     "SRecord", "нет завершающей записи (S7, S8 или S9); файл принят, потому "
                                "что запись S%1 сходится с числом записей данных")
                     .arg(m_blockCounts.back().type)});
        }
        finishRecordRead(m_result, m_image, m_lines.number());
        return std::move(m_result);
    }

private:
    /// A count record of the block that counts neither the block's data records nor, as in a
    /// file written as one, all of the file's so far.
    [[nodiscard]] std::optional<LineNote> wrongCount() const {
        for (const CountRecord& record : m_blockCounts) {
            if (record.count != m_blockDataRecords && record.count != m_dataRecords) {
                return LineNote{record.line,
                                QCoreApplication::translate(
                                    "SRecord", "запись S%1 насчитывает %2 записей данных, а их %3")
                                    .arg(record.type)
                                    .arg(record.count)
                                    .arg(m_blockDataRecords)};
            }
        }
        return std::nullopt;
    }

    RecordReadResult refused(int line, const QString& fault) {
        m_result.fault = LineNote{line, fault};
        return std::move(m_result);
    }

    Failure<> readLine(QByteArrayView line) {
        if (line.front() != 'S' && line.front() != 's') {
            return QCoreApplication::translate(
                       "SRecord", "S-запись должна начинаться с «S», а начинается с %1")
                .arg(quotedCharacter(line.front()));
        }
        if (line.size() < 2 || line[1] < '0' || line[1] > '9') {
            return QCoreApplication::translate("SRecord", "за «S» должна стоять цифра типа записи");
        }
        const int type = line[1] - '0';
        const int addressLength = AddressLength[type];
        if (addressLength == 0) {
            return QCoreApplication::translate("SRecord", "тип записи S4 не определён");
        }
        if (auto fault = decodeHexDigits(line.sliced(2), m_bytes)) {
            return fault;
        }
        if (m_bytes.isEmpty()) {
            return QCoreApplication::translate("SRecord", "в записи нет счётчика байтов");
        }
        const auto* bytes = reinterpret_cast<const quint8*>(m_bytes.constData());
        const int count = bytes[0];
        if (m_bytes.size() != count + 1) {
            return QCoreApplication::translate(
                       "SRecord", "в записи %1 байт после счётчика, а счётчик говорит %2")
                .arg(m_bytes.size() - 1)
                .arg(count);
        }
        if (count < addressLength + 1) {
            return QCoreApplication::translate(
                       "SRecord", "запись S%1 короче своего адреса и контрольной суммы")
                .arg(type);
        }
        quint8 sum = 0;
        for (qsizetype i = 0; i + 1 < m_bytes.size(); ++i) {
            sum = static_cast<quint8>(sum + bytes[i]);
        }
        const quint8 stated = bytes[count];
        const auto expected = static_cast<quint8>(~sum);
        if (stated != expected) {
            return QCoreApplication::translate("SRecord",
                                               "неверная контрольная сумма: 0x%1, должна быть 0x%2")
                .arg(upperHex(stated, 2), upperHex(expected, 2));
        }
        qint64 address = 0;
        for (int i = 1; i <= addressLength; ++i) {
            address = address << 8 | bytes[i];
        }
        const QByteArrayView data =
            QByteArrayView(m_bytes).sliced(1 + addressLength, count - addressLength - 1);
        switch (type) {
        case 1:
        case 2:
        case 3:
            ++m_dataRecords;
            ++m_blockDataRecords;
            return m_image.place(address, data, 2 * addressLength, m_lines.number());
        case 5:
        case 6:
            if (!data.isEmpty()) {
                return QCoreApplication::translate("SRecord",
                                                   "запись счёта S%1 не должна нести данных")
                    .arg(type);
            }
            m_blockCounts.push_back({m_lines.number(), type, address});
            return std::nullopt;
        case 7:
        case 8:
        case 9:
            m_terminated = true;
            return std::nullopt;
        default:
            return std::nullopt; // the S0 header names the file; it holds no image bytes
        }
    }

    TextLines m_lines;
    RecordImage m_image;
    RecordReadResult m_result;
    QByteArray m_bytes;
    std::vector<CountRecord> m_blockCounts;
    qint64 m_dataRecords = 0;
    qint64 m_blockDataRecords = 0;
    bool m_terminated = false;
};

} // namespace

void writeSRecords(QByteArrayView image, int recordSize, const QString& headerName,
                   const RecordTextSink& sink, qint64 base) {
    const qint64 size = image.size();
    const int dataType = dataRecordType(base + size);
    const int addressLength = AddressLength[dataType];
    const qint64 records = (size + recordSize - 1) / recordSize;
    HexRecordText text(sink);

    const QByteArray header = headerName.toUtf8();
    addRecord(text, 0, 2, 0, QByteArrayView(header).first(std::min(header.size(), HeaderLimit)));
    for (qint64 offset = 0; offset < size && !text.stopped(); offset += recordSize) {
        addRecord(text, dataType, addressLength, static_cast<quint32>(base + offset),
                  image.sliced(offset, std::min(qint64{recordSize}, size - offset)));
    }
    if (records <= S5Limit) {
        addRecord(text, 5, 2, static_cast<quint32>(records), {});
    } else if (records <= S6Limit) {
        // Past what S6 counts no count record is written: it is optional.
        addRecord(text, 6, 3, static_cast<quint32>(records), {});
    }
    const int terminator = 10 - dataType;
    addRecord(text, terminator, AddressLength[terminator], 0, {});
    text.finish();
}

QByteArray sRecordText(QByteArrayView image, int recordSize, const QString& headerName,
                       qint64 base) {
    const qint64 size = image.size();
    const qint64 records = (size + recordSize - 1) / recordSize;
    QByteArray text;
    text.reserve(records * (2 * (AddressLength[dataRecordType(base + size)] + 2) + 3) + 2 * size +
                 2 * HeaderLimit + 64);
    writeSRecords(
        image, recordSize, headerName,
        [&text](QByteArrayView piece) {
            text.append(piece);
            return true;
        },
        base);
    return text;
}

RecordReadResult readSRecords(QByteArrayView text, const RecordReadOptions& options) {
    return SRecordReader(text, options).read();
}

} // namespace chaserom
