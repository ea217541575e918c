#include "core/page/pagemodel.h"

#include "core/image/copynaming.h"
#include "core/page/hextext.h"

#include <QFileInfo>
#include <algorithm>
#include <cerrno>

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

FileFailure PageModel::openImage(const QString& path, ImageFile::WhenLocked whenLocked) {
    // A page whose file is gone has nowhere to go; any other failed write-back keeps the
    // image open with its page, so that nothing is lost.
    FileFailure cut;
    if ((!hasImage() || m_image.isStillOnDisk()) && !writeBackFirst(cut)) {
        return cut;
    }
    // The lock on an image opened again is this program's own, under its earlier handle.
    const bool reopening = m_image.isFileAt(path);
    ImageFile next;
    if (auto failure =
            next.open(path, reopening ? ImageFile::WhenLocked::OpenAnyway : whenLocked)) {
        return failure;
    }
    const qint64 size = next.size();
    if (auto failure = next.writeCopy(backupPathFor(path), size, 0, FileAction::Backup,
                                      ImageFile::CopyAtLink::ReplaceLink)) {
        return failure;
    }
    const int length = static_cast<int>(std::min<qint64>(size, MaxImageLength));
    // The first page is read before anything changes: a failed open leaves the earlier
    // image and its rows exactly as they were, never its rows under the new path.
    QByteArray firstPage;
    if (auto failure = next.read(0, std::min(length, PageRowCount), firstPage)) {
        return failure;
    }
    m_image = std::move(next);
    if (reopening) {
        m_image.takeLock();
    }
    m_imagePath = path;
    m_imageLength = length;
    m_pageRead = false;
    m_editableRows = 0;
    emit openedImageChanged();
    showPage(0, firstPage);
    return cut;
}

FileFailure PageModel::closeImage() {
    auto failure = writeBack();
    m_image.close();
    emit openedImageChanged();
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
    if (auto failure = m_image.checkStillOnDisk(FileAction::WriteImage)) {
        return failure;
    }
    // Rows past the end of a file that another program cut short are not written: a
    // write-back never lengthens the image.
    const qint64 fileLength = m_image.size();
    const int fitting =
        static_cast<int>(std::clamp<qint64>(fileLength - m_pageAddress, 0, m_editableRows));
    QByteArray bytes(fitting, '\0');
    for (int row = 0; row < fitting; ++row) {
        bytes[row] = static_cast<char>(rowValue(row));
    }
    if (fitting > 0) {
        if (auto failure = changeBytes(m_pageAddress, bytes, fileLength)) {
            return failure;
        }
    }
    if (fitting < m_editableRows) {
        return FileError{FileAction::WriteBackCut, m_imagePath,
                         QStringLiteral("файл стал короче (%1 байт), его изменила другая "
                                        "программа; строки с адреса %2 не записаны")
                             .arg(fileLength)
                             .arg(m_pageAddress + fitting)};
    }
    return std::nullopt;
}

bool PageModel::writeBackFirst(FileFailure& report) {
    report = writeBack();
    return !report || report->action == FileAction::WriteBackCut;
}

FileFailure PageModel::movePage(int address) {
    if (!hasImage()) {
        return std::nullopt;
    }
    FileFailure cut;
    if (!writeBackFirst(cut)) {
        return cut;
    }
    auto failure = readPage(address);
    return failure ? failure : cut;
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
    showPage(address, bytes);
    return std::nullopt;
}

void PageModel::showPage(int address, const QByteArray& bytes) {
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

FileFailure PageModel::changeBytes(qint64 address, QByteArrayView after, qint64 lengthAfter) {
    ImageChange change;
    change.address = address;
    change.lengthBefore = m_image.size();
    if (auto failure = m_image.read(address, after.size(), change.before)) {
        return failure;
    }
    if (auto failure = m_image.write(address, after)) {
        return failure;
    }
    if (lengthAfter != m_image.size()) {
        if (auto failure = m_image.resize(lengthAfter)) {
            return failure;
        }
    }
    change.after = after.toByteArray();
    change.lengthAfter = m_image.size();
    if (!change.changesNothing()) {
        emit imageEdited(change);
    }
    return std::nullopt;
}

template <typename Operation> FileFailure PageModel::changeWholeImage(Operation operation) {
    if (!hasImage()) {
        return std::nullopt;
    }
    FileFailure cut;
    if (!writeBackFirst(cut)) {
        return cut;
    }
    const FileFailure failure = operation();
    // The rows show the changed file, also after a failure part-way.
    const FileFailure reread = readPage(m_pageAddress);
    return failure ? failure : reread ? reread : cut;
}

FileFailure PageModel::copy(const CopyRange& range, Overflow answer) {
    return changeWholeImage([&] { return copyInFile(range, answer); });
}

FileFailure PageModel::invert() {
    return changeWholeImage([this] { return transformImageStart(invertBytes); });
}

FileFailure PageModel::reverse() {
    return changeWholeImage([this] { return transformImageStart(reverseBytes); });
}

FileFailure PageModel::copyInFile(const CopyRange& range, Overflow answer) {
    const qint64 fileSize = m_image.size();
    const auto plan = planCopy(range, m_imageLength.value_or(0), answer, fileSize);
    if (!plan) {
        return std::nullopt;
    }
    QByteArray region;
    if (auto failure =
            m_image.read(plan->regionStart, plan->regionEnd - plan->regionStart, region)) {
        return failure;
    }
    applyCopy(*plan, region);
    const QByteArrayView written = QByteArrayView(region).sliced(
        plan->writeStart - plan->regionStart, plan->writeEnd - plan->writeStart);
    return changeBytes(plan->writeStart, written, std::max(fileSize, plan->writeEnd));
}

FileFailure PageModel::transformImageStart(void (*transform)(QByteArray&)) {
    // Bytes past the image length (in a file longer than 32767 bytes) stay as they are.
    QByteArray bytes;
    if (auto failure = m_image.read(0, m_imageLength.value_or(0), bytes)) {
        return failure;
    }
    transform(bytes);
    return changeBytes(0, bytes, m_image.size());
}

FileFailure PageModel::writeResizedCopy(qint64 size, const QString& path) {
    if (!hasImage()) {
        return std::nullopt;
    }
    FileFailure cut;
    if (!writeBackFirst(cut)) {
        return cut;
    }
    if (!QFileInfo::exists(m_imagePath)) {
        return FileError{FileAction::ReadImage, m_imagePath, systemErrorReason(ENOENT)};
    }
    auto failure = m_image.writeCopy(path, size, '\xFF', FileAction::WriteResizedCopy);
    return failure ? failure : cut;
}

} // namespace chaserom
