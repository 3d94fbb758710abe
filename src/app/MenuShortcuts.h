#pragma once

class QAction;
class QKeyEvent;
class QWidget;

namespace spurline {

// The enabled menu command of window whose shortcut is this key, when it should win over the
// focused control: text boxes claim keys such as Ctrl+E ("end of line" on Linux desktops) that
// are menu shortcuts here, so File > Export did nothing while a box had the focus. The keys a
// text box edits with (cut, copy, paste, select all, undo, redo, delete) and plain keys stay with
// the control. Null when the control keeps the key.
QAction* MenuShortcutFor(const QKeyEvent& key, const QWidget& window);

} // namespace spurline
