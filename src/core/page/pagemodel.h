#pragma once

#include "core/files/fileerror.h"
#include "core/files/protectedfiles.h"
#include "core/history/imagehistory.h"
#include "core/image/imagechange.h"
#include "core/image/imagefile.h"
#include "core/image/imageoperations.h"
#include "core/page/lamplighting.h"
#include "core/page/pageaddress.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace chaserom {

/// The open image and its page: 16 rows of hexadecimal text, the working copy of the 16
/// bytes at the page address until the page is written back. The rows take any text
/// typed into them; a page read writes two upper-case digits.
///
/// Every change to the image's bytes or length passes through one door, changeBytes(),
/// which reports it with imageEdited(): page write-backs, copy, invert, reverse, undo and
/// redo. Every change the user makes (a row edit, a whole-image operation) is a step of the
/// image's history, which undo() and redo() walk.
class PageModel : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(PageModel)

public:
    explicit PageModel(QObject* parent = nullptr);

    [[nodiscard]] bool hasImage() const { return m_image.isOpen(); }
    /// The path of the image last opened, empty before the first.
    [[nodiscard]] const QString& imagePath() const { return m_imagePath; }
    /// The length of the image last opened, capped at 32767; empty before the first.
    [[nodiscard]] std::optional<int> imageLength() const { return m_imageLength; }
    /// The file's length in bytes now, or -1 with no image open.
    [[nodiscard]] qint64 fileLength() const { return m_image.size(); }
    /// A failure of `action` when the image's path no longer names the file that was
    /// opened (deleted or replaced since), as a write-back reports it.
    [[nodiscard]] FileFailure checkImageStillOnDisk(FileAction action) const {
        return m_image.checkStillOnDisk(action);
    }

    /// The files no write may land on: the open image and its backup, kept here as images
    /// open and close, and the inputs the windows register.
    [[nodiscard]] ProtectedFiles& protectedFiles() { return m_protectedFiles; }
    [[nodiscard]] const ProtectedFiles& protectedFiles() const { return m_protectedFiles; }

    /// Address of row 0.
    [[nodiscard]] int pageAddress() const { return m_pageAddress; }
    /// Whether a page has been read yet (the page address is shown only then).
    [[nodiscard]] bool pageRead() const { return m_pageRead; }
    [[nodiscard]] const QString& rowText(int row) const { return m_rows.at(row); }
    /// The byte a write-back would store for the row.
    [[nodiscard]] int rowValue(int row) const;
    /// The bytes of all rows, as the lamps show them.
    [[nodiscard]] PageBytes pageBytes() const;
    /// Whether the row holds a byte of the image (or no image is open); rows past the end
    /// of the image are empty and cannot be edited.
    [[nodiscard]] bool rowEditable(int row) const { return row < m_editableRows; }

    /// The write-back switch: while on, page moves write the page back first.
    void setSaveEnabled(bool enabled) { m_saveEnabled = enabled; }
    [[nodiscard]] bool saveEnabled() const { return m_saveEnabled; }

    /// Opens an image: writes the current page back (while saving is on), makes the backup
    /// copy, takes the length, and shows the page at address 0. On failure the image that
    /// was open stays open and nothing changes; the page of an image deleted or replaced
    /// since it was opened is not written anywhere.
    /// An image another copy of the program holds open is refused with
    /// FileAction::OpenLockedImage unless `whenLocked` says to open it anyway.
    [[nodiscard]] FileFailure
    openImage(const QString& path,
              ImageFile::WhenLocked whenLocked = ImageFile::WhenLocked::Refuse);
    /// Writes the page back (while saving is on) and closes the image.
    [[nodiscard]] FileFailure closeImage();

    /// Sets a row's text as typed; ignored for rows past the end of the image. What is typed
    /// into one row joins one step of the history until endTyping().
    void setRowText(int row, const QString& text);
    /// Inverts every bit of a row.
    void invertRow(int row);
    /// Inverts bit 7 - column of a row, column 0 being the most significant bit.
    void invertBit(int row, int column);
    /// The typing into a row has ended (the row lost the focus).
    void endTyping();

    /// The history: whether a step can be undone or redone, and what it did ("инверсия
    /// 0–255"); empty when there is none.
    [[nodiscard]] bool canUndo() const { return m_history.canUndo(); }
    [[nodiscard]] bool canRedo() const { return m_history.canRedo(); }
    [[nodiscard]] QString undoLabel() const;
    [[nodiscard]] QString redoLabel() const;
    [[nodiscard]] const ImageHistory& history() const { return m_history; }
    /// Takes back the last step done, or makes the last step undone again: the page (where
    /// the step falls inside it) and, for a step that had reached the file, the file's
    /// bytes and length, written at once. The page does not move. A file changed by another
    /// program since is refused, and nothing changes.
    [[nodiscard]] FileFailure undo();
    [[nodiscard]] FileFailure redo();

    /// Writes the rows that hold image bytes at the page address, while saving is on. Rows
    /// past the end of a file that became shorter are not written; that is reported with
    /// FileAction::WriteBackCut, and does not stop a page move or anything else that
    /// writes the page back first.
    [[nodiscard]] FileFailure writeBack();
    /// Writes the page back, then reads the page at `address`. With no image open nothing
    /// happens; when the write-back fails the page stays where it is.
    [[nodiscard]] FileFailure movePage(int address);
    /// Reads the page at `address` into the rows and makes it the page address.
    [[nodiscard]] FileFailure readPage(int address);

    /// The whole-image operations. Each writes the page back first (while saving is on),
    /// changes the file, and reads the page again at its address, edits not written back
    /// being dropped. With no image open nothing happens.
    /// Copies `range` as a byte-at-a-time upward copy does; `answer` says what to do when
    /// it passes the end of the image.
    [[nodiscard]] FileFailure copy(const CopyRange& range, Overflow answer);
    /// Inverts bytes 0 to length - 1.
    [[nodiscard]] FileFailure invert();
    /// Reverses the order of bytes 0 to length - 1.
    [[nodiscard]] FileFailure reverse(); /// A whole-image change of any kind: writes the page back
                                         /// first (while saving is on),
    /// hands the image's bytes 0 to length - 1 to `transform`, writes what it changed (never
    /// the length) and reads the page again. One step of the history, named `label`.
    [[nodiscard]] FileFailure transformImage(const QString& label,
                                             const std::function<void(QByteArray&)>& transform);
    /// The image's bytes 0 to length - 1 as the file holds them now.
    [[nodiscard]] FileFailure readImageBytes(QByteArray& bytes);

    /// Writes the page back (while saving is on), then writes the first `size` bytes of the
    /// image to `path`, padded with 0xFF, replacing that file atomically. The image stays
    /// open.
    [[nodiscard]] FileFailure writeResizedCopy(qint64 size, const QString& path);

signals:
    /// A row's text changed.
    void rowChanged(int row);
    /// One or more rows changed, once for all the rows a page read changed.
    void rowsChanged();
    void pageMoved(int address);
    /// An image was opened or closed.
    void openedImageChanged();
    /// Bytes or the length of the open image changed in the file.
    void imageEdited(const ImageChange& change);
    /// A step was added to the history, undone, redone or dropped.
    void historyChanged();

private:
    /// Writes the page back before something else; false when that must not go on. A
    /// write-back cut short is left in `report` and lets it go on.
    [[nodiscard]] bool writeBackFirst(FileFailure& report);
    /// Shows `bytes`, read at `address`, in the rows.
    void showPage(int address, const QByteArray& bytes);
    /// How a row's text was changed by the user.
    enum class RowEditKind {
        Typed,
        ByteInverted,
        BitInverted
    }; /// The door for every change to the file: writes `after` from `address` on, then sets
    /// the file's length to `lengthAfter`, and reports the change (also in `made`). A caller
    /// that has just read the bytes there passes them as `before`, sparing a second read.
    [[nodiscard]] FileFailure changeBytes(qint64 address, QByteArrayView after, qint64 lengthAfter,
                                          ImageChange* made = nullptr,
                                          const QByteArray* before = nullptr);
    /// Writes the page back, runs `operation`, makes what it changed one step of the
    /// history, and reads the page again.
    /// Whether the file holds what it held before `change`: its length and old bytes.
    [[nodiscard]] bool fileHoldsBefore(const ImageChange& change);
    /// Undoes a change that failed part-way, or tells exactly what it left behind.
    [[nodiscard]] FileError putBack(const ImageChange& change, qint64 changedEnd, FileError failure,
                                    ImageChange* made);
    template <typename Operation>
    [[nodiscard]] FileFailure changeWholeImage(const QString& label, Operation operation);
    [[nodiscard]] FileFailure copyInFile(const CopyRange& range, Overflow answer,
                                         ImageChange& made);
    [[nodiscard]] FileFailure transformImageStart(void (*transform)(QByteArray&),
                                                  ImageChange& made);
    /// A row edit by the user, a step of the history.
    void editRow(int row, const QString& text, RowEditKind kind, const QString& label);
    /// Shows a text in a row, as a page read does.
    void showRowText(int row, const QString& text);
    /// Walks the history one step back (undoing) or forward.
    [[nodiscard]] FileFailure walkHistory(bool undoing);
    /// Each leaves in `left` what a change that failed part-way left in the file.
    [[nodiscard]] FileFailure applyRowEdit(const HistoryStep& step, bool undoing,
                                           ImageChange& left);
    [[nodiscard]] FileFailure applyFileChange(const HistoryStep& step, bool undoing,
                                              ImageChange& left);
    /// Shows the file's bytes from `address` to address + count - 1 where they fall inside
    /// the page.
    [[nodiscard]] FileFailure showFileBytes(qint64 address, qint64 count);

    ImageFile m_image;
    ProtectedFiles m_protectedFiles;
    QString m_imagePath;
    std::optional<int> m_imageLength;
    int m_pageAddress = 0;
    bool m_pageRead = false;
    int m_editableRows = PageRowCount;
    bool m_saveEnabled = false;
    std::array<QString, PageRowCount> m_rows;
    ImageHistory m_history;
};

} // namespace chaserom
