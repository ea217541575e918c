#pragma once

#include "core/geometry/twips.h"
#include "windows/common/controlplace.h"

#include <QFont>
#include <QString>
#include <QWidget>

namespace chaserom {

/// Makes `window` a top-level window of fixed size with a title and a close box only; its
/// client area is given in twips.
void setUpFixedWindow(QWidget& window, const QString& objectName, const QString& title,
                      int widthTwips, int heightTwips);

/// The windows' default font: the platform's nearest sans-serif face to MS Sans Serif 8.25.
[[nodiscard]] QFont defaultWindowFont();

/// Creates a control on `parent`, named `name` and placed in twips. The control takes its
/// own pointer input: the window does not see pointer moves or clicks over it.
template <typename Control>
Control* placeControl(QWidget* parent, const QString& name, const ControlPlace& place) {
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setGeometry(twipsRect(place.left, place.top, place.width, place.height));
    control->setAttribute(Qt::WA_NoMousePropagation);
    return control;
}

/// The name of element `index` of a control array: "Text1" and 3 give "Text1_3".
[[nodiscard]] QString elementName(const char* arrayName, int index);

} // namespace chaserom
