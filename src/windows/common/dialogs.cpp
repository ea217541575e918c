#include "windows/common/dialogs.h"

#include <QColorDialog>
#include <QFileDialog>

namespace chaserom {

namespace {

std::optional<QString> chosenPath(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

} // namespace

std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& title,
                                        const QString& start) {
    return chosenPath(QFileDialog::getOpenFileName(parent, title, start));
}

std::optional<QString> chooseFileToSave(QWidget* parent, const QString& title,
                                        const QString& start) {
    return chosenPath(QFileDialog::getSaveFileName(parent, title, start));
}

std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, parent);
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return colour;
}

} // namespace chaserom
