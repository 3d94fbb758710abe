#include "app/FileCommandHost.h"

#include "platform/QtDialogStartFolder.h"
#include "platform/QtStrings.h"
#include "platform/QtTextMeasurer.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace spurline {

namespace {

// A long load lets events through at most this often, so a large file is not slowed down by
// thousands of event loop passes while the window still repaints.
constexpr qint64 EventsIntervalMs = 50;

// QLineEdit keeps this many pixels free on either side of its text.
constexpr int LineEditTextMargin = 2;

} // namespace

FileCommandHost::FileCommandHost(QWidget& window, QLineEdit& fileNameField, QLabel& statusLine,
                                 std::function<void(const std::string&)> updateCaption)
    : window_(&window), fileNameField_(&fileNameField), statusLine_(&statusLine),
      updateCaption_(std::move(updateCaption)) {}

void FileCommandHost::SetBusyCursor(bool busy) {
    busyCursor_.Set(busy);
}

void FileCommandHost::SetWindowEnabled(bool enabled) {
    if (window_) {
        window_->setEnabled(enabled);
    }
}

void FileCommandHost::LetEventsRun() {
    if (sinceEventsRan_.isValid() && sinceEventsRan_.elapsed() < EventsIntervalMs) {
        return;
    }
    QCoreApplication::processEvents();
    sinceEventsRan_.start();
}

void FileCommandHost::UpdateCaption(const std::string& path) {
    if (updateCaption_) {
        updateCaption_(path);
    }
}

void FileCommandHost::ClearStatusLine() {
    if (statusLine_) {
        statusLine_->clear();
    }
}

int TextAreaWidth(const QLineEdit& field) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = field.contentsRect();
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    QRect area = field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    area = area.marginsRemoved(field.textMargins());
    return std::max(0, area.width() - 2 * LineEditTextMargin);
}

std::string FileCommandHost::CompactForFileNameField(const std::string& path) {
    if (!fileNameField_) {
        return path;
    }
    const QtTextMeasurer measurer(fileNameField_->font());
    return CompactPath(path, measurer, TextAreaWidth(*fileNameField_));
}

LocalDateTime FileCommandHost::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    LocalDateTime result;
    result.year = now.date().year();
    result.month = now.date().month();
    result.day = now.date().day();
    result.hour = now.time().hour();
    result.minute = now.time().minute();
    result.second = now.time().second();
    return result;
}

std::string FileCommandHost::ProgramDirectory() {
    return QtDialogStartFolder(QCoreApplication::applicationDirPath());
}

void FileCommandHost::AddMRUItem(const std::string& path) {
    if (addMRUItem) {
        addMRUItem(path);
    }
}

} // namespace spurline
