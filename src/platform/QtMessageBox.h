#pragma once

#include "document/MessageBox.h"

#include <QPointer>

class QMessageBox;
class QRect;
class QWidget;

namespace spurline {

// Shows the program's message boxes with QMessageBox, centred over the window in the foreground
// when the box comes up.
class QtMessageBox final : public IMessageBox {
public:
    explicit QtMessageBox(QWidget* mainWindow = nullptr);

    void setMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

    int CenteredMsgBox(const std::string& prompt, int buttons, const std::string& title = {},
                       const std::string& helpFile = {}, int context = 0,
                       int position = msgbox::CentreOnForeground) override;

private:
    QPointer<QWidget> mainWindow_;
};

// The window a box shown now belongs over: the active modal dialog, else the active window,
// else the main window.
QWidget* ForegroundOwner(QWidget* mainWindow);

// Where the box's frame goes so that it stands centred over the owner's frame.
ScreenRect CentredBoxFrame(const QRect& ownerFrame, const QRect& boxFrame);

// Fills a QMessageBox for a style word (icon and buttons), prompt and title; CR LF in the prompt
// becomes a line break and an empty title shows the application's name.
void PrepareMessageBox(QMessageBox& box, const std::string& prompt, int buttons,
                       const std::string& title);

// The button code (msgbox::Ok, Yes, No) for what QMessageBox::exec returned.
int ButtonCodeFor(int standardButton, int buttons);

} // namespace spurline
