#include "windows/common/historyactions.h"

#include "core/image/imagedocument.h"

#include <QAction>
#include <QKeyEvent>

namespace chaserom {

namespace {

QList<QKeySequence> undoKeys() {
    return QKeySequence::keyBindings(QKeySequence::Undo);
}

QList<QKeySequence> redoKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        if (!keys.contains(key)) {
            keys << key;
        }
    }
    return keys;
}

QString withLabel(const QString& text, const QString& label) {
    return label.isEmpty() ? text : text + QStringLiteral(": ") + label;
}

} // namespace

HistoryActions::HistoryActions(const ImageDocument& document, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_undo(new QAction(this))
    , m_redo(new QAction(this)) {
    m_undo->setObjectName(QStringLiteral("ActionUndo"));
    m_undo->setShortcuts(undoKeys());
    m_undo->setShortcutContext(Qt::WindowShortcut);
    m_redo->setObjectName(QStringLiteral("ActionRedo"));
    m_redo->setShortcuts(redoKeys());
    m_redo->setShortcutContext(Qt::WindowShortcut);
    connect(&m_document, &ImageDocument::historyChanged, this, &HistoryActions::showHistory);
    showHistory();
}

bool HistoryActions::isHistoryKey(const QKeyEvent& key) {
    const QKeySequence pressed(key.keyCombination());
    return undoKeys().contains(pressed) || redoKeys().contains(pressed);
}

void HistoryActions::showHistory() {
    m_undo->setText(withLabel(tr("Отменить"), m_document.undoLabel()));
    m_undo->setEnabled(m_document.canUndo());
    m_redo->setText(withLabel(tr("Повторить"), m_document.redoLabel()));
    m_redo->setEnabled(m_document.canRedo());
}

} // namespace chaserom
