#pragma once

#include <QPushButton>

namespace chaserom {

/// A command button whose caption wraps onto more lines at word boundaries when it is
/// wider than the button, as captions of tall buttons do, and is set a little smaller when
/// one word alone is wider; text() stays the caption as given.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace chaserom
