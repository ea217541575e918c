#pragma once

#include "core/files/fileerror.h"
#include "core/files/protectedfiles.h"
#include "core/history/imagehistory.h"
#include "core/image/imagechange.h"
#include "core/image/imagefile.h"
#include "core/image/imageoperations.h"

#include <QObject>
#include <QString>
#include <functional>

namespace chaserom {

class ImagePage;

/// The open image: its file at its whole length, the one door through which every change to
/// its bytes or length passes (reported with imageEdited()), and its history, which undo()
/// and redo() walk. Every change the user makes is a step of the history: a whole-image
/// change here, a row edit of the page (the page adds those).
///
/// A page that holds edits ahead of the file (the code view's rows) joins with setPage():
/// the document has it write back before every change and show the file again after.
class ImageDocument : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(ImageDocument)

public:
    explicit ImageDocument(QObject* parent = nullptr);

    void setPage(ImagePage* page) { m_page = page; }

    [[nodiscard]] bool hasImage() const { return m_image.isOpen(); }
    /// The path of the image last opened, empty before the first.
    [[nodiscard]] const QString& path() const { return m_path; }
    /// The file's whole length in bytes now, or -1 with no image open.
    [[nodiscard]] qint64 length() const { return m_image.size(); }
    /// A failure of `action` when the image's path no longer names the file that was
    /// opened (deleted or replaced since).
    [[nodiscard]] FileFailure checkStillOnDisk(FileAction action) const {
        return m_image.checkStillOnDisk(action);
    }
    /// The files no write may land on: the open image and its backup, kept here as images
    /// open and close, and the inputs the windows register.
    [[nodiscard]] ProtectedFiles& protectedFiles() { return m_protectedFiles; }
    [[nodiscard]] const ProtectedFiles& protectedFiles() const { return m_protectedFiles; }

    /// Opens an image: has the page written back (unless the file under it is gone), makes
    /// the backup copy and lets the page show the start. On failure the image that was open
    /// stays open. An image another copy of the program holds open is refused with
    /// FileAction::OpenLockedImage unless `whenLocked` says to open it anyway.
    [[nodiscard]] FileFailure
    open(const QString& path, ImageFile::WhenLocked whenLocked = ImageFile::WhenLocked::Refuse);
    /// Has the page written back and closes the image.
    [[nodiscard]] FileFailure close();

    /// Up to `count` bytes from `address` as the file holds them now.
    [[nodiscard]] FileResult<QByteArray> read(qint64 address, qint64 count);

    /// The door for every change to the file: writes `after` from `address` on, then sets
    /// the file's length to `lengthAfter`, and reports the change (also in `made`). A caller
    /// that has just read the bytes there passes them as `before`, sparing a second read.
    /// A change that fails part-way puts the old bytes and length back; when even that
    /// fails, `made` holds what the file holds now and the failure says which bytes.
    [[nodiscard]] FileFailure changeBytes(qint64 address, QByteArrayView after, qint64 lengthAfter,
                                          ImageChange* made = nullptr,
                                          const QByteArray* before = nullptr);

    /// The whole-image changes: each has the page written back first, changes the file as
    /// one step of the history, and has the page read again, also after a failure part-way.
    /// Copies `range` of the first `length` bytes as a byte-at-a-time upward copy does;
    /// `answer` says what to do when it passes their end.
    [[nodiscard]] FileFailure copy(const CopyRange& range, Overflow answer, int length);
    /// Inverts, or reverses the order of, bytes 0 to length - 1.
    [[nodiscard]] FileFailure invert(qint64 length);
    [[nodiscard]] FileFailure reverse(qint64 length);
    /// Hands bytes 0 to length - 1 to `transform` and writes what it changed (never the
    /// length), as one step named `label`.
    [[nodiscard]] FileFailure transform(const QString& label, qint64 length,
                                        const std::function<void(QByteArray&)>& transform);

    /// Save as: has the page written back, copies the whole file to `target` atomically and
    /// opens the copy (with its backup, the page at 0), so that later edits go there; the
    /// file that was open is not written again. Refused, before anything is written, onto
    /// the image itself, its backup or any file no write may land on.
    [[nodiscard]] FileFailure saveAs(const QString& target);

    /// Has the page written back, then writes the first `size` bytes of the image to
    /// `target`, padded with 0xFF, replacing that file atomically. The image stays open.
    [[nodiscard]] FileFailure writeResizedCopy(qint64 size, const QString& target);

    /// The history: whether a step can be undone or redone, and what it did ("инверсия
    /// 0–255"); empty when there is none.
    [[nodiscard]] const ImageHistory& history() const { return m_history; }
    [[nodiscard]] bool canUndo() const { return m_history.canUndo(); }
    [[nodiscard]] bool canRedo() const { return m_history.canRedo(); }
    [[nodiscard]] QString undoLabel() const;
    [[nodiscard]] QString redoLabel() const;
    /// Takes back the last step done, or makes the last step undone again: the page (where
    /// the step falls inside it) and, for a step that had reached the file, the file's bytes
    /// and length, written at once. A file changed by another program since is refused, and
    /// nothing changes.
    [[nodiscard]] FileFailure undo();
    [[nodiscard]] FileFailure redo();

    /// The page's own steps: a row edit added, typing into a row joined to the last step
    /// (true when it was), row edits written back at addresses from..to - 1, and every
    /// edit the page alone held dropped when it is read again.
    void addRowEdit(HistoryStep step);
    [[nodiscard]] bool joinTyping(qint64 address, const QString& textAfter);
    void endTyping() { m_history.endTyping(); }
    void markWritten(qint64 from, qint64 to);
    void dropPageOnlyEdits();

signals:
    /// An image was opened or closed.
    void openedImageChanged();
    /// Bytes or the length of the open image changed in the file.
    void imageEdited(const ImageChange& change);
    /// A step was added to the history, undone, redone or dropped.
    void historyChanged();

private:
    /// Has the page write back before a change; false when the change must not go on. A
    /// write-back cut short is left in `report` and lets it go on.
    [[nodiscard]] bool writeBackFirst(FileFailure& report);
    /// Whether the file holds what it held before `change`: its length and old bytes.
    [[nodiscard]] bool fileHoldsBefore(const ImageChange& change);
    /// Has the page written back, then writes the first `size` bytes of the image to `target`
    /// atomically, padded with `fill`; refused onto a file no write may land on. A write-back
    /// cut short is left in `cut` and lets the copy go on.
    [[nodiscard]] FileFailure writeCopyAfterWriteBack(const QString& target, qint64 size, char fill,
                                                      FileAction action, FileFailure& cut);
    /// Undoes a change that failed part-way, or tells exactly what it left behind.
    [[nodiscard]] FileError putBack(const ImageChange& change, qint64 changedEnd, FileError failure,
                                    ImageChange* made);
    /// Writes the page back, runs `operation`, makes what it changed one step of the
    /// history, and has the page read again.
    [[nodiscard]] FileFailure
    changeWholeImage(const QString& label,
                     const std::function<FileFailure(ImageChange&)>& operation);
    [[nodiscard]] FileFailure copyInFile(const CopyRange& range, Overflow answer, int length,
                                         ImageChange& made);
    [[nodiscard]] FileFailure transformStart(qint64 length, void (*transform)(QByteArray&),
                                             ImageChange& made);
    /// Walks the history one step back (undoing) or forward.
    [[nodiscard]] FileFailure walkHistory(bool undoing);
    /// Each leaves in `left` what a change that failed part-way left in the file.
    [[nodiscard]] FileFailure applyRowEdit(const HistoryStep& step, bool undoing,
                                           ImageChange& left);
    [[nodiscard]] FileFailure applyFileChange(const HistoryStep& step, bool undoing,
                                              ImageChange& left);

    ImageFile m_image;
    ProtectedFiles m_protectedFiles;
    QString m_path;
    ImageHistory m_history;
    ImagePage* m_page = nullptr;
};

} // namespace chaserom
