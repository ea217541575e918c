#pragma once

#include <QString>

namespace chaserom {

/// A text the windows show, written in place as UTF-8 (the program speaks Russian).
[[nodiscard]] inline QString uiText(const char* utf8) {
    return QString::fromUtf8(utf8);
}

/// The messages more than one window gives, each written once.
namespace messages {

/// A command that needs an image was given with none open.
[[nodiscard]] inline QString noImageOpen() {
    return uiText("Файл образа не открыт: откройте его кнопкой «Файл».");
}

/// A command that needs steps was given on an image without a whole step.
[[nodiscard]] inline QString noWholeStep() {
    return uiText("В образе нет ни одного целого шага.");
}

} // namespace messages

} // namespace chaserom
