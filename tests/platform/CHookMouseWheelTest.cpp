#include "platform/CHookMouseWheel.h"

#include <QApplication>
#include <QMainWindow>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace spurline {
namespace {

// Counts the wheel turns the window's own handler still sees.
class WheelWindow final : public QMainWindow {
public:
    int ownWheels = 0;

protected:
    void wheelEvent(QWheelEvent* event) override {
        ++ownWheels;
        event->ignore();
    }
};

struct Notice {
    QWidget* under = nullptr;
    MouseWheelEvent event;
    bool horizontal = false;
};

bool SendWheel(QWidget* target, QPoint angle, Qt::MouseButtons buttons = Qt::NoButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPoint at(5, 5);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), angle, buttons, modifiers,
                      Qt::NoScrollPhase, false);
    return QApplication::sendEvent(target, &event);
}

TEST(CHookMouseWheel, DecodesWheelTurnsOfTheHookedWindow) {
    WheelWindow window;
    auto* central = new QWidget;
    window.setCentralWidget(central);
    window.resize(300, 200);
    window.show();

    CHookMouseWheel hook;
    std::vector<Notice> notices;
    bool cancel = false;
    QObject::connect(&hook, &CHookMouseWheel::MouseWheel, [&](QWidget* w, MouseWheelEvent& e) {
        notices.push_back({w, e, false});
        e.Cancel = cancel;
    });
    QObject::connect(&hook, &CHookMouseWheel::MouseWheelH, [&](QWidget* w, MouseWheelEvent& e) {
        notices.push_back({w, e, true});
    });

    // Qt hands a turn that a child leaves unhandled on to its window, so the tests send to the
    // window itself. Not attached yet: nothing is raised.
    SendWheel(&window, QPoint(0, 120));
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(hook.hwnd(), nullptr);

    hook.setHwnd(&window);
    const int ownBefore = window.ownWheels;
    SendWheel(&window, QPoint(0, 120), Qt::LeftButton, Qt::ControlModifier);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].event.Delta, 120);
    // The masks as the wheel event promises them: Shift 1, Ctrl 2, Alt 4; left 1, middle 4.
    EXPECT_EQ(notices[0].event.Shift, 2);
    EXPECT_EQ(notices[0].event.Button, 1);
    EXPECT_EQ(QPoint(notices[0].event.X, notices[0].event.Y), window.mapToGlobal(QPoint(5, 5)));
    EXPECT_FALSE(notices[0].horizontal);
    EXPECT_EQ(window.ownWheels, ownBefore + 1); // not cancelled: the window's handling ran

    // Cancel keeps the window's own handling from running.
    cancel = true;
    SendWheel(&window, QPoint(0, -240), Qt::LeftButton | Qt::MiddleButton,
              Qt::ShiftModifier | Qt::AltModifier);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[1].event.Delta, -240);
    EXPECT_EQ(notices[1].event.Shift, 1 | 4);
    EXPECT_EQ(notices[1].event.Button, 1 | 4);
    EXPECT_EQ(window.ownWheels, ownBefore + 1);

    // The horizontal wheel raises its own event.
    SendWheel(&window, QPoint(-120, 0));
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_TRUE(notices[2].horizontal);
    EXPECT_EQ(notices[2].event.Delta, -120);
    EXPECT_EQ(window.ownWheels, ownBefore + 2);

    // A notice without any distance (a touchpad starting or ending a scroll) is no turn.
    SendWheel(&window, QPoint(0, 0));
    EXPECT_EQ(notices.size(), 3u);

    // Disabled: no event, the window handles the turn as usual.
    hook.setEnabled(false);
    SendWheel(&window, QPoint(0, 120));
    EXPECT_EQ(notices.size(), 3u);
    EXPECT_EQ(window.ownWheels, ownBefore + 4);

    // Detached: nothing more is raised.
    hook.setEnabled(true);
    hook.setHwnd(nullptr);
    SendWheel(&window, QPoint(0, 120));
    EXPECT_EQ(notices.size(), 3u);
}

TEST(CHookMouseWheel, WindowThatGoesAwayDetaches) {
    CHookMouseWheel hook;
    {
        QWidget window;
        hook.setHwnd(&window);
        EXPECT_EQ(hook.hwnd(), &window);
    }
    EXPECT_EQ(hook.hwnd(), nullptr);
    hook.setHwnd(nullptr); // detaching twice is harmless
    EXPECT_EQ(hook.hwnd(), nullptr);
}

} // namespace
} // namespace spurline
