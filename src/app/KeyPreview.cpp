#include "app/KeyPreview.h"

#include "app/MenuShortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QWidget>

namespace spurline {

KeyPreview::KeyPreview(QWidget& window, std::function<bool()> busy)
    : window_(window), busy_(std::move(busy)) {
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
    qApp->removeEventFilter(this);
}

void KeyPreview::SetKey(int key, std::function<void()> command) {
    keys_.emplace_back(key, std::move(command));
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    return Preview(watched, event) || QObject::eventFilter(watched, event);
}

bool KeyPreview::Preview(QObject* receiver, QEvent* event) {
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        receiver->isWidgetType() && window_.isAncestorOf(static_cast<QWidget*>(receiver)) &&
        !(busy_ && busy_())) {
        // The window claims a menu key that a control would take and runs the command itself
        // when the key arrives, whether or not the control's key scheme claims it.
        if (QAction* command = MenuShortcutFor(*static_cast<QKeyEvent*>(event), window_)) {
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                command->trigger();
            }
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyRelease) {
        // Another key is on its way; the release of the previewed one may come while its
        // dialog is still open.
        if (!previewing_) {
            previewedKey_ = nullptr;
        }
        return false;
    }
    // A key the controls leave travels on up to the window. Once a modal dialog opened by it has
    // closed no control may have the focus yet, and the window would take it for a new key.
    if (event->type() != QEvent::KeyPress || !receiver->isWidgetType() || event == previewedKey_) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(receiver);
    // A key travels from the focused control up to its parents; look at it once, on its way in.
    QWidget* focus = QApplication::focusWidget();
    if (widget != (focus != nullptr ? focus : &window_) ||
        !(widget == &window_ || window_.isAncestorOf(widget))) {
        return false;
    }
    previewedKey_ = event;
    const QScopedValueRollback previewing(previewing_, true);
    const int key = static_cast<QKeyEvent*>(event)->key();
    for (const auto& [previewed, command] : keys_) {
        if (previewed == key) {
            command();
            break;
        }
    }
    return false;
}

} // namespace spurline
