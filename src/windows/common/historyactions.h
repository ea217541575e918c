#pragma once

#include <QObject>

class QAction;
class QKeyEvent;

namespace chaserom {

class ImageDocument;

/// The undo and redo actions of every window: Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y, with what
/// they would take back or make again in their texts ("Отменить: инверсия 0–255"), greyed
/// when there is nothing. The app object adds them to each window and does what they ask.
class HistoryActions : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(HistoryActions)

public:
    HistoryActions(const ImageDocument& document, QObject* parent = nullptr);

    [[nodiscard]] QAction* undoAction() const { return m_undo; }
    [[nodiscard]] QAction* redoAction() const { return m_redo; }

    /// Whether a key is one of the undo or redo keys.
    [[nodiscard]] static bool isHistoryKey(const QKeyEvent& key);

private:
    void showHistory();

    const ImageDocument& m_document;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
};

} // namespace chaserom
