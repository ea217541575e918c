#pragma once

#include "core/files/fileerror.h"

#include <QObject>
#include <QSet>
#include <QString>

class QWidget;

namespace chaserom {

/// The title of every failure report.
inline constexpr char FailureTitle[] = QT_TRANSLATE_NOOP("FailureReports", "Ошибка");

/// The program's failure reports: each a modal message box, "Ошибка", over the window the
/// failure concerns. The app object owns one and hands it to every window.
class FailureReports : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(FailureReports)

public:
    explicit FailureReports(QObject* parent = nullptr);

    /// Shows a failure as soon as the current event has been handled, so that no operation
    /// under way is interrupted by the box's own event loop. A report equal to one already
    /// waiting or showing is not shown twice.
    void report(QWidget* parent, const QString& text);
    void report(QWidget* parent, const FileError& error);

    /// Shows a failure at once and returns when the user has closed the box; for shut-down,
    /// after which no event loop would show a queued report.
    void reportNow(QWidget* parent, const QString& text) const;

    /// While off, reports are written to the standard error stream instead of a box: for a
    /// shut-down that nobody is there to answer (the session ends, the terminal closed).
    void setShownInBoxes(bool shown) { m_shownInBoxes = shown; }
    [[nodiscard]] bool shownInBoxes() const { return m_shownInBoxes; }

private:
    /// Texts of the reports waiting or showing, so that a failure repeated by every step of
    /// playback makes one box, not a pile of them.
    QSet<QString> m_pending;
    bool m_shownInBoxes = true;
};

} // namespace chaserom
