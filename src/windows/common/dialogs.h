#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace chaserom {

/// The standard file dialog for opening, listing all files and starting at `start`; empty
/// when the user cancels.
[[nodiscard]] std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& title,
                                                      const QString& start = QString());

/// The standard file dialog for saving, starting at `start`; empty when the user cancels.
[[nodiscard]] std::optional<QString> chooseFileToSave(QWidget* parent, const QString& title,
                                                      const QString& start = QString());

/// The standard colour dialog, starting at `initial`; empty when the user cancels.
[[nodiscard]] std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial);

} // namespace chaserom
