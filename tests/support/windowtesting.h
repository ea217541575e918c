#pragma once

#include "tempfolder.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace chaserom {
class App;
}

namespace testing_support {

/// A child control of a window by its objectName; fails the test if it is missing.
template <typename Control> Control* control(QWidget* window, const QString& name) {
    auto* found = window->findChild<Control*>(name);
    if (!found) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

/// Runs `answer` on the next modal widget of type Dialog as soon as one is shown.
void whenModal(const char* className, std::function<void(QWidget*)> answer);

/// Presses OK on the next modal dialog of type `className`, as it was filled in.
void acceptModal(const char* className);

/// Answers the next file dialog with `path`, or cancels it when `path` is empty.
void answerFileDialog(const QString& path);

/// Presses a button (QMessageBox::StandardButton) on the next message box, and keeps its
/// title and text for the test.
struct MessageSeen {
    QString title;
    QString text;
    bool shown = false;
};
std::shared_ptr<MessageSeen> answerMessageBox(int button);

/// Waits until the modal widgets shown by the program have been answered.
bool waitForNoModal(int milliseconds = 5000);

/// Starts the program on an image path (or with the open dialog answered by `dialogPath`
/// when `image` is empty).
std::unique_ptr<chaserom::App> startApp(const QString& image);

/// Shows the step editor and the board window beside the three windows the program starts
/// with; returns all five once they show, none if one did not.
QList<QWidget*> showEveryWindow(chaserom::App& app);

/// The colour of a window's pixel at a point given in twips.
[[nodiscard]] QColor pixelAtTwips(QWidget* window, int x, int y);

} // namespace testing_support
