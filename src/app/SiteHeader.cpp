#include "app/SiteHeader.h"

#include "document/FrequencyList.h"
#include "platform/QtStrings.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace spurline {

SiteHeader::SiteHeader(FrequencyList& list, QWidget* parent) : QWidget(parent), list_(list) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    txtName_ = AddField(*grid, "Name:", "txtName", 0, 0);
    txtComment_ = AddField(*grid, "Comments:", "txtComment", 1, 0);
    txtFilename_ = AddField(*grid, "File:", "txtFilename", 0, 1);
    txtDate_ = AddField(*grid, "Last Saved:", "txtDate", 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    txtFilename_->setReadOnly(true);
    txtFilename_->setCursor(Qt::PointingHandCursor);
    txtFilename_->installEventFilter(this);
    txtDate_->setReadOnly(true);

    cmdLoad_ = AddButton("&Load...", "cmdLoad");
    cmdSave_ = AddButton("&Save...", "cmdSave");
    grid->addWidget(cmdLoad_, 0, 4);
    grid->addWidget(cmdSave_, 1, 4);

    connect(txtName_, &QLineEdit::textEdited, this, [this] { FieldEdited(*txtName_, true); });
    connect(txtComment_, &QLineEdit::textEdited, this,
            [this] { FieldEdited(*txtComment_, false); });
}

QLineEdit* SiteHeader::AddField(QGridLayout& grid, const char* caption, const char* name, int row,
                                int column) {
    auto* label = new QLabel(QString::fromLatin1(caption), this);
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    label->setBuddy(field);
    grid.addWidget(label, row, column * 2);
    grid.addWidget(field, row, column * 2 + 1);
    return field;
}

QPushButton* SiteHeader::AddButton(const char* caption, const char* name) {
    auto* button = new QPushButton(QString::fromLatin1(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

void SiteHeader::FieldEdited(QLineEdit& field, bool siteName) {
    const QString text = field.text();
    const std::string utf8 = ToStdString(text);
    const FilteredText filtered =
        RemoveFieldSeparator(utf8, Utf8OffsetOf(text, field.cursorPosition()), list_.locale());
    if (filtered.text != utf8) {
        field.setText(ToQString(filtered.text));
        field.setCursorPosition(QtIndexOf(filtered.text, filtered.caret));
    }
    if (siteName) {
        list_.SetSiteName(filtered.text);
    } else {
        list_.SetComment(filtered.text);
    }
}

void SiteHeader::Mirror() {
    auto mirror = [](QLineEdit& field, const std::string& text) {
        const QString value = ToQString(text);
        if (field.text() != value) {
            field.setText(value);
        }
    };
    mirror(*txtName_, list_.siteName());
    mirror(*txtComment_, list_.comment());
    mirror(*txtFilename_, list_.fileDisplayPath());
    mirror(*txtDate_, list_.lastSaved());
    txtFilename_->setToolTip(ToQString(list_.filePath()));
}

bool SiteHeader::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFilename_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && txtFilename_->rect().contains(mouse->pos())) {
            emit loadRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace spurline
