#pragma once

#include "app/fileerror.h"

#include <QString>

class QWidget;

namespace chaserom {

class ImageFile;
class PageModel;

/// The code view's buttons that change the image as a whole: copy, invert, reverse, and
/// the resized copy. Each first writes the page back while saving is on; with no image
/// open, or with numbers that are not right, it says so and touches no file. Afterwards
/// the page is read again from the changed file.
class WholeImageCommands {
public:
    /// Prompts and reports open over `parent`.
    WholeImageCommands(PageModel& model, QWidget* parent);

    /// Copies bytes `start` to `end` to the addresses from `destination` on, asking what
    /// to do when the copy passes the end of the image.
    void copy(const QString& start, const QString& end, const QString& destination);
    void invert();
    void reverse();
    /// Writes the image cut or padded with 0xFF to the size typed, beside it.
    void writeResizedCopy(const QString& sizeText);

private:
    /// Whether an image is open and its page written back; reports why not.
    [[nodiscard]] bool ready();
    /// Shows the changed file: the page at the current address, read again.
    void rereadPage();
    void applyToWholeImage(FileFailure (*operation)(ImageFile&, int));

    PageModel& m_model;
    QWidget* m_parent;
};

} // namespace chaserom
