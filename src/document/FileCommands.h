#pragma once

#include "document/FileDialogs.h"
#include "document/FrequencyList.h"
#include "document/NumberFormat.h"

#include <string>

namespace spurline {

class FrequencySelection;
class IMessageBox;
class ListCommandStates;

// What the load and save commands need from the main window.
class IFileCommandHost {
public:
    virtual ~IFileCommandHost() = default;
    virtual void SetBusyCursor(bool busy) = 0;
    virtual void SetWindowEnabled(bool enabled) = 0;
    virtual void LetEventsRun() = 0;
    virtual void UpdateCaption(const std::string& path) = 0;
    virtual void ClearStatusLine() = 0;
    virtual std::string CompactForFileNameField(const std::string& path) = 0;
    virtual LocalDateTime Now() = 0;
    // Where the dialogs open: the program's folder, or a folder the user may write to where
    // that one is not.
    virtual std::string ProgramDirectory() = 0;
    virtual void AddMRUItem(const std::string& path) = 0;
};

// Saving, loading, clearing and the save question of the frequency list file, and the message
// about each entry a load or an import leaves out.
class FileCommands final : private IFrequencyListObserver {
public:
    FileCommands(FrequencyList& list, FrequencySelection& selection, ListCommandStates& commands,
                 IMessageBox& messages, IFileDialogs& dialogs, IFileCommandHost& host);
    ~FileCommands() override;
    FileCommands(const FileCommands&) = delete;
    FileCommands& operator=(const FileCommands&) = delete;

    // Asks for a name and writes the file. Returns whether the file was written.
    bool cmdSave_Click();
    // The save question, the Open dialog, then the load. Stops after the question when the user
    // answered Yes but the list was not saved.
    void cmdLoad_Click();
    // Reads the file into the list; nothing happens for an empty path. Returns whether the load
    // ran to the end without an error.
    bool LoadFrequencyList(const std::string& path);
    // Asks about unsaved changes; Yes saves. Returns false only when the user said Yes and the
    // list was not saved (the Save dialog cancelled or the save failed).
    bool SaveQuestion();
    // File > New and the Clear button: asks, then clears the list. Returns whether it cleared.
    bool Clear();

    const std::string& dialogFileName() const { return dialogFileName_; }
    // The dialog is shared with the export, which leaves its own file name in it.
    void SetDialogFileName(std::string name) { dialogFileName_ = std::move(name); }

    // A load turns the messages about left-out entries on; the user's No turns them off until the
    // next load (a later import still shows them while they are on).
    bool ShowDuplicateMessages = false;

private:
    void EntrySkipped(SkipReason reason, const std::string& frequency) override;
    FileDialogOptions DialogOptions(const std::string& title, bool saving);

    FrequencyList& list_;
    FrequencySelection& selection_;
    ListCommandStates& commands_;
    IMessageBox& messages_;
    IFileDialogs& dialogs_;
    IFileCommandHost& host_;
    std::string dialogFileName_;
};

} // namespace spurline
