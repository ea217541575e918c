#include "windows/common/mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace chaserom {

namespace {

/// The letter a caption underlines, if any.
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') {
                return text[i + 1].toLower();
            }
            ++i; // "&&" is a written ampersand
        }
    }
    return {};
}

bool isOwnedBy(const QObject* object, const QObject& owner) {
    for (; object; object = object->parent()) {
        if (object == &owner) {
            return true;
        }
    }
    return false;
}

void assignInMenu(const QMenu& menu, const QObject& owner) {
    const QList<QAction*> actions = menu.actions();
    QSet<QChar> taken;
    for (const QAction* action : actions) {
        if (const QChar letter = mnemonicOf(action->text()); !letter.isNull()) {
            taken.insert(letter);
        }
    }
    for (QAction* action : actions) {
        if (action->menu()) {
            assignInMenu(*action->menu(), owner);
        }
        const QString text = action->text();
        if (action->isSeparator() || text.isEmpty() || !mnemonicOf(text).isNull() ||
            !isOwnedBy(action, owner)) {
            continue;
        }
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar letter = text[i].toLower();
            if (text[i].isLetter() && !taken.contains(letter)) {
                taken.insert(letter);
                action->setText(text.left(i) + u'&' + text.mid(i));
                break;
            }
        }
    }
}

} // namespace

void assignMnemonics(const QMenuBar& bar, const QObject& owner) {
    for (const QAction* top : bar.actions()) {
        if (top->menu()) {
            assignInMenu(*top->menu(), owner);
        }
    }
}

} // namespace chaserom
