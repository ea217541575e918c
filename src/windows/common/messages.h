#pragma once

#include <QCoreApplication>
#include <QString>

namespace chaserom {

/// The messages more than one window gives, each written once.
namespace messages {

/// A command that needs an image was given with none open.
[[nodiscard]] inline QString noImageOpen() {
    return QCoreApplication::translate("messages",
                                       "Файл образа не открыт: откройте его кнопкой «Файл».");
}

/// A command that needs steps was given on an image without a whole step.
[[nodiscard]] inline QString noWholeStep() {
    return QCoreApplication::translate("messages", "В образе нет ни одного целого шага.");
}

} // namespace messages

} // namespace chaserom
