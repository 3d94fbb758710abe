#pragma once

#include "document/FileCommands.h"
#include "document/FileDialogs.h"
#include "document/FrequencyList.h"
#include "document/MessageBox.h"

#include <QItemSelection>
#include <QMainWindow>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace spurline {

class FileCommandHost;
class FrequencyListModel;

// "Spurline V0.01 build 0", followed by " - [name]" when a file is named.
std::string MainCaption(int major, int minor, int revision, const std::string& path);

// The main window: owns the frequency list document for the life of the program, shows it and
// its header fields, and wires the menus and buttons to the document and file commands.
class frmMain final : public QMainWindow {
    Q_OBJECT

public:
    // Production: real message boxes and file dialogs.
    explicit frmMain(const Locale& locale, QWidget* parent = nullptr);
    // Message boxes and file dialogs supplied by the caller (tests answer them from a script).
    frmMain(const Locale& locale, IMessageBox& messages, IFileDialogs& dialogs,
            QWidget* parent = nullptr);
    ~frmMain() override;

    FrequencyList& document() { return list_; }
    FileCommands& fileCommands() { return *fileCommands_; }

    void UpdateCaption(const std::string& path);
    // The out-of-date signal: the calculated products may no longer match the list.
    void RecalculateDue();

    // Commands.
    void mnuNew_Click();
    void cmdLoad_Click();
    void cmdSave_Click();
    void cmdClear_Click();

signals:
    void recalculationDue();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmMain(const Locale& locale, std::unique_ptr<IMessageBox> ownMessages, IMessageBox* messages,
            std::unique_ptr<IFileDialogs> ownDialogs, IFileDialogs* dialogs, QWidget* parent);

    void BuildWidgets();
    void BuildMenus();
    void SetColumnWidths();
    void HeaderFieldEdited(QLineEdit* field, bool siteName);
    void MirrorDocumentState();
    void MirrorSelection();
    void MirrorRowSelection(int row);
    void ViewSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);

    std::unique_ptr<IMessageBox> ownMessages_;
    std::unique_ptr<IFileDialogs> ownDialogs_;
    IMessageBox& messages_;
    IFileDialogs& dialogs_;
    FrequencyList list_;
    FrequencyListModel* model_ = nullptr;
    std::unique_ptr<FileCommandHost> host_;
    std::unique_ptr<FileCommands> fileCommands_;
    bool mirroring_ = false; // the view is being brought in line with the document

    QLabel* lblFrequencies = nullptr;
    QTableView* lvFreqs = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtComment = nullptr;
    QLineEdit* txtFilename = nullptr;
    QLineEdit* txtDate = nullptr;
    QPushButton* cmdLoad = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClear = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuExit = nullptr;
};

} // namespace spurline
