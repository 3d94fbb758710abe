#include "platform/CHookMouseWheel.h"

#include <QApplication>
#include <QWheelEvent>

namespace spurline {

CHookMouseWheel::CHookMouseWheel(QObject* parent) : QObject(parent) {}

CHookMouseWheel::~CHookMouseWheel() {
    Detach();
}

void CHookMouseWheel::setHwnd(QWidget* window) {
    Detach();
    if (window != nullptr) {
        window->installEventFilter(this);
        window_ = window;
    }
}

void CHookMouseWheel::Detach() {
    if (window_ != nullptr) {
        window_->removeEventFilter(this);
    }
    window_ = nullptr;
}

int CHookMouseWheel::ScrollLines() {
    return QApplication::wheelScrollLines();
}

int CHookMouseWheel::ShiftMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) {
        mask |= wheel::ShiftKey;
    }
    if (modifiers & Qt::ControlModifier) {
        mask |= wheel::CtrlKey;
    }
    if (modifiers & Qt::AltModifier) {
        mask |= wheel::AltKey;
    }
    return mask;
}

int CHookMouseWheel::ButtonMask(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton) {
        mask |= wheel::LeftButton;
    }
    if (buttons & Qt::RightButton) {
        mask |= wheel::RightButton;
    }
    if (buttons & Qt::MiddleButton) {
        mask |= wheel::MiddleButton;
    }
    return mask;
}

bool CHookMouseWheel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Wheel && enabled_) {
        return HandleWheel(static_cast<QWheelEvent*>(event));
    }
    return QObject::eventFilter(watched, event);
}

bool CHookMouseWheel::HandleWheel(QWheelEvent* wheel) {
    const QPoint angle = wheel->angleDelta();
    if (angle.isNull()) {
        return false; // a touchpad's begin or end of scrolling: no turn at all
    }
    const bool horizontal = angle.y() == 0 && angle.x() != 0;
    const QPoint global = wheel->globalPosition().toPoint();

    MouseWheelEvent notice;
    notice.Delta = horizontal ? angle.x() : angle.y();
    notice.Shift = ShiftMask(wheel->modifiers());
    notice.Button = ButtonMask(wheel->buttons());
    notice.X = global.x();
    notice.Y = global.y();
    notice.Cancel = false;

    QWidget* under = QApplication::widgetAt(global);
    if (horizontal) {
        emit MouseWheelH(under, notice);
    } else {
        emit MouseWheel(under, notice);
    }
    // The notice is answered either way; Cancel only decides whether the window's own handling
    // still runs.
    wheel->accept();
    return notice.Cancel;
}

} // namespace spurline
