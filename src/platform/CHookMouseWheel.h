#pragma once

#include "graph/MouseWheel.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class QWheelEvent;

namespace spurline {

// Watches one window for wheel turns that its children leave unhandled (a list scrolls itself, the
// graph does not) and raises them as MouseWheel / MouseWheelH with the decoded delta, modifier and
// button masks, the pointer in screen coordinates and the widget under it. A receiver that sets
// Cancel keeps the window's own wheel handling from running.
class CHookMouseWheel final : public QObject {
    Q_OBJECT

public:
    explicit CHookMouseWheel(QObject* parent = nullptr);
    ~CHookMouseWheel() override;

    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

    // Attaches to a window (detaching from the previous one first); nullptr detaches.
    void setHwnd(QWidget* window);
    QWidget* hwnd() const { return window_; }

    // Lines the desktop scrolls per notch.
    static int ScrollLines();

    // The masks of the modifier keys and mouse buttons held during a wheel turn.
    static int ShiftMask(Qt::KeyboardModifiers modifiers);
    static int ButtonMask(Qt::MouseButtons buttons);

signals:
    void MouseWheel(QWidget* hwnd, spurline::MouseWheelEvent& event);
    void MouseWheelH(QWidget* hwnd, spurline::MouseWheelEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Detach();
    bool HandleWheel(QWheelEvent* wheel);

    QPointer<QWidget> window_;
    bool enabled_ = true;
};

} // namespace spurline
