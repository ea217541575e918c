#pragma once

#include "core/files/fileerror.h"
#include "core/image/imageoperations.h"
#include "core/image/imagepage.h"
#include "core/page/lamplighting.h"
#include "core/page/pageaddress.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

namespace chaserom {

class ImageDocument;

/// The code view's page over the open image: 16 rows of hexadecimal text, the working copy
/// of the 16 bytes at the page address until the page is written back. The rows take any
/// text typed into them; a page read writes two upper-case digits. The page reaches the
/// first 32767 bytes of the image only: its length is capped there.
///
/// Each edit of a row is a step of the document's history; a write-back takes the rows into
/// the file through the document's change door.
class PageRows : public QObject, public ImagePage {
    Q_OBJECT
    Q_DISABLE_COPY(PageRows)

public:
    /// Joins `document` as its page.
    explicit PageRows(ImageDocument& document, QObject* parent = nullptr);
    ~PageRows() override;

    [[nodiscard]] ImageDocument& document() { return m_document; }
    [[nodiscard]] const ImageDocument& document() const { return m_document; }
    [[nodiscard]] bool hasImage() const;
    /// The length of the image last opened, capped at 32767; empty before the first.
    [[nodiscard]] std::optional<int> imageLength() const { return m_imageLength; }

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

    /// Sets a row's text as typed; ignored for rows past the end of the image. What is typed
    /// into one row joins one step of the history until endTyping().
    void setRowText(int row, const QString& text);
    /// Inverts every bit of a row.
    void invertRow(int row);
    /// Inverts bit 7 - column of a row, column 0 being the most significant bit.
    void invertBit(int row, int column);
    /// The typing into a row has ended (the row lost the focus).
    void endTyping();

    /// Writes the rows that hold image bytes at the page address, while saving is on. Rows
    /// past the end of a file that became shorter are not written; that is reported as a
    /// warning (Severity::Warning), and does not stop a page move or anything else that
    /// writes the page back first.
    [[nodiscard]] FileFailure writeBack();
    /// Writes the page back, then reads the page at `address`. With no image open nothing
    /// happens; when the write-back fails the page stays where it is.
    [[nodiscard]] FileFailure movePage(int address);
    /// Reads the page at `address` into the rows and makes it the page address.
    [[nodiscard]] FileFailure readPage(int address);

    /// The code view's whole-image operations, on the page's capped length.
    [[nodiscard]] FileFailure copy(const CopyRange& range, Overflow answer);
    [[nodiscard]] FileFailure invert();
    [[nodiscard]] FileFailure reverse();

    // What the document asks of its page.
    [[nodiscard]] FileFailure writeBackBeforeChange() override { return writeBack(); }
    void imageOpening(qint64 length) override;
    [[nodiscard]] FileFailure showOpenedImage() override;
    [[nodiscard]] FileFailure readAgain() override { return readPage(m_pageAddress); }
    [[nodiscard]] FileFailure showFileBytes(qint64 address, qint64 count) override;
    void showRowText(qint64 address, const QString& text) override;

signals:
    /// A row's text changed.
    void rowChanged(int row);
    /// One or more rows changed, once for all the rows a page read changed.
    void rowsChanged();
    void pageMoved(int address);

private:
    /// How a row's text was changed by the user.
    enum class RowEditKind { Typed, ByteInverted, BitInverted };
    /// A row edit by the user, a step of the history.
    void editRow(int row, const QString& text, RowEditKind kind, const QString& label);
    /// Shows a text in a row, as a page read does.
    void showText(int row, const QString& text);
    /// Shows `bytes`, read at `address`, in the rows.
    void showPage(int address, const QByteArray& bytes);

    ImageDocument& m_document;
    std::optional<int> m_imageLength;
    int m_pageAddress = 0;
    bool m_pageRead = false;
    int m_editableRows = PageRowCount;
    bool m_saveEnabled = false;
    std::array<QString, PageRowCount> m_rows;
};

} // namespace chaserom
