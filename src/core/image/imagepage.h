#pragma once

#include "core/files/fileerror.h"

#include <QString>
#include <QtGlobal>

namespace chaserom {

/// What an image document asks of a page that holds edits ahead of the file (the code
/// view's rows): to write them back before the document changes, and to show the file
/// again after it changed.
class ImagePage {
public:
    virtual ~ImagePage() = default;

    /// Writes the page's edits back, before a change of the image or another image. A
    /// failure that is only a warning (Severity::Warning) lets the change go on.
    [[nodiscard]] virtual FileFailure writeBackBeforeChange() = 0;
    /// An image of `length` bytes was opened; those who follow the document learn of it next.
    virtual void imageOpening(qint64 length) = 0;
    /// The image was opened and made known: the page shows its first bytes.
    [[nodiscard]] virtual FileFailure showOpenedImage() = 0;
    /// A whole-image change is done: the page reads its bytes again where it stands.
    [[nodiscard]] virtual FileFailure readAgain() = 0;
    /// The file's bytes from `address` to address + count - 1 changed by undo or redo: the
    /// page shows those of them that lie on it.
    [[nodiscard]] virtual FileFailure showFileBytes(qint64 address, qint64 count) = 0;
    /// A row edit was undone or redone: the row at `address`, if on the page, shows `text`.
    virtual void showRowText(qint64 address, const QString& text) = 0;

protected:
    ImagePage() = default;
    ImagePage(const ImagePage&) = default;
    ImagePage& operator=(const ImagePage&) = default;
};

/// Whether a failure before a change must stop it: every error, but not a warning (a page
/// write-back cut short by another program), which is reported and lets it go on.
[[nodiscard]] inline bool stopsChange(const FileFailure& failure) {
    return failure && failure->severity == Severity::Error;
}

} // namespace chaserom
