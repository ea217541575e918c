#include "core/page/pagerows.h"

#include "core/image/imagedocument.h"
#include "core/image/imagelimits.h"
#include "core/page/hextext.h"

#include <algorithm>

namespace chaserom {

PageRows::PageRows(ImageDocument& document, QObject* parent)
    : QObject(parent)
    , m_document(document) {
    m_rows.fill(QStringLiteral("00"));
    m_document.setPage(this);
}

PageRows::~PageRows() {
    m_document.setPage(nullptr);
}

bool PageRows::hasImage() const {
    return m_document.hasImage();
}

int PageRows::rowValue(int row) const {
    return HexToDec(m_rows.at(row));
}

PageBytes PageRows::pageBytes() const {
    PageBytes bytes{};
    for (int row = 0; row < PageRowCount; ++row) {
        bytes[row] = static_cast<quint8>(rowValue(row));
    }
    return bytes;
}

void PageRows::imageOpening(qint64 length) {
    m_imageLength = static_cast<int>(std::min<qint64>(length, MaxImageLength));
    m_pageRead = false;
    m_editableRows = 0;
}

FileFailure PageRows::showOpenedImage() {
    return readPage(0);
}

void PageRows::setRowText(int row, const QString& text) {
    editRow(row, text, RowEditKind::Typed, tr("правка байта %1").arg(m_pageAddress + row));
}

void PageRows::invertRow(int row) {
    editRow(row, byteToHex(255 - rowValue(row)), RowEditKind::ByteInverted,
            tr("инверсия байта %1").arg(m_pageAddress + row));
}

void PageRows::invertBit(int row, int column) {
    const int bit = 7 - column;
    editRow(row, Inv(rowValue(row), bit), RowEditKind::BitInverted,
            tr("инверсия бита %1 байта %2").arg(bit).arg(m_pageAddress + row));
}

void PageRows::endTyping() {
    m_document.endTyping();
}

void PageRows::editRow(int row, const QString& text, RowEditKind kind, const QString& label) {
    if (!rowEditable(row) || m_rows.at(row) == text) {
        return;
    }
    const QString before = m_rows.at(row);
    showText(row, text);
    if (!hasImage()) {
        return; // rows with no image open are no change to an image
    }
    const qint64 address = m_pageAddress + row;
    if (kind == RowEditKind::Typed && m_document.joinTyping(address, text)) {
        return;
    }
    HistoryStep step;
    step.kind = HistoryStep::Kind::RowEdit;
    step.label = label;
    step.address = address;
    step.textBefore = before;
    step.textAfter = text;
    step.typing = kind == RowEditKind::Typed;
    m_document.addRowEdit(std::move(step));
}

void PageRows::showText(int row, const QString& text) {
    if (m_rows.at(row) == text) {
        return;
    }
    m_rows[row] = text;
    emit rowChanged(row);
    emit rowsChanged();
}

void PageRows::showRowText(qint64 address, const QString& text) {
    const qint64 row = address - m_pageAddress;
    if (row >= 0 && row < m_editableRows) {
        showText(static_cast<int>(row), text);
    }
}

FileFailure PageRows::writeBack() {
    if (!m_saveEnabled || !hasImage() || m_editableRows == 0) {
        return std::nullopt;
    }
    if (auto failure = m_document.checkStillOnDisk(FileAction::WriteImage)) {
        return failure;
    }
    // Rows past the end of a file that another program cut short are not written: a
    // write-back never lengthens the image.
    const qint64 fileLength = m_document.length();
    const int fitting =
        static_cast<int>(std::clamp<qint64>(fileLength - m_pageAddress, 0, m_editableRows));
    QByteArray bytes(fitting, '\0');
    for (int row = 0; row < fitting; ++row) {
        bytes[row] = static_cast<char>(rowValue(row));
    }
    if (fitting > 0) {
        if (auto failure = m_document.changeBytes(m_pageAddress, bytes, fileLength)) {
            return failure;
        }
        m_document.markWritten(m_pageAddress, m_pageAddress + fitting);
    }
    if (fitting < m_editableRows) {
        return FileError{FileAction::WriteImage, m_document.path(),
                         tr("файл стал короче (%1 байт), его изменила другая "
                            "программа; строки с адреса %2 не записаны")
                             .arg(fileLength)
                             .arg(m_pageAddress + fitting),
                         Severity::Warning};
    }
    return std::nullopt;
}

FileFailure PageRows::movePage(int address) {
    if (!hasImage()) {
        return std::nullopt;
    }
    FileFailure cut = writeBack();
    if (stopsChange(cut)) {
        return cut;
    }
    auto failure = readPage(address);
    return failure ? failure : cut;
}

FileFailure PageRows::readPage(int address) {
    if (!hasImage()) {
        return std::nullopt;
    }
    const int inImage = std::clamp(m_imageLength.value_or(0) - address, 0, PageRowCount);
    const auto bytes = m_document.read(address, inImage);
    if (!bytes) {
        return bytes.failure();
    }
    showPage(address, *bytes);
    return std::nullopt;
}

void PageRows::showPage(int address, const QByteArray& bytes) {
    // Edits the page alone held are gone with it, and so are undone ones.
    m_document.dropPageOnlyEdits();
    m_pageAddress = address;
    m_pageRead = true;
    m_editableRows = static_cast<int>(bytes.size());
    // All rows first, then their signals, so that no listener sees half a page.
    std::array<bool, PageRowCount> changed{};
    for (int row = 0; row < PageRowCount; ++row) {
        QString text = row < bytes.size() ? byteToHex(static_cast<quint8>(bytes[row])) : QString();
        changed[row] = m_rows[row] != text;
        m_rows[row] = std::move(text);
    }
    for (int row = 0; row < PageRowCount; ++row) {
        if (changed[row]) {
            emit rowChanged(row);
        }
    }
    if (std::find(changed.begin(), changed.end(), true) != changed.end()) {
        emit rowsChanged();
    }
    emit pageMoved(address);
}

FileFailure PageRows::showFileBytes(qint64 address, qint64 count) {
    const auto read = m_document.read(m_pageAddress, m_editableRows);
    if (!read) {
        return read.failure();
    }
    const QByteArray& bytes = *read;
    for (int row = 0; row < bytes.size(); ++row) {
        const qint64 at = m_pageAddress + row;
        if (at >= address && at < address + count) {
            showText(row, byteToHex(static_cast<quint8>(bytes[row])));
        }
    }
    return std::nullopt;
}

FileFailure PageRows::copy(const CopyRange& range, Overflow answer) {
    return m_document.copy(range, answer, m_imageLength.value_or(0));
}

FileFailure PageRows::invert() {
    return m_document.invert(m_imageLength.value_or(0));
}

FileFailure PageRows::reverse() {
    return m_document.reverse(m_imageLength.value_or(0));
}

} // namespace chaserom
