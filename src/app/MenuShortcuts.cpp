#include "app/MenuShortcuts.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace spurline {

namespace {

bool IsTextEditingKey(const QKeyEvent& key) {
    for (const QKeySequence::StandardKey editing :
         {QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste, QKeySequence::SelectAll,
          QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Delete}) {
        if (key.matches(editing)) {
            return true;
        }
    }
    return false;
}

} // namespace

QAction* MenuShortcutFor(const QKeyEvent& key, const QWidget& window) {
    if (key.key() == 0 || key.modifiers() == Qt::NoModifier || IsTextEditingKey(key)) {
        return nullptr;
    }
    const QKeySequence pressed(key.keyCombination());
    const auto* bar = window.findChild<QMenuBar*>();
    if (bar == nullptr) {
        return nullptr;
    }
    for (QAction* action : bar->findChildren<QAction*>()) {
        if (action->isEnabled() && action->shortcut() == pressed) {
            return action;
        }
    }
    return nullptr;
}

} // namespace spurline
