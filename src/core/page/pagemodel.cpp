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
    const QString backupPath = backupPathFor(path);
    // The backup may replace the backup of the image open now, never that image itself. It
    // replaces a link at its name, so the name is what must not be the image.
    if (auto failure = m_protectedFiles.checkLinkReplacingTarget(
            backupPath, FileAction::Backup, {path}, ProtectedFiles::Role::Backup)) {
        return failure;
    }
    if (auto failure = next.writeCopy(backupPath, size, 0, FileAction::Backup,
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
    m_protectedFiles.set(ProtectedFiles::Role::Image, path, m_image.identity());
    m_protectedFiles.set(ProtectedFiles::Role::Backup, backupPath);
    m_imageLength = length;
    m_pageRead = false;
    m_editableRows = 0;
    m_history.clear();
    emit historyChanged();
    emit openedImageChanged();
    showPage(0, firstPage);
    return cut;
}

FileFailure PageModel::closeImage() {
    auto failure = writeBack();
    m_image.close();
    m_protectedFiles.set(ProtectedFiles::Role::Image, QString());
    m_protectedFiles.set(ProtectedFiles::Role::Backup, QString());
    m_history.clear();
    emit historyChanged();
    emit openedImageChanged();
    return failure;
}

void PageModel::setRowText(int row, const QString& text) {
    editRow(row, text, RowEditKind::Typed,
            QStringLiteral("правка байта %1").arg(m_pageAddress + row));
}

void PageModel::invertRow(int row) {
    editRow(row, byteToHex(255 - rowValue(row)), RowEditKind::ByteInverted,
            QStringLiteral("инверсия байта %1").arg(m_pageAddress + row));
}

void PageModel::invertBit(int row, int column) {
    const int bit = 7 - column;
    editRow(row, Inv(rowValue(row), bit), RowEditKind::BitInverted,
            QStringLiteral("инверсия бита %1 байта %2").arg(bit).arg(m_pageAddress + row));
}

void PageModel::endTyping() {
    m_history.endTyping();
}

void PageModel::editRow(int row, const QString& text, RowEditKind kind, const QString& label) {
    if (!rowEditable(row) || m_rows.at(row) == text) {
        return;
    }
    const QString before = m_rows.at(row);
    showRowText(row, text);
    if (!hasImage()) {
        return; // rows with no image open are no change to an image
    }
    const qint64 address = m_pageAddress + row;
    if (kind != RowEditKind::Typed || !m_history.mergeTyping(address, text)) {
        HistoryStep step;
        step.kind = HistoryStep::Kind::RowEdit;
        step.label = label;
        step.address = address;
        step.textBefore = before;
        step.textAfter = text;
        step.typing = kind == RowEditKind::Typed;
        m_history.push(std::move(step));
    }
    emit historyChanged();
}

void PageModel::showRowText(int row, const QString& text) {
    if (m_rows.at(row) == text) {
        return;
    }
    m_rows[row] = text;
    emit rowChanged(row);
    emit rowsChanged();
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
        if (m_history.markWritten(m_pageAddress, m_pageAddress + fitting)) {
            emit historyChanged();
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
    // Edits the page alone held are gone with it, and so are undone ones.
    if (m_history.dropUnwritten()) {
        emit historyChanged();
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
}

FileFailure PageModel::changeBytes(qint64 address, QByteArrayView after, qint64 lengthAfter,
                                   ImageChange* made, const QByteArray* before) {
    ImageChange change;
    change.address = address;
    change.lengthBefore = m_image.size();
    if (before) {
        change.before = *before;
    } else if (auto failure = m_image.read(address, after.size(), change.before)) {
        return failure;
    }
    auto failure = m_image.write(address, after);
    if (!failure && lengthAfter != m_image.size()) {
        failure = m_image.resize(lengthAfter);
    }
    if (failure) {
        return putBack(change, address + std::max<qint64>(after.size(), change.before.size()),
                       *failure, made);
    }
    change.after = after.toByteArray();
    change.lengthAfter = m_image.size();
    if (!change.changesNothing()) {
        emit imageEdited(change);
    }
    if (made) {
        *made = std::move(change);
    }
    return std::nullopt;
}

bool PageModel::fileHoldsBefore(const ImageChange& change) {
    QByteArray held;
    return m_image.size() == change.lengthBefore &&
           !m_image.read(change.address, change.before.size(), held) && held == change.before;
}

FileError PageModel::putBack(const ImageChange& change, qint64 changedEnd, FileError failure,
                             ImageChange* made) {
    if (fileHoldsBefore(change)) {
        return failure;
    }
    // The old bytes were read to record the step; writing them over what the failed write
    // left needs no new room, and cutting the file frees what it had grown by. A write past a
    // file-size limit fails again where the first one stopped, so what counts is what the
    // file holds afterwards.
    auto restore = m_image.write(change.address, change.before);
    if (m_image.size() != change.lengthBefore) {
        const auto cut = m_image.resize(change.lengthBefore);
        restore = restore ? restore : cut;
    }
    if (fileHoldsBefore(change)) {
        failure.reason += QStringLiteral("; прежние байты и длина файла восстановлены");
        return failure;
    }
    ImageChange left = change;
    left.lengthAfter = m_image.size();
    const qint64 end = std::min(changedEnd, std::max<qint64>(left.lengthAfter, 0));
    QByteArray now;
    if (m_image.read(change.address, std::max<qint64>(0, end - change.address), now)) {
        now.clear();
    }
    left.after = now;
    qint64 first = 0;
    const qint64 common = std::min(left.before.size(), left.after.size());
    while (first < common && left.before[first] == left.after[first]) {
        ++first;
    }
    const QString why = restore ? restore->reason : QStringLiteral("неизвестная ошибка");
    failure.reason +=
        QStringLiteral("; вернуть прежнее не удалось (%1): байты с %2 по %3 могут быть уже "
                       "новыми, остальные прежние, длина файла %4 байт (была %5)")
            .arg(why)
            .arg(change.address + first)
            .arg(std::max(change.address + first, end - 1))
            .arg(left.lengthAfter)
            .arg(change.lengthBefore);
    if (!left.changesNothing()) {
        emit imageEdited(left);
    }
    if (made) {
        *made = std::move(left);
    }
    return failure;
}

template <typename Operation>
FileFailure PageModel::changeWholeImage(const QString& label, Operation operation) {
    if (!hasImage()) {
        return std::nullopt;
    }
    FileFailure cut;
    if (!writeBackFirst(cut)) {
        return cut;
    } // Edits the page alone held are dropped by the operation: they leave the history
    // before its step comes.
    if (m_history.dropUnwritten()) {
        emit historyChanged();
    }
    ImageChange made;
    const FileFailure failure = operation(made);
    if (!made.changesNothing()) {
        HistoryStep step;
        step.kind = HistoryStep::Kind::FileChange;
        step.label = label;
        step.change = std::move(made);
        m_history.push(std::move(step));
        emit historyChanged();
    }
    // The rows show the changed file, also after a failure part-way.
    const FileFailure reread = readPage(m_pageAddress);
    return failure ? failure : reread ? reread : cut;
}

FileFailure PageModel::copy(const CopyRange& range, Overflow answer) {
    const QString label = QStringLiteral("копирование %1–%2 в %3")
                              .arg(range.start)
                              .arg(range.end)
                              .arg(range.destination);
    return changeWholeImage(label,
                            [&](ImageChange& made) { return copyInFile(range, answer, made); });
}

FileFailure PageModel::invert() {
    const QString label = QStringLiteral("инверсия 0–%1").arg(m_imageLength.value_or(0) - 1);
    return changeWholeImage(
        label, [this](ImageChange& made) { return transformImageStart(invertBytes, made); });
}

FileFailure PageModel::reverse() {
    const QString label = QStringLiteral("перестановка 0–%1").arg(m_imageLength.value_or(0) - 1);
    return changeWholeImage(
        label, [this](ImageChange& made) { return transformImageStart(reverseBytes, made); });
}

FileFailure PageModel::copyInFile(const CopyRange& range, Overflow answer, ImageChange& made) {
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
    const qint64 writeOffset = plan->writeStart - plan->regionStart;
    const qint64 writeCount = plan->writeEnd - plan->writeStart;
    const QByteArray before = region.mid(writeOffset, writeCount);
    applyCopy(*plan, region);
    const QByteArrayView written = QByteArrayView(region).sliced(writeOffset, writeCount);
    return changeBytes(plan->writeStart, written, std::max(fileSize, plan->writeEnd), &made,
                       &before);
}

FileFailure PageModel::transformImageStart(void (*transform)(QByteArray&), ImageChange& made) {
    // Bytes past the image length (in a file longer than 32767 bytes) stay as they are.
    QByteArray bytes;
    if (auto failure = m_image.read(0, m_imageLength.value_or(0), bytes)) {
        return failure;
    }
    const QByteArray before = bytes;
    transform(bytes);
    return changeBytes(0, bytes, m_image.size(), &made, &before);
}

FileFailure PageModel::transformImage(const QString& label,
                                      const std::function<void(QByteArray&)>& transform) {
    return changeWholeImage(label, [&](ImageChange& made) -> FileFailure {
        QByteArray bytes;
        if (auto failure = readImageBytes(bytes)) {
            return failure;
        }
        QByteArray changed = bytes;
        transform(changed);
        // The length stays: what a transform cut off is kept as it was, what it added is
        // dropped.
        if (changed.size() < bytes.size()) {
            changed.append(QByteArrayView(bytes).sliced(changed.size()));
        }
        changed.truncate(bytes.size());
        // Only the span from the first to the last byte that changed is written and kept.
        qsizetype first = 0;
        while (first < bytes.size() && bytes[first] == changed[first]) {
            ++first;
        }
        qsizetype end = bytes.size();
        while (end > first && bytes[end - 1] == changed[end - 1]) {
            --end;
        }
        if (first == end) {
            return std::nullopt;
        }
        const QByteArray before = bytes.mid(first, end - first);
        return changeBytes(first, QByteArrayView(changed).sliced(first, end - first),
                           m_image.size(), &made, &before);
    });
}

FileFailure PageModel::readImageBytes(QByteArray& bytes) {
    bytes.clear();
    if (!hasImage()) {
        return std::nullopt;
    }
    return m_image.read(0, m_imageLength.value_or(0), bytes);
}

QString PageModel::undoLabel() const {
    return canUndo() ? m_history.undoStep().label : QString();
}

QString PageModel::redoLabel() const {
    return canRedo() ? m_history.redoStep().label : QString();
}

FileFailure PageModel::undo() {
    return walkHistory(true);
}

FileFailure PageModel::redo() {
    return walkHistory(false);
}

FileFailure PageModel::walkHistory(bool undoing) {
    if (!hasImage() || !(undoing ? canUndo() : canRedo())) {
        return std::nullopt;
    }
    const HistoryStep step = undoing ? m_history.undoStep() : m_history.redoStep();
    ImageChange left;
    FileFailure failure = step.kind == HistoryStep::Kind::RowEdit
                              ? applyRowEdit(step, undoing, left)
                              : applyFileChange(step, undoing, left);
    if (failure) {
        // A step that could neither be made nor taken back whole left the file in a state no
        // step describes: the history would only lie about it from now on.
        if (!left.changesNothing()) {
            m_history.clear();
            emit historyChanged();
            failure->reason += QStringLiteral("; история правок очищена");
        }
        return failure;
    }
    if (undoing) {
        m_history.stepUndone();
    } else {
        m_history.stepRedone();
    }
    emit historyChanged();
    return std::nullopt;
}

namespace {

FileError changedOutside(const QString& path, bool undoing) {
    return {undoing ? FileAction::UndoStep : FileAction::RedoStep, path,
            QStringLiteral("файл изменила другая программа после этого шага; ничего не "
                           "изменено")};
}

} // namespace

FileFailure PageModel::applyRowEdit(const HistoryStep& step, bool undoing, ImageChange& left) {
    const QString& now = undoing ? step.textAfter : step.textBefore;
    const QString& then = undoing ? step.textBefore : step.textAfter;
    if (step.written) {
        QByteArray held;
        if (auto failure = m_image.read(step.address, 1, held)) {
            return failure;
        }
        if (held.size() != 1 || static_cast<quint8>(held[0]) != HexToDec(now)) {
            return changedOutside(m_imagePath, undoing);
        }
        const char byte = static_cast<char>(HexToDec(then));
        if (auto failure =
                changeBytes(step.address, QByteArrayView(&byte, 1), m_image.size(), &left)) {
            return failure;
        }
    }
    const qint64 row = step.address - m_pageAddress;
    if (row >= 0 && row < m_editableRows) {
        showRowText(static_cast<int>(row), then);
    }
    return std::nullopt;
}

FileFailure PageModel::applyFileChange(const HistoryStep& step, bool undoing, ImageChange& left) {
    const ImageChange& change = step.change;
    const QByteArray& now = undoing ? change.after : change.before;
    const QByteArray& then = undoing ? change.before : change.after;
    QByteArray held;
    if (auto failure = m_image.read(change.address, change.after.size(), held)) {
        return failure;
    }
    if (m_image.size() != (undoing ? change.lengthAfter : change.lengthBefore) || held != now) {
        return changedOutside(m_imagePath, undoing);
    }
    if (auto failure = changeBytes(change.address, then,
                                   undoing ? change.lengthBefore : change.lengthAfter, &left)) {
        return failure;
    }
    return showFileBytes(change.address, change.after.size());
}

FileFailure PageModel::showFileBytes(qint64 address, qint64 count) {
    QByteArray bytes;
    if (auto failure = m_image.read(m_pageAddress, m_editableRows, bytes)) {
        return failure;
    }
    for (int row = 0; row < bytes.size(); ++row) {
        const qint64 at = m_pageAddress + row;
        if (at >= address && at < address + count) {
            showRowText(row, byteToHex(static_cast<quint8>(bytes[row])));
        }
    }
    return std::nullopt;
}

FileFailure PageModel::writeResizedCopy(qint64 size, const QString& path) {
    if (!hasImage()) {
        return std::nullopt;
    }
    if (auto failure = m_protectedFiles.checkTarget(path, FileAction::WriteResizedCopy)) {
        return failure;
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
