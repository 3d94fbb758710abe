#include "platform/QtMessageBox.h"

#include "platform/QtMonitors.h"
#include "platform/QtStrings.h"

#include <QApplication>
#include <QMessageBox>
#include <QShowEvent>

namespace spurline {

namespace {

// Moves itself over its owner once its final size is known: QMessageBox sizes itself in its own
// showEvent, after QDialog's default placement, and before the window is mapped.
class CentredMessageBox final : public QMessageBox {
public:
    CentredMessageBox(QWidget* owner) : QMessageBox(owner), owner_(owner) {}

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (owner_ == nullptr) {
            return;
        }
        QWidget* ownerWindow = owner_->window();
        ScreenRect place = CentredBoxFrame(ownerWindow->frameGeometry(), frameGeometry());
        // An owner near a screen edge or across two monitors must not push the box off screen.
        const QtMonitorSource source;
        const cMonitors monitors(source);
        if (const std::optional<cMonitor> monitor =
                monitors.MonitorForWindow(ToScreenRect(ownerWindow->frameGeometry()))) {
            place = KeepInWorkArea(place, *monitor);
        }
        move(place.left, place.top);
    }

private:
    QPointer<QWidget> owner_;
};

} // namespace

QtMessageBox::QtMessageBox(QWidget* mainWindow) : mainWindow_(mainWindow) {}

QWidget* ForegroundOwner(QWidget* mainWindow) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return mainWindow;
}

ScreenRect CentredBoxFrame(const QRect& ownerFrame, const QRect& boxFrame) {
    const ScreenRect owner{ownerFrame.x(), ownerFrame.y(), ownerFrame.width(), ownerFrame.height()};
    return CentreOver(owner, boxFrame.width(), boxFrame.height());
}

void PrepareMessageBox(QMessageBox& box, const std::string& prompt, int buttons,
                       const std::string& title) {
    QString text = ToQString(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setWindowTitle(title.empty() ? QApplication::applicationName() : ToQString(title));

    switch (buttons) {
    case msgbox::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case msgbox::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case msgbox::InformationYesNo:
        box.setIcon(QMessageBox::Information);
        break;
    case msgbox::Exclamation:
    case msgbox::ExclamationYesNo:
    default:
        box.setIcon(QMessageBox::Warning);
        break;
    }
    if (msgbox::IsYesNo(buttons)) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
}

int ButtonCodeFor(int standardButton, int buttons) {
    if (!msgbox::IsYesNo(buttons)) {
        return msgbox::Ok;
    }
    return standardButton == QMessageBox::Yes ? msgbox::Yes : msgbox::No;
}

int QtMessageBox::CenteredMsgBox(const std::string& prompt, int buttons, const std::string& title,
                                 const std::string& /*helpFile*/, int /*context*/,
                                 int /*position*/) {
    // Every caller asks for the foreground window, the only placement the program uses.
    CentredMessageBox box(ForegroundOwner(mainWindow_));
    PrepareMessageBox(box, prompt, buttons, title);
    return ButtonCodeFor(box.exec(), buttons);
}

} // namespace spurline
