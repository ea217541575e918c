#include "core/image/imagedocument.h"

#include "core/image/copynaming.h"
#include "core/image/imagecompare.h"
#include "core/image/imagepage.h"
#include "core/page/hextext.h"

#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <utility>

namespace chaserom {

namespace {

FileError changedOutside(const QString& path, bool undoing) {
    return {undoing ? FileAction::UndoStep : FileAction::RedoStep, path,
            ImageDocument::tr("файл изменила другая программа после этого шага; ничего не "
                              "изменено")};
}

} // namespace

ImageDocument::ImageDocument(QObject* parent)
    : QObject(parent) {}

FileFailure ImageDocument::open(const QString& path, ImageFile::WhenLocked whenLocked) {
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
    const QString backupPath = backupPathFor(path);
    // The backup may replace the backup of the image open now, never that image itself. It
    // replaces a link at its name, so the name is what must not be the image.
    if (auto failure = m_protectedFiles.checkLinkReplacingTarget(
            backupPath, FileAction::Backup, {path}, ProtectedFiles::Role::Backup)) {
        return failure;
    }
    if (auto failure = next.writeCopy(backupPath, next.size(), 0, FileAction::Backup,
                                      ImageFile::CopyAtLink::ReplaceLink)) {
        return failure;
    }
    m_image = std::move(next);
    if (reopening) {
        m_image.takeLock();
    }
    m_path = path;
    m_protectedFiles.set(ProtectedFiles::Role::Image, path, m_image.identity());
    m_protectedFiles.set(ProtectedFiles::Role::Backup, backupPath);
    m_history.clear();
    if (m_page) {
        m_page->imageOpening(m_image.size());
    }
    emit historyChanged();
    emit openedImageChanged();
    if (m_page) {
        if (auto failure = m_page->showOpenedImage()) {
            return failure;
        }
    }
    return cut;
}

FileFailure ImageDocument::close() {
    auto failure = m_page ? m_page->writeBackBeforeChange() : FileFailure();
    m_image.close();
    m_protectedFiles.set(ProtectedFiles::Role::Image, QString());
    m_protectedFiles.set(ProtectedFiles::Role::Backup, QString());
    m_history.clear();
    emit historyChanged();
    emit openedImageChanged();
    return failure;
}

FileResult<QByteArray> ImageDocument::read(qint64 address, qint64 count) {
    return m_image.read(address, count);
}

bool ImageDocument::writeBackFirst(FileFailure& report) {
    report = m_page ? m_page->writeBackBeforeChange() : FileFailure();
    return !stopsChange(report);
}

FileFailure ImageDocument::changeBytes(qint64 address, QByteArrayView after, qint64 lengthAfter,
                                       ImageChange* made, const QByteArray* before) {
    ImageChange change;
    change.address = address;
    change.lengthBefore = m_image.size();
    if (before) {
        change.before = *before;
    } else if (auto held = m_image.read(address, after.size())) {
        change.before = std::move(*held);
    } else {
        return held.failure();
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

bool ImageDocument::fileHoldsBefore(const ImageChange& change) {
    if (m_image.size() != change.lengthBefore) {
        return false;
    }
    const auto held = m_image.read(change.address, change.before.size());
    return held && *held == change.before;
}

FileError ImageDocument::putBack(const ImageChange& change, qint64 changedEnd, FileError failure,
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
        failure.reason += tr("; прежние байты и длина файла восстановлены");
        return failure;
    }
    ImageChange left = change;
    left.lengthAfter = m_image.size();
    const qint64 end = std::min(changedEnd, std::max<qint64>(left.lengthAfter, 0));
    left.after = m_image.read(change.address, std::max<qint64>(0, end - change.address))
                     .value()
                     .value_or(QByteArray());
    qint64 first = 0;
    const qint64 common = std::min(left.before.size(), left.after.size());
    while (first < common && left.before[first] == left.after[first]) {
        ++first;
    }
    const QString why = restore ? restore->reason : tr("неизвестная ошибка");
    failure.reason += tr("; вернуть прежнее не удалось (%1): байты с %2 по %3 могут быть уже "
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

FileFailure
ImageDocument::changeWholeImage(const QString& label,
                                const std::function<FileFailure(ImageChange&)>& operation) {
    if (!hasImage()) {
        return std::nullopt;
    }
    FileFailure cut;
    if (!writeBackFirst(cut)) {
        return cut;
    }
    // Edits the page alone held are dropped by the operation: they leave the history before
    // its step comes.
    dropPageOnlyEdits();
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
    // The page shows the changed file, also after a failure part-way.
    const FileFailure reread = m_page ? m_page->readAgain() : FileFailure();
    return failure ? failure : reread ? reread : cut;
}

FileFailure ImageDocument::copy(const CopyRange& range, Overflow answer, int length) {
    const QString label =
        tr("копирование %1–%2 в %3").arg(range.start).arg(range.end).arg(range.destination);
    return changeWholeImage(
        label, [&](ImageChange& made) { return copyInFile(range, answer, length, made); });
}

FileFailure ImageDocument::invert(qint64 length) {
    return changeWholeImage(tr("инверсия 0–%1").arg(length - 1), [&](ImageChange& made) {
        return transformStart(length, invertBytes, made);
    });
}

FileFailure ImageDocument::reverse(qint64 length) {
    return changeWholeImage(tr("перестановка 0–%1").arg(length - 1), [&](ImageChange& made) {
        return transformStart(length, reverseBytes, made);
    });
}

FileFailure ImageDocument::copyInFile(const CopyRange& range, Overflow answer, int length,
                                      ImageChange& made) {
    const qint64 fileSize = m_image.size();
    const auto plan = planCopy(range, length, answer, fileSize);
    if (!plan) {
        return std::nullopt;
    }
    auto read = m_image.read(plan->regionStart, plan->regionEnd - plan->regionStart);
    if (!read) {
        return read.failure();
    }
    QByteArray& region = *read;
    const qint64 writeOffset = plan->writeStart - plan->regionStart;
    const qint64 writeCount = plan->writeEnd - plan->writeStart;
    const QByteArray before = region.mid(writeOffset, writeCount);
    applyCopy(*plan, region);
    const QByteArrayView written = QByteArrayView(region).sliced(writeOffset, writeCount);
    return changeBytes(plan->writeStart, written, std::max(fileSize, plan->writeEnd), &made,
                       &before);
}

FileFailure ImageDocument::transformStart(qint64 length, void (*transform)(QByteArray&),
                                          ImageChange& made) {
    // Bytes past `length` stay as they are.
    auto read = m_image.read(0, length);
    if (!read) {
        return read.failure();
    }
    QByteArray& bytes = *read;
    const QByteArray before = bytes;
    transform(bytes);
    return changeBytes(0, bytes, m_image.size(), &made, &before);
}

FileFailure ImageDocument::transform(const QString& label, qint64 length,
                                     const std::function<void(QByteArray&)>& transform) {
    return changeWholeImage(label, [&](ImageChange& made) -> FileFailure {
        const auto read = m_image.read(0, length);
        if (!read) {
            return read.failure();
        }
        const QByteArray& bytes = *read;
        QByteArray changed = bytes;
        transform(changed);
        // The length stays: what a transform cut off is kept as it was, what it added is
        // dropped.
        if (changed.size() < bytes.size()) {
            changed.append(QByteArrayView(bytes).sliced(changed.size()));
        }
        changed.truncate(bytes.size());
        // Only the span from the first to the last byte that changed is written and kept.
        const auto span = differingSpan(bytes, changed);
        if (!span) {
            return std::nullopt;
        }
        const qint64 count = span->last - span->first + 1;
        const QByteArray before = bytes.mid(span->first, count);
        return changeBytes(span->first, QByteArrayView(changed).sliced(span->first, count),
                           m_image.size(), &made, &before);
    });
}

FileFailure ImageDocument::writeResizedCopy(qint64 size, const QString& target) {
    FileFailure cut;
    auto failure = writeCopyAfterWriteBack(target, size, '\xFF', FileAction::WriteResizedCopy, cut);
    return failure ? failure : cut;
}

FileFailure ImageDocument::saveAs(const QString& target) {
    if (!hasImage()) {
        return std::nullopt;
    }
    FileFailure cut;
    if (auto failure =
            writeCopyAfterWriteBack(target, m_image.size(), 0, FileAction::WriteImageCopy, cut)) {
        return failure;
    }
    auto failure = open(target);
    return failure ? failure : cut;
}

FileFailure ImageDocument::writeCopyAfterWriteBack(const QString& target, qint64 size, char fill,
                                                   FileAction action, FileFailure& cut) {
    if (!hasImage()) {
        return std::nullopt;
    }
    if (auto failure = m_protectedFiles.checkTarget(target, action)) {
        return failure;
    }
    if (!writeBackFirst(cut)) {
        return std::exchange(cut, std::nullopt);
    }
    if (!QFileInfo::exists(m_path)) {
        return FileError{FileAction::ReadImage, m_path, systemErrorReason(ENOENT)};
    }
    return m_image.writeCopy(target, size, fill, action);
}

QString ImageDocument::undoLabel() const {
    return canUndo() ? m_history.undoStep().label : QString();
}

QString ImageDocument::redoLabel() const {
    return canRedo() ? m_history.redoStep().label : QString();
}

FileFailure ImageDocument::undo() {
    return walkHistory(true);
}

FileFailure ImageDocument::redo() {
    return walkHistory(false);
}

FileFailure ImageDocument::walkHistory(bool undoing) {
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
            failure->reason += tr("; история правок очищена");
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

FileFailure ImageDocument::applyRowEdit(const HistoryStep& step, bool undoing, ImageChange& left) {
    const QString& now = undoing ? step.textAfter : step.textBefore;
    const QString& then = undoing ? step.textBefore : step.textAfter;
    if (step.written) {
        const auto held = m_image.read(step.address, 1);
        if (!held) {
            return held.failure();
        }
        if (held->size() != 1 || static_cast<quint8>(held->at(0)) != HexToDec(now)) {
            return changedOutside(m_path, undoing);
        }
        const char byte = static_cast<char>(HexToDec(then));
        if (auto failure =
                changeBytes(step.address, QByteArrayView(&byte, 1), m_image.size(), &left)) {
            return failure;
        }
    }
    if (m_page) {
        m_page->showRowText(step.address, then);
    }
    return std::nullopt;
}

FileFailure ImageDocument::applyFileChange(const HistoryStep& step, bool undoing,
                                           ImageChange& left) {
    const ImageChange& change = step.change;
    const QByteArray& now = undoing ? change.after : change.before;
    const QByteArray& then = undoing ? change.before : change.after;
    const auto held = m_image.read(change.address, change.after.size());
    if (!held) {
        return held.failure();
    }
    if (m_image.size() != (undoing ? change.lengthAfter : change.lengthBefore) || *held != now) {
        return changedOutside(m_path, undoing);
    }
    if (auto failure = changeBytes(change.address, then,
                                   undoing ? change.lengthBefore : change.lengthAfter, &left)) {
        return failure;
    }
    return m_page ? m_page->showFileBytes(change.address, change.after.size()) : FileFailure();
}

void ImageDocument::addRowEdit(HistoryStep step) {
    m_history.push(std::move(step));
    emit historyChanged();
}

bool ImageDocument::joinTyping(qint64 address, const QString& textAfter) {
    if (!m_history.mergeTyping(address, textAfter)) {
        return false;
    }
    emit historyChanged();
    return true;
}

void ImageDocument::markWritten(qint64 from, qint64 to) {
    if (m_history.markWritten(from, to)) {
        emit historyChanged();
    }
}

void ImageDocument::dropPageOnlyEdits() {
    if (m_history.dropUnwritten()) {
        emit historyChanged();
    }
}

} // namespace chaserom
