#pragma once

#include <QWidget>

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace spurline {

class FrequencyList;

// The site header above the frequency list: the name and comment fields that edit the document,
// the file name field that opens a file when clicked, the last-saved date, and the "&Load..." and
// "&Save..." buttons (the window connects those).
class SiteHeader final : public QWidget {
    Q_OBJECT

public:
    SiteHeader(FrequencyList& list, QWidget* parent);

    // Shows the document's header fields. Assigning only differing texts keeps the caret of the
    // field being typed in.
    void Mirror();

    QLineEdit& txtFilename() { return *txtFilename_; }
    QPushButton& cmdLoad() { return *cmdLoad_; }
    QPushButton& cmdSave() { return *cmdSave_; }

signals:
    // A left click on the file name field.
    void loadRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* AddField(QGridLayout& grid, const char* caption, const char* name, int row,
                        int column);
    QPushButton* AddButton(const char* caption, const char* name);
    void FieldEdited(QLineEdit& field, bool siteName);

    FrequencyList& list_;
    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtComment_ = nullptr;
    QLineEdit* txtFilename_ = nullptr;
    QLineEdit* txtDate_ = nullptr;
    QPushButton* cmdLoad_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
};

} // namespace spurline
