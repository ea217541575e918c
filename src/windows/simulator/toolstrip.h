#pragma once

#include <QFrame>

class QPushButton;
class QToolButton;

namespace chaserom {

/// The simulator's tool strip `Frame1`: the layout buttons, the background button and the
/// engraved rule under them.
class ToolStrip : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY(ToolStrip)

public:
    explicit ToolStrip(QWidget* parent);

    [[nodiscard]] QPushButton* loadButton() const { return m_commandLoad; }
    [[nodiscard]] QPushButton* saveButton() const { return m_commandSave; }
    [[nodiscard]] QToolButton* backgroundButton() const { return m_commandFon; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* m_commandNew = nullptr;
    QPushButton* m_commandLoad = nullptr;
    QPushButton* m_commandSave = nullptr;
    QToolButton* m_commandFon = nullptr;
};

} // namespace chaserom
