#pragma once

#include "app/fileerror.h"
#include "codeview/imagefile.h"
#include "codeview/lamplighting.h"
#include "codeview/pageaddress.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

namespace chaserom {

/// The open image and its page: 16 rows of hexadecimal text, the working copy of the 16
/// bytes at the page address until the page is written back. The rows take any text
/// typed into them; a page read writes two upper-case digits.
class PageModel : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(PageModel)

public:
    /// Only the first 32767 bytes of an image can be reached.
    static constexpr int MaxImageLength = 32767;

    explicit PageModel(QObject* parent = nullptr);

    [[nodiscard]] bool hasImage() const { return m_image.isOpen(); }
    /// The path of the image last opened, empty before the first.
    [[nodiscard]] const QString& imagePath() const { return m_imagePath; }
    /// The length of the image last opened, capped at 32767; empty before the first.
    [[nodiscard]] std::optional<int> imageLength() const { return m_imageLength; }
    [[nodiscard]] ImageFile& image() { return m_image; }

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

    /// Opens an image: writes the current page back (while saving is on), makes the backup
    /// copy, takes the length, and shows the page at address 0. On failure the image that
    /// was open stays open and nothing changes; the page of an image deleted or replaced
    /// since it was opened is not written anywhere.
    [[nodiscard]] FileFailure openImage(const QString& path);
    /// Writes the page back (while saving is on) and closes the image.
    [[nodiscard]] FileFailure closeImage();

    /// Sets a row's text; ignored for rows past the end of the image.
    void setRowText(int row, const QString& text);
    /// Inverts every bit of a row.
    void invertRow(int row);
    /// Inverts bit 7 - column of a row, column 0 being the most significant bit.
    void invertBit(int row, int column);

    /// Writes the rows that hold image bytes at the page address, while saving is on.
    [[nodiscard]] FileFailure writeBack();
    /// Writes the page back, then reads the page at `address`. With no image open nothing
    /// happens; when the write-back fails the page stays where it is.
    [[nodiscard]] FileFailure movePage(int address);
    /// Reads the page at `address` into the rows and makes it the page address.
    [[nodiscard]] FileFailure readPage(int address);

signals:
    /// A row's text changed.
    void rowChanged(int row);
    /// One or more rows changed, once for all the rows a page read changed.
    void rowsChanged();
    void pageMoved(int address);
    void imageChanged();

private:
    ImageFile m_image;
    QString m_imagePath;
    std::optional<int> m_imageLength;
    int m_pageAddress = 0;
    bool m_pageRead = false;
    int m_editableRows = PageRowCount;
    bool m_saveEnabled = false;
    std::array<QString, PageRowCount> m_rows;
};

} // namespace chaserom
