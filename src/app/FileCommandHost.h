#pragma once

#include "document/FileCommands.h"
#include "platform/BusyCursor.h"

#include <QElapsedTimer>
#include <QPointer>
#include <functional>

class QLineEdit;
class QLabel;
class QWidget;

namespace spurline {

// What the file commands need from the main window: the busy cursor, the window's enabled state,
// a share of time for waiting events, the caption, the status line and the file name field.
class FileCommandHost final : public IFileCommandHost {
public:
    FileCommandHost(QWidget& window, QLineEdit& fileNameField, QLabel& statusLine,
                    std::function<void(const std::string&)> updateCaption);

    void SetBusyCursor(bool busy) override;
    void SetWindowEnabled(bool enabled) override;
    void LetEventsRun() override;
    void UpdateCaption(const std::string& path) override;
    void ClearStatusLine() override;
    std::string CompactForFileNameField(const std::string& path) override;
    LocalDateTime Now() override;
    std::string ProgramDirectory() override;
    void AddMRUItem(const std::string& path) override;

    // Where a file opened through the Open dialog is recorded (the recent-files list).
    std::function<void(const std::string&)> addMRUItem;

private:
    QPointer<QWidget> window_;
    QPointer<QLineEdit> fileNameField_;
    QPointer<QLabel> statusLine_;
    std::function<void(const std::string&)> updateCaption_;
    QElapsedTimer sinceEventsRan_;
    BusyCursor busyCursor_;
};

// The width in pixels that text can take inside a line edit (its width less frame and margins).
int TextAreaWidth(const QLineEdit& field);

} // namespace spurline
