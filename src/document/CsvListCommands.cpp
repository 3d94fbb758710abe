#include "document/CsvListCommands.h"

#include "document/AtomicFile.h"
#include "document/ErrorReport.h"
#include "document/FrequencyListCsv.h"
#include "document/SiteFile.h"

namespace spurline {

namespace {

constexpr const char* CsvFilter = "CSV frequency list (*.csv)|*.csv";
// Lines named in the message at most; the rest are counted.
constexpr std::size_t ShownLines = 15;

} // namespace

int CsvListCommands::ImportCsv() {
    FileDialogOptions options;
    options.title = "Import CSV";
    options.filter = CsvFilter;
    options.mustExist = true;
    const std::optional<std::string> path = dialogs_.GetOpenFileName(options);
    if (!path) {
        return 0;
    }
    const int before = list_.count();
    std::vector<CsvRejectedLine> rejected;
    std::vector<CsvRejectedLine> changed;
    try {
        rejected = ReadFrequencyListCsv(list_, ReadSiteFile(*path), &changed);
    } catch (const CommandFailure& failure) {
        ShowErrorReport(messages_, failure);
    }
    const int added = list_.count() - before;
    if (!rejected.empty() || !changed.empty()) {
        std::string text = std::to_string(added) + " entries imported";
        const auto name = [&](const char* heading, const std::vector<CsvRejectedLine>& lines) {
            text += heading;
            for (std::size_t k = 0; k < lines.size() && k < ShownLines; ++k) {
                text += "\r\n" + CsvRejectedLineText(lines[k]);
            }
            if (lines.size() > ShownLines) {
                text += "\r\nand " + std::to_string(lines.size() - ShownLines) + " more";
            }
        };
        if (!rejected.empty()) {
            name("; lines not taken:", rejected);
        }
        if (!changed.empty()) {
            name(rejected.empty() ? "; lines changed:" : "\r\nlines changed:", changed);
        }
        messages_.CenteredMsgBox(text, msgbox::Exclamation);
    }
    if (added > 0) {
        // Unsaved work, as after Add: Save is offered and quitting asks.
        commands_.MarkEntriesAdded();
        list_.NotifyRecalculationDue();
    }
    return added;
}

bool CsvListCommands::ExportCsv() {
    FileDialogOptions options;
    options.title = "Export CSV";
    options.filter = CsvFilter;
    options.confirmOverwrite = true;
    options.mustExist = true;
    const std::optional<std::string> path = dialogs_.GetSaveFileName(options);
    if (!path) {
        return false;
    }
    try {
        WriteFileAtomically(*path, WriteFrequencyListCsv(list_));
    } catch (const CommandFailure& failure) {
        ShowErrorReport(messages_, failure);
        return false;
    }
    return true;
}

} // namespace spurline
