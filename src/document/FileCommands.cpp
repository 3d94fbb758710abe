#include "document/FileCommands.h"

#include "document/AtomicFile.h"
#include "document/ErrorReport.h"
#include "document/FrequencyListFile.h"
#include "document/FrequencyListReader.h"
#include "document/FrequencySelection.h"
#include "document/ListCommandStates.h"
#include "document/MessageBox.h"
#include "document/SiteFile.h"
#include "document/SiteLevelsFile.h"
#include "document/TextEncoding.h"
#include "document/TextHelpers.h"

#include <algorithm>
#include <new>

namespace spurline {

namespace {

constexpr const char* kFilter = "Frequency list (*.frq)|*.frq";

bool EndsWithFrqIgnoringCase(const std::string& name) {
    constexpr std::string_view extension = ".frq";
    if (name.size() < extension.size())
        return false;
    return std::equal(extension.begin(), extension.end(), name.end() - extension.size(),
                      [](char e, char c) { return e == LowerAscii(c); });
}

} // namespace

FileCommands::FileCommands(FrequencyList& list, FrequencySelection& selection,
                           ListCommandStates& commands, IMessageBox& messages,
                           IFileDialogs& dialogs, IFileCommandHost& host)
    : list_(list), selection_(selection), commands_(commands), messages_(messages),
      dialogs_(dialogs), host_(host) {
    list_.AddObserver(this);
}

FileCommands::~FileCommands() {
    list_.RemoveObserver(this);
}

// Every entry the list leaves out is named, until the user declines further messages.
void FileCommands::EntrySkipped(SkipReason reason, const std::string& frequency) {
    if (!ShowDuplicateMessages)
        return;
    const char* what =
        reason == SkipReason::Duplicate ? "Duplicate frequency " : "Frequency out of range ";
    const std::string prompt =
        what + frequency + "MHz" + "\r\n" + "was not added. Show further messages?";
    ShowDuplicateMessages =
        messages_.CenteredMsgBox(prompt, msgbox::ExclamationYesNo) == msgbox::Yes;
}

// Both dialogs start in the program's folder (where it may be written) with the last chosen name;
// the Save dialog asks before overwriting and needs an existing folder, the Open dialog an existing
// file.
FileDialogOptions FileCommands::DialogOptions(const std::string& title, bool saving) {
    FileDialogOptions options;
    options.title = title;
    options.filter = kFilter;
    options.initialDirectory = host_.ProgramDirectory();
    options.initialName = dialogFileName_;
    options.confirmOverwrite = saving;
    options.mustExist = true;
    return options;
}

bool FileCommands::cmdSave_Click() {
    const std::optional<std::string> chosen =
        dialogs_.GetSaveFileName(DialogOptions("Save frequency list", true));
    if (!chosen)
        return false;
    const std::string& name = *chosen;
    if (!name.empty())
        dialogFileName_ = name;
    if (list_.empty() || name.empty())
        return false;

    host_.SetBusyCursor(true);
    // A save that failed leaves the list changed: the user's work is not on disk.
    const auto reportFailure = [this](const CommandFailure& failure) {
        list_.SetChanged(true);
        host_.SetBusyCursor(false);
        ShowErrorReport(messages_, failure);
    };
    try {
        list_.SetFile(name, host_.CompactForFileNameField(name));
        const std::string lastSaved = FormatDate(host_.Now(), patterns::LastSaved, list_.locale());
        list_.SetLastSaved(lastSaved);
        // The level values first: should the site then fail, the old site and the new
        // companion meet on the next load, which names what does not fit instead of using it.
        SaveSiteLevels(list_, name);
        // The whole file is built first and replaces the old one only once it is written, so a
        // failure never costs the user the last good copy.
        WriteFileAtomically(name, EncodeFileText(WriteFrequencyListText(list_, lastSaved)));
        list_.SetChanged(false);
        host_.UpdateCaption(name);
        host_.SetBusyCursor(false);
        return true;
    } catch (const CommandFailure& failure) {
        reportFailure(failure);
    } catch (const std::bad_alloc&) {
        reportFailure(CommandFailure(errors::OutOfMemory, "Out of memory", "save/build"));
    } catch (const std::exception&) {
        reportFailure(
            CommandFailure(errors::PathFileAccessError, "Path/File access error", "save/write"));
    }
    return false;
}

void FileCommands::cmdLoad_Click() {
    // A user who wanted the changes saved and did not get them saved keeps them: the load would
    // replace the list.
    if (!SaveQuestion()) {
        return;
    }
    const std::optional<std::string> chosen =
        dialogs_.GetOpenFileName(DialogOptions("Open frequency list", false));
    if (!chosen)
        return;
    const std::string& name = *chosen;
    if (!name.empty())
        dialogFileName_ = name;
    if (!EndsWithFrqIgnoringCase(name))
        return;
    LoadFrequencyList(name);
    host_.AddMRUItem(name);
}

bool FileCommands::LoadFrequencyList(const std::string& path) {
    if (path.empty())
        return false;
    host_.SetBusyCursor(true);
    ShowDuplicateMessages = true;
    host_.UpdateCaption(path);

    list_.RemoveAllEntries();
    list_.SwitchSortingOff();
    host_.ClearStatusLine();

    list_.SetFile(path, host_.CompactForFileNameField(path));

    commands_.SetListCommandsEnabled(false);
    host_.LetEventsRun();
    host_.SetWindowEnabled(false);

    const auto fail = [&](const CommandFailure& failure) {
        host_.SetWindowEnabled(true);
        host_.SetBusyCursor(false);
        // The list has changed, so products and graph of the old list are stale.
        list_.NotifyRecalculationDue();
        ShowErrorReport(messages_, failure);
        return false;
    };

    std::vector<std::string> levelProblems;
    try {
        LoadListener listener;
        listener.afterEntryLine = [this] { host_.LetEventsRun(); };
        ReadFrequencyList(list_, ReadSiteFile(path), listener);
        levelProblems = LoadSiteLevels(list_, path);
    } catch (const CommandFailure& failure) {
        return fail(failure);
    } catch (const std::bad_alloc&) {
        return fail(CommandFailure(errors::OutOfMemory, "Out of memory", "load/entry"));
    } catch (const std::exception&) {
        return fail(
            CommandFailure(errors::PathFileAccessError, "Path/File access error", "load/read"));
    }

    host_.SetWindowEnabled(true);
    if (!list_.empty()) {
        commands_.SetListCommandsEnabled(true);
        list_.SetChanged(false);
        selection_.SetAllSelected(false);
    }
    list_.NotifyRecalculationDue();
    host_.SetBusyCursor(false);
    if (!levelProblems.empty()) {
        messages_.CenteredMsgBox(LevelsNotUsedMessage(levelProblems), msgbox::Exclamation);
    }
    return true;
}

bool FileCommands::SaveQuestion() {
    if (!list_.changed() || list_.empty())
        return true;
    const std::string prompt =
        dialogFileName_.empty()
            ? std::string("Do you want to save the") + "\r\n" + "current frequency list?"
            : std::string("Do you want to save changes made") + "\r\n" +
                  "to the current frequency list?";
    if (messages_.CenteredMsgBox(prompt, msgbox::Question) != msgbox::Yes)
        return true;
    return cmdSave_Click();
}

bool FileCommands::Clear() {
    if (list_.empty())
        return false;
    const std::string prompt =
        std::string("Are you sure you want to") + "\r\n" + "clear all of the data?";
    if (messages_.CenteredMsgBox(prompt, msgbox::Question) != msgbox::Yes)
        return false;
    list_.Clear();
    commands_.SetListCommandsEnabled(false);
    return true;
}

} // namespace spurline
