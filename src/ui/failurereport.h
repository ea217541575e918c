#pragma once

#include "app/fileerror.h"

#include <QString>

class QWidget;

namespace chaserom {

/// The title of every failure report.
inline constexpr char FailureTitle[] = "Ошибка";

/// Shows a failure in a modal message box over `parent` as soon as the current event has
/// been handled, so that no operation under way is interrupted by the box's own event loop.
/// A report equal to one already waiting or showing is not shown twice.
void reportFailure(QWidget* parent, const QString& text);
void reportFailure(QWidget* parent, const FileError& error);

/// Shows a failure at once and returns when the user has closed the box; for shut-down,
/// after which no event loop would show a queued report.
void reportFailureNow(QWidget* parent, const QString& text);

} // namespace chaserom
