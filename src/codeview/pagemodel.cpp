#include "pagemodel.h"

#include "codeview/filenaming.h"
#include "codeview/hextext.h"

#include <algorithm>

namespace chaserom {

PageModel::PageModel(QObject* parent)
    : QObject(parent) {
    m_rows.fill(QStringLiteral("00"));
}

int PageModel::rowValue(int row) const {
    return HexToDec(m_rows.at(row));
}

PageBytes PageModel::pageBytes() const {
    PageBytes bytes{};
    for (int row = 0; row < PageRowCount; ++row) {
        bytes[row] = static_cast<quint8>(rowValue(row));
    }
    return bytes;
}

FileFailure PageModel::openImage(const QString& path) {
    // A page whose file is gone has nowhere to go; any other failed write-back keeps the
    // image open with its page, so that nothing is lost.
    if (!hasImage() || m_image.isStillOnDisk()) {
        if (auto failure = writeBack()) {
            return failure;
        }
    }
    ImageFile next;
    if (auto failure = next.open(path)) {
        return failure;
    }
    const qint64 size = next.size();
    if (auto failure = next.writeCopy(backupPathFor(path), size, 0, FileAction::Backup)) {
        return failure;
    }
    m_image = std::move(next);
    m_imagePath = path;
    m_imageLength = static_cast<int>(std::min<qint64>(size, MaxImageLength));
    // The rows shown belong to the old image: should the first read fail, they must never
    // be written into the new one.
    m_pageAddress = 0;
    m_pageRead = false;
    m_editableRows = 0;
    emit imageChanged();
    return readPage(0);
}

FileFailure PageModel::closeImage() {
    auto failure = writeBack();
    m_image.close();
    emit imageChanged();
    return failure;
}

void PageModel::setRowText(int row, const QString& text) {
    if (!rowEditable(row) || m_rows.at(row) == text) {
        return;
    }
    m_rows[row] = text;
    emit rowChanged(row);
    emit rowsChanged();
}

void PageModel::invertRow(int row) {
    setRowText(row, byteToHex(255 - rowValue(row)));
}

void PageModel::invertBit(int row, int column) {
    setRowText(row, Inv(rowValue(row), 7 - column));
}

FileFailure PageModel::writeBack() {
    if (!m_saveEnabled || !hasImage() || m_editableRows == 0) {
        return std::nullopt;
    }
    QByteArray bytes(m_editableRows, '\0');
    for (int row = 0; row < m_editableRows; ++row) {
        bytes[row] = static_cast<char>(rowValue(row));
    }
    return m_image.write(m_pageAddress, bytes);
}

FileFailure PageModel::movePage(int address) {
    if (!hasImage()) {
        return std::nullopt;
    }
    if (auto failure = writeBack()) {
        return failure;
    }
    return readPage(address);
}

FileFailure PageModel::readPage(int address) {
    if (!hasImage()) {
        return std::nullopt;
    }
    const int inImage = std::clamp(m_imageLength.value_or(0) - address, 0, PageRowCount);
    QByteArray bytes;
    if (auto failure = m_image.read(address, inImage, bytes)) {
        return failure;
    }
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
    return std::nullopt;
}

} // namespace chaserom
