#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace chaserom {

class FailureReports;
class PageRows;

/// The code view's buttons that change the image as a whole: copy, invert, reverse, and
/// the resized copy. They read the numbers typed, ask about a copy past the end of the
/// image, and report what went wrong; the model does the work. With no image open, or
/// with numbers that are not right, they say so and touch no file.
class WholeImageCommands {
    Q_DECLARE_TR_FUNCTIONS(WholeImageCommands)

public:
    /// Prompts and reports open over `parent`.
    WholeImageCommands(PageRows& page, FailureReports& reports, QWidget* parent);

    /// Copies bytes `start` to `end` to the addresses from `destination` on, asking what
    /// to do when the copy passes the end of the image.
    void copy(const QString& start, const QString& end, const QString& destination);
    void invert();
    void reverse();
    /// Writes the image cut or padded with 0xFF to the size typed, beside it.
    void writeResizedCopy(const QString& sizeText);

private:
    /// Whether an image is open; reports that none is.
    [[nodiscard]] bool imageIsOpen();

    PageRows& m_page;
    FailureReports& m_reports;
    QWidget* m_parent;
};

} // namespace chaserom
